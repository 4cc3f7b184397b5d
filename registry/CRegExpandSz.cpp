#include "registry/CRegExpandSz.h"
#include <cstring>

int CRegExpandSz::Create(const char *text)
{
    if (!text) return SetError(REGERR_PARAMETER), m_errorCode;
    return CRegValue::Create(text, REG_EXPAND_SZ, static_cast<DWORD>(std::strlen(text) + 1));
}

char *CRegExpandSz::Get()
{
    if (GetType() == REG_EXPAND_SZ && m_data) return reinterpret_cast<char *>(m_data);
    SetError(REGERR_TYPE);
    return nullptr;
}

int CRegExpandSz::Set(const char *text)
{
    if (!text) return SetError(REGERR_PARAMETER), m_errorCode;
    return CRegValue::Set(text, REG_EXPAND_SZ, static_cast<DWORD>(std::strlen(text)));
}

int CRegExpandSz::Contains(char *text, int caseSensitive) { return StringDataContains(text, caseSensitive); }
