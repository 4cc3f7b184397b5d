// Base of every registry object: the object's error state instead of
// exceptions. The first error wins; later ones only set the further-errors flag.
#pragma once
#include <windows.h>

enum RegErrorCode {
    REGERR_NONE = 0,
    REGERR_HANDLE = 1,
    REGERR_VALUENAME = 2,
    REGERR_PATH = 3,
    REGERR_TYPE = 4,
    REGERR_ACCESS = 5,
    REGERR_MEMORY = 6,
    REGERR_NOMOREITEMS = 7,
    REGERR_UPDATE = 8,
    REGERR_UNSPECIFIED = 9,
    REGERR_PARAMETER = 10,
    REGERR_GETFIRST = 11,
    REGERR_NOTFOUND = 12,
    REGERR_ACL_ALLOC = 13,
    REGERR_ACL_NOTINIT = 14,
    REGERR_ACL_INIT = 15,
    REGERR_MOREDATA = 16,
    REGERR_MORESUBKEYS = 17,
    REGERR_EXISTS = 18,
    REGERR_ROOTSUBKEY = 19,
    REGERR_LASTERROR = 23
};

class CRegBase {
public:
    enum { TextCount = 24, MessageSize = 200 };

    CRegBase();

    // Slots 0 to 5, then the destructor.
    virtual void Reset();
    // Formats the current code's text into a 200-byte work buffer and copies
    // it into text (which must hold 200 bytes) when text is not null.
    virtual int GetError(char *text);
    virtual int SetWin32Error(LONG result);
    virtual int SetError(int code);
    virtual int ClearErrorCode();
    virtual int SetLanguage(int language);
    virtual ~CRegBase();

    int HasFurtherErrors() const { return m_furtherErrors; }
    // The Win32 result mapping, for callers that only want the code.
    static int MapWin32Result(LONG result);
    // The text of a code in one language; "" for codes without text.
    static const char *ErrorText(int code, int language);

protected:
    int m_errorCode;
    int m_furtherErrors;
    int m_language;
    const char *const *m_textTable;
};
