// A doubly linked list of heap elements that owns them and can fill itself
// from named sections of an INI- or INF-style list file. How one line of a
// section becomes an element is up to the derived list (ScanLine).
#pragma once
#include "base/ListElement.h"
#include "base/ListNode.h"
#include "base/Win32Types.h"

enum ListError {
    ListErrorNone = 0,
    ListErrorOpen = 1001,
    ListErrorNoSection = 1003,
    ListErrorSize = 1004,
    ListErrorNotFound = 1005,
    ListErrorLine = 1006
};

enum {
    ListLinePiece = 129,     // lines are read in pieces of at most this many characters
    ListSectionsSize = 256   // the comma-separated sections text of FillListFromFile
};

class CList {
public:
    CList();
    virtual ~CList();

    virtual unsigned GetCount() const;
    virtual BOOL FillListFromFile(const char *file, const char *sections);
    virtual ListElement *GetFilesFromSection(const char *text);
    virtual ListElement *GetFirst() const;
    virtual ListElement *GetLast() const;
    virtual ListElement *GetAt(unsigned index) const;
    virtual ListNode *GetHeadNode() const;
    virtual ListNode *GetTailNode() const;
    virtual BOOL Clear();
    virtual int GetError() const;
    virtual BOOL ScanLine(const char *section, const char *line) = 0;
    virtual BOOL AddElement(ListElement *element);
    virtual BOOL RemoveAll();
    virtual BOOL RemoveAt(unsigned index);
    virtual ListNode *GetNodeAt(unsigned index) const;

    BOOL FillListFromSection(const char *section);

protected:
    // Removes all whitespace; a text of nothing but whitespace becomes empty.
    static void Squeeze(char *text);

    unsigned m_count;
    int m_error;
    char m_file[ListTextSize];
    char m_search[ListTextSize];
    ListNode *m_head;
    ListNode *m_current;
};
