#include "registry/CRegBinary.h"
#include <cstring>

int CRegBinary::Create(const BYTE *bytes, DWORD length)
{
    return CRegValue::Create(bytes, REG_BINARY, length);
}

BYTE *CRegBinary::Get()
{
    if (GetType() == REG_BINARY && m_data) return m_data;
    SetError(REGERR_TYPE);
    return nullptr;
}

int CRegBinary::Set(const BYTE *bytes, DWORD length)
{
    if (!bytes) return SetError(REGERR_PARAMETER), m_errorCode;
    return CRegValue::Set(bytes, REG_BINARY, length);
}

int CRegBinary::Contains(const BYTE *bytes, DWORD length)
{
    if (!bytes || !IsUpdated() || !m_data) return 0;
    if (length > m_size) return 0;
    for (DWORD at = 0; at + length <= m_size; ++at)
        if (std::memcmp(m_data + at, bytes, length) == 0) return 1;
    return 0;
}
