#include "registry/CRegSz.h"
#include <cstring>

int CRegSz::Create(const char *text)
{
    if (!text) return SetError(REGERR_PARAMETER), m_errorCode;
    return CRegValue::Create(text, REG_SZ, static_cast<DWORD>(std::strlen(text) + 1));
}

char *CRegSz::Get()
{
    if (GetType() == REG_SZ && m_data) return reinterpret_cast<char *>(m_data);
    SetError(REGERR_TYPE);
    return nullptr;
}

int CRegSz::Set(const char *text)
{
    if (!text) return SetError(REGERR_PARAMETER), m_errorCode;
    return CRegValue::Set(text, REG_SZ, static_cast<DWORD>(std::strlen(text)));
}

int CRegSz::Contains(char *text, int caseSensitive) { return StringDataContains(text, caseSensitive); }
