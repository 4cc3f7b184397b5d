#include "registry/CRegMultiSz.h"
#include <cstdlib>
#include <cstring>

int CRegMultiSz::Create(const char *list, DWORD size)
{
    m_cursor = nullptr;
    return CRegValue::Create(list, REG_MULTI_SZ, size);
}

char *CRegMultiSz::Get()
{
    if (IsUpdated() && m_type == REG_MULTI_SZ && m_data) return reinterpret_cast<char *>(m_data);
    SetError(REGERR_TYPE);
    return nullptr;
}

char *CRegMultiSz::GetFirst()
{
    if (!IsUpdated()) return nullptr;
    m_cursor = reinterpret_cast<char *>(m_data);
    return m_cursor;
}

char *CRegMultiSz::GetNext()
{
    if (!IsUpdated()) return nullptr;
    if (!m_cursor || !m_data) return SetError(REGERR_GETFIRST), nullptr;
    // The data copy has one zero byte after m_size, so the current string
    // ends within it; a list without its final zero ends at m_size.
    char *end = reinterpret_cast<char *>(m_data) + m_size;
    char *next = m_cursor + std::strlen(m_cursor) + 1;
    if (next >= end || *next == '\0') return nullptr;
    m_cursor = next;
    return m_cursor;
}

int CRegMultiSz::GetCount()
{
    if (!IsUpdated() || !m_data) return 0;
    int count = 0;
    if (GetFirst()) {
        count = 1;
        while (GetNext()) ++count;
    }
    return count;
}

int CRegMultiSz::Set(const char *list, DWORD size)
{
    if (!list) return SetError(REGERR_PARAMETER), m_errorCode;
    m_cursor = nullptr;
    return CRegValue::Set(list, REG_MULTI_SZ, size);
}

DWORD CRegMultiSz::Find(const char *text, int caseSensitive)
{
    if (!IsUpdated()) return 0;
    if (!text) return SetError(REGERR_PARAMETER), 0;
    char *wanted = RegCopyText(text, !caseSensitive);
    if (!wanted) return SetError(REGERR_MEMORY), 0;
    for (char *s = GetFirst(); s; s = GetNext()) {
        char *candidate = RegCopyText(s, !caseSensitive);
        if (!candidate) {
            std::free(wanted);
            return SetError(REGERR_MEMORY), 0;
        }
        bool equal = std::strcmp(candidate, wanted) == 0;
        std::free(candidate);
        if (equal) {
            std::free(wanted);
            return static_cast<DWORD>(s - reinterpret_cast<char *>(m_data));
        }
    }
    std::free(wanted);
    SetError(REGERR_NOTFOUND);
    return 0;
}

int CRegMultiSz::InsertAt(const char *text, DWORD offset)
{
    if (!IsUpdated()) return m_errorCode;
    if (offset > m_size || !text) return SetError(REGERR_PARAMETER), m_errorCode;
    size_t length = std::strlen(text);
    size_t newSize = static_cast<size_t>(m_size) + length + 1;
    if (newSize > 0xFFFFFFF0u) return SetError(REGERR_PARAMETER), m_errorCode;
    char *work = static_cast<char *>(std::calloc(newSize + 1, 1));
    if (!work) return SetError(REGERR_MEMORY), m_errorCode;
    if (offset) std::memcpy(work, m_data, offset);
    std::memcpy(work + offset, text, length + 1);
    if (m_size > offset) std::memcpy(work + offset + length + 1, m_data + offset, m_size - offset);
    int result = Set(work, static_cast<DWORD>(newSize));
    std::free(work);
    return result;
}

int CRegMultiSz::RemoveAt(DWORD offset)
{
    if (!IsUpdated()) return m_errorCode;
    if (offset > m_size) return SetError(REGERR_PARAMETER), m_errorCode;
    // The data copy ends with a zero byte after m_size, so this stays inside it.
    size_t n = (m_data ? std::strlen(reinterpret_cast<char *>(m_data) + offset) : 0) + 1;
    size_t newSize = static_cast<size_t>(m_size) - n + 2;
    char *work = static_cast<char *>(std::calloc(newSize + 1, 1));
    if (!work) return SetError(REGERR_MEMORY), m_errorCode;
    if (offset) std::memcpy(work, m_data, offset);
    if (offset + n < m_size) std::memcpy(work + offset, m_data + offset + n, m_size - offset - n);
    int result = Set(work, static_cast<DWORD>(newSize));
    std::free(work);
    return result;
}

int CRegMultiSz::InsertBefore(const char *newText, const char *existing, int caseSensitive)
{
    DWORD offset = Find(existing, caseSensitive);
    if (m_errorCode) return m_errorCode;
    return InsertAt(newText, offset);
}

int CRegMultiSz::Remove(const char *text, int caseSensitive)
{
    DWORD offset = Find(text, caseSensitive);
    if (m_errorCode) return m_errorCode;
    return RemoveAt(offset);
}

int CRegMultiSz::Contains(const char *text, int caseSensitive)
{
    Find(text, caseSensitive);
    return m_errorCode == REGERR_NONE;
}
