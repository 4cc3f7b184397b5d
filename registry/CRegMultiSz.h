// A value of type REG_MULTI_SZ: zero-terminated strings followed by one more
// zero byte. Positions are byte offsets of a string's first character.
#pragma once
#include "registry/CRegValue.h"

class CRegMultiSz : public CRegValue {
public:
    CRegMultiSz(HKEY key, const char *name) : CRegValue(key, name), m_cursor(nullptr) {}
    using CRegValue::Create;
    using CRegValue::Set;

    virtual int Create(const char *list, DWORD size);
    virtual char *Get();
    virtual char *GetFirst();
    virtual char *GetNext();
    virtual int GetCount();
    virtual int Set(const char *list, DWORD size);
    virtual int InsertAt(const char *text, DWORD offset);
    virtual int RemoveAt(DWORD offset);
    virtual int InsertBefore(const char *newText, const char *existing, int caseSensitive);
    virtual int Remove(const char *text, int caseSensitive);
    virtual int Contains(const char *text, int caseSensitive);
    // Offset of the first string equal to the text; 0 with code 12 when none.
    virtual DWORD Find(const char *text, int caseSensitive);

private:
    char *m_cursor;
};
