// The string-table reader: texts of the language-independent section "indy"
// and of one language section, by StringId.
#pragma once

class CDebugFile;
class CStrFileReader;

struct StrEntry {
    int id;              // -1 until set
    char *text;          // null until set; the empty text is one shared constant
    struct PlaceholderList {
        unsigned count;
        unsigned capacity;
        int *values;
    } *placeholders;     // null without placeholder numbers
};

class CStringTable {
public:
    enum { LineSize = 255, ErrorTextSize = 512, TextLimit = 255, IndexLimit = 10000 };
    enum LineType { NoLine = 0, EntryLine = 1, ContinuationLine = 2, SectionLine = 3 };
    enum SectionMode { Outside = 0, IndySection = 1, LanguageSection = 2 };
    enum ErrorType {
        ErrSyntax = 0, ErrToken = 1, ErrContinuation = 3, ErrOverflow = 4, ErrCorrupt = 5,
        ErrOpen = 6, ErrMissingId = 7, ErrSection = 8, ErrLog = 9
    };

    CStringTable(const char *path, const char *language, CDebugFile *log);
    virtual ~CStringTable();
    CStringTable(const CStringTable &) = delete;
    CStringTable &operator=(const CStringTable &) = delete;

    bool HasError() const { return m_error; }
    const char *GetErrorText() const { return m_errorText; }
    const StrEntry *FindEntry(unsigned id) const;
    // The text of an id, or null when the table has none.
    const char *LookupText(unsigned id) const;

    unsigned GetEntryCount() const { return m_entryCount; }
    const StrEntry *GetEntry(unsigned index) const
    {
        return index < m_entryCount ? &m_entries[index] : nullptr;
    }
    unsigned GetHighestId() const { return m_highestId; }
    bool HasIndex() const { return m_index != nullptr; }

    // Replaces the text escapes (\n, \t, \\, ...) in place.
    static void ApplyTextEscapes(char *text);

private:
    void Load();
    void ReadAllLines(bool storing);
    void ParseLine(const char *line, unsigned length, bool storing);
    bool FinishText(bool storing, unsigned column);
    void AddPlaceholder(unsigned entry, int value);
    bool AppendText(unsigned entry, const char *text, unsigned length);
    void CheckRequiredIds();
    void BuildIndex();
    void SetError(int type, unsigned column = 0, int id = 0);

    StrEntry *m_entries;
    unsigned m_entryCount;
    unsigned m_currentEntry;
    char *m_fileName;
    char m_line[LineSize];
    bool m_done;
    int m_lineType;
    int m_state;
    char m_errorText[ErrorTextSize];
    unsigned m_lineNumber;
    bool m_error;
    int m_sectionMode;
    CDebugFile *m_log;
    CStrFileReader *m_reader;
    const char *m_languageName;
    bool m_indySeen;
    bool m_languageSeen;
    unsigned m_highestId;
    int *m_index;
};
