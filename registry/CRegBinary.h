// A value of type REG_BINARY: raw bytes.
#pragma once
#include "registry/CRegValue.h"

class CRegBinary : public CRegValue {
public:
    CRegBinary(HKEY key, const char *name) : CRegValue(key, name) {}
    using CRegValue::Create;
    using CRegValue::Set;

    virtual int Create(const BYTE *bytes, DWORD length);
    // The bytes (GetSize of them), or null with code 4 for another type.
    virtual BYTE *Get();
    virtual int Set(const BYTE *bytes, DWORD length);
    // Whether the byte sequence occurs anywhere within the data.
    virtual int Contains(const BYTE *bytes, DWORD length);
};
