// A value of type REG_DWORD: one 32-bit number.
#pragma once
#include "registry/CRegValue.h"

class CRegDword : public CRegValue {
public:
    CRegDword(HKEY key, const char *name) : CRegValue(key, name) {}
    using CRegValue::Create;
    using CRegValue::Set;

    virtual int Create(DWORD number);
    // The number, or 0 with code 4 for another type.
    virtual DWORD Get();
    virtual int Set(DWORD number);
    virtual int Equals(DWORD number);
};
