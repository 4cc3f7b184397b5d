// The string-table reader: texts of the language-independent section and of
// one language, by StringId.
#pragma once

class CDebugFile;

class CStringTable {
public:
    CStringTable(const char *path, const char *language, CDebugFile *log);
    virtual ~CStringTable();

    // The text of an id, or null when the table has none.
    const char *LookupText(unsigned id) const;
    bool HasError() const { return m_error; }
    const char *GetErrorText() const { return m_errorText; }

private:
    bool m_error;
    char m_errorText[512];
};
