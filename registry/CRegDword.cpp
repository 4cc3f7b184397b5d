#include "registry/CRegDword.h"
#include <cstring>

int CRegDword::Create(DWORD number) { return CRegValue::Create(&number, REG_DWORD, sizeof number); }

DWORD CRegDword::Get()
{
    if (GetType() != REG_DWORD || !m_data) {
        SetError(REGERR_TYPE);
        return 0;
    }
    // A stored number shorter than four bytes is read as far as it goes.
    DWORD number = 0;
    std::memcpy(&number, m_data, m_size < sizeof number ? m_size : sizeof number);
    return number;
}

int CRegDword::Set(DWORD number) { return CRegValue::Set(&number, REG_DWORD, sizeof number); }

int CRegDword::Equals(DWORD number)
{
    DWORD stored = Get();
    return m_errorCode == REGERR_NONE && stored == number;
}
