#include "registry/CRegValue.h"
#include <cstdlib>
#include <cstring>

void RegLowerText(char *text)
{
    if (text && *text) CharLowerBuffA(text, static_cast<DWORD>(std::strlen(text)));
}

char *RegCopyText(const char *text, bool lower)
{
    if (!text) return nullptr;
    size_t n = std::strlen(text);
    char *copy = static_cast<char *>(std::malloc(n + 1));
    if (!copy) return nullptr;
    std::memcpy(copy, text, n + 1);
    if (lower) RegLowerText(copy);
    return copy;
}

CRegValue::CRegValue(HKEY key, const char *name)
    : m_key(nullptr), m_name(nullptr), m_data(nullptr), m_type(0), m_size(0), m_updated(0)
{
    if (!key && !name) return;
    if (!key) { SetError(REGERR_HANDLE); return; }
    if (!name) { SetError(REGERR_VALUENAME); return; }
    m_key = key;
    m_name = RegCopyText(name, false);
    if (!m_name) { SetError(REGERR_MEMORY); return; }
    if (Exists()) Update();
}

CRegValue::~CRegValue() { CRegValue::Reset(); }

void CRegValue::Reset()
{
    m_key = nullptr;
    std::free(m_name);
    std::free(m_data);
    m_name = nullptr;
    m_data = nullptr;
    m_type = 0;
    m_size = 0;
}

DWORD CRegValue::GetSize() { return IsUpdated() ? m_size : 0; }
DWORD CRegValue::GetType() { return IsUpdated() ? m_type : 0; }
const char *CRegValue::GetName() { return IsUpdated() ? m_name : nullptr; }

bool CRegValue::KeepCopy(const void *data, DWORD type, DWORD size)
{
    BYTE *copy = static_cast<BYTE *>(std::calloc(static_cast<size_t>(size) + 1, 1));
    if (!copy) return false;
    if (size) std::memcpy(copy, data, size);
    std::free(m_data);
    m_data = copy;
    m_type = type;
    m_size = size;
    m_updated = 1;
    return true;
}

int CRegValue::Create(const void *data, DWORD type, DWORD size)
{
    if (!data && size) return SetError(REGERR_PARAMETER), m_errorCode;
    LONG result = RegSetValueExA(m_key, m_name, 0, type, static_cast<const BYTE *>(data), size);
    SetWin32Error(result);
    if (result == ERROR_SUCCESS && !KeepCopy(data, type, size)) SetError(REGERR_MEMORY);
    return m_errorCode;
}

int CRegValue::Delete()
{
    if (IsUpdated()) SetWin32Error(RegDeleteValueA(m_key, m_name));
    return m_errorCode;
}

int CRegValue::Update()
{
    m_updated = 0;
    if (m_errorCode) return m_errorCode;
    if (!m_key) return SetError(REGERR_HANDLE), m_errorCode;
    if (!m_name) return SetError(REGERR_VALUENAME), m_errorCode;
    DWORD size = 0;
    LONG result = RegQueryValueExA(m_key, m_name, nullptr, nullptr, nullptr, &size);
    if (result != ERROR_SUCCESS) return SetWin32Error(result);
    std::free(m_data);
    m_data = static_cast<BYTE *>(std::calloc(static_cast<size_t>(size) + 1, 1));
    m_size = 0;
    m_type = 0;
    if (!m_data) return SetError(REGERR_MEMORY), m_errorCode;
    DWORD type = 0;
    result = RegQueryValueExA(m_key, m_name, nullptr, &type, m_data, &size);
    SetWin32Error(result);
    if (result == ERROR_SUCCESS) {
        m_type = type;
        m_size = size;
    }
    m_updated = 1;
    return m_errorCode;
}

void *CRegValue::GetData(void *buffer, DWORD *type, DWORD *size)
{
    if (!IsUpdated()) return nullptr;
    if (!buffer || !type || !size) return SetError(REGERR_PARAMETER), nullptr;
    if (*size < m_size) return SetError(REGERR_MEMORY), nullptr;
    if (*type != 0 && *type != m_type) return SetError(REGERR_TYPE), nullptr;
    if (m_size) std::memcpy(buffer, m_data, m_size);
    *size = m_size;
    *type = m_type;
    return buffer;
}

int CRegValue::Set(const void *data, DWORD type, DWORD size)
{
    if (IsUpdated()) Create(data, type, size);
    return m_errorCode;
}

int CRegValue::Exists()
{
    if (m_errorCode) return 0;
    if (!m_key) return SetError(REGERR_HANDLE), 0;
    if (!m_name) return SetError(REGERR_VALUENAME), 0;
    return RegQueryValueExA(m_key, m_name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

int CRegValue::IsUpdated()
{
    if (m_errorCode) return 0;
    if (!m_key) return SetError(REGERR_HANDLE), 0;
    if (!m_name) return SetError(REGERR_VALUENAME), 0;
    if (m_updated || !Exists()) return 1;
    SetError(REGERR_UPDATE);
    return 0;
}

int CRegValue::StringDataContains(char *text, int caseSensitive)
{
    if (!m_data || !text) return SetError(REGERR_PARAMETER), 0;
    if (!IsUpdated()) return 0;
    char work[256];
    size_t n = strnlen(reinterpret_cast<const char *>(m_data), m_size);
    if (n > sizeof work - 1) n = sizeof work - 1;
    std::memcpy(work, m_data, n);
    work[n] = '\0';
    if (!caseSensitive) {
        RegLowerText(work);
        RegLowerText(text);
    }
    return std::strstr(work, text) != nullptr;
}
