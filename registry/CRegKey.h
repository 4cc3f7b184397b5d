// One open registry key, named by a parent handle and a path below it.
// Subkeys it creates are closed at once; operations on subkeys open
// temporary key objects of their own.
#pragma once
#include "registry/CRegBase.h"

class CRegSecurity;
class CRegValue;

class CRegKey : public CRegBase {
public:
    enum { NameSize = 256 };

    CRegKey(HKEY parent, const char *path, REGSAM access);
    ~CRegKey() override;

    virtual int CreateSubKey(const char *path, CRegSecurity *security);
    virtual int EmptySlot();
    virtual DWORD GetNumberOfValues();
    virtual char *GetFirstValue();
    virtual int GetValueObject(CRegValue **out);
    virtual char *GetNextValue();
    virtual int IsLastValue();
    virtual DWORD GetNumberOfSubKeys();
    virtual char *GetFirstSubKey();
    virtual int GetSubKeyObject(CRegKey **out);
    virtual char *GetNextSubKey();
    virtual int IsLastSubKey();
    virtual const char *GetPath();
    virtual HKEY GetHandle();
    virtual int CopyKey(const char *source, const char *destination);
    virtual int DeleteSubKey(const char *name);
    virtual int DeleteSubKeyTree(const char *name);
    virtual int MoveKey(const char *source, const char *destination);
    virtual int DeleteValue(const char *name);
    virtual int MoveValue(const char *source, const char *destination, CRegKey *destinationKey);
    virtual int CopyValue(const char *source, const char *destination, CRegKey *destinationKey);
    virtual int SubKeyExists(const char *name);
    virtual int ValueExists(const char *name);
    virtual int Exists();
    virtual int FindKeyWithText(const char *valueName, const char *text, int caseSensitive);
    virtual int FindSubKey(const char *name, int caseSensitive);
    virtual int HasSubKey(const char *name, int caseSensitive);
    virtual int HasValue(const char *name, int caseSensitive);
    virtual int BinaryValueContains(const char *name, const BYTE *bytes, DWORD length);
    virtual int DwordValueEquals(const char *name, DWORD number);
    virtual int StringValueContains(const char *name, char *text);
    virtual int Flush();

    // a and b joined with one backslash into a static buffer (valid until
    // the next call); null with code 16 when the result would not fit 255.
    const char *JoinKeyPath(const char *a, const char *b);
    // The result of FindKeyWithText: the path found, relative to the parent.
    const char *GetFoundPath() const { return m_foundPath; }
    // How many keys the constructors have opened so far (for measurements).
    static long OpenCount() { return s_openCount; }

private:
    bool RepairAccess();
    static bool IsBlankKeyText(const char *text);

    int m_subKeyIndex;
    char m_foundPath[NameSize];
    HKEY m_key;
    HKEY m_parent;
    char *m_path;
    int m_reserved;
    char m_valueName[NameSize];
    DWORD m_valueNameLength;
    DWORD m_valueType;
    int m_valueIndex;
    int m_valueEnumStarted;
    int m_noMoreValues;
    char m_subKeyName[NameSize];
    int m_subKeyEnumStarted;
    int m_noMoreSubKeys;
    REGSAM m_access;

    static long s_openCount;
};
