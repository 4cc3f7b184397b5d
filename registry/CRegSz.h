// A value of type REG_SZ: one zero-terminated text.
#pragma once
#include "registry/CRegValue.h"

class CRegSz : public CRegValue {
public:
    CRegSz(HKEY key, const char *name) : CRegValue(key, name) {}
    using CRegValue::Create;
    using CRegValue::Set;

    // Writes the text with its terminating zero.
    virtual int Create(const char *text);
    // The text, or null with code 4 when the value has another type.
    virtual char *Get();
    // Writes the text without its terminating zero.
    virtual int Set(const char *text);
    // Whether the text occurs in the stored text (its first 255 characters);
    // without caseSensitive both are lower-cased, the caller's text in place.
    virtual int Contains(char *text, int caseSensitive);
};
