// One named value of an open key, with a private copy of its data. Reads
// at construction when the value exists; writes through on every change.
#pragma once
#include "registry/CRegBase.h"

class CRegValue : public CRegBase {
public:
    CRegValue(HKEY key, const char *name);

    // Slot 0: releases key, name and data; the error state stays.
    void Reset() override;
    ~CRegValue() override;
    virtual DWORD GetSize();
    virtual DWORD GetType();
    virtual const char *GetName();
    virtual int Create(const void *data, DWORD type, DWORD size);
    virtual int Delete();
    virtual int Update();
    virtual void *GetData(void *buffer, DWORD *type, DWORD *size);
    virtual int Set(const void *data, DWORD type, DWORD size);
    virtual int Exists();
    virtual int IsUpdated();

protected:
    // Stores a copy of size bytes followed by one zero byte; false without memory.
    bool KeepCopy(const void *data, DWORD type, DWORD size);
    // The string Contains of the string classes (256-byte work copy).
    int StringDataContains(char *text, int caseSensitive);

    HKEY m_key;
    char *m_name;
    BYTE *m_data;
    DWORD m_type;
    DWORD m_size;
    int m_updated;
};

// Lower-cases a text in place in the system code page.
void RegLowerText(char *text);
// A heap copy of a text, lower-cased when lower is set; null without memory.
char *RegCopyText(const char *text, bool lower);
