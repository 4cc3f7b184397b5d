#include "registry/CRegKey.h"
#include "registry/CRegBinary.h"
#include "registry/CRegDword.h"
#include "registry/CRegExpandSz.h"
#include "registry/CRegMultiSz.h"
#include "registry/CRegSecurity.h"
#include "registry/CRegSz.h"
#include "registry/CRegValue.h"
#include <cstdlib>
#include <cstring>
#include <new>

long CRegKey::s_openCount = 0;

bool CRegKey::IsBlankKeyText(const char *text)
{
    if (!text) return true;
    for (; *text; ++text)
        if (*text != ' ' && *text != '\t') return false;
    return true;
}

CRegKey::CRegKey(HKEY parent, const char *path, REGSAM access)
    : m_subKeyIndex(0), m_key(nullptr), m_parent(parent), m_path(nullptr), m_reserved(0),
      m_valueNameLength(0), m_valueType(0), m_valueIndex(0), m_valueEnumStarted(0),
      m_noMoreValues(0), m_subKeyEnumStarted(0), m_noMoreSubKeys(0), m_access(access)
{
    m_foundPath[0] = m_valueName[0] = m_subKeyName[0] = '\0';
    if (path) {
        m_path = RegCopyText(path, false);
        if (!m_path) {
            SetError(REGERR_MEMORY);
            return;
        }
    }
    ++s_openCount;
    LONG result = RegOpenKeyExA(parent, m_path, 0, access, &m_key);
    if (result == ERROR_ACCESS_DENIED && RepairAccess())
        result = RegOpenKeyExA(parent, m_path, 0, access, &m_key);
    SetWin32Error(result);
    if (result != ERROR_SUCCESS) m_key = nullptr;
}

CRegKey::~CRegKey()
{
    if (m_key) SetWin32Error(RegCloseKey(m_key));
    std::free(m_path);
}

bool CRegKey::RepairAccess()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(m_parent, m_path, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return false;
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID interactive = nullptr, admins = nullptr;
    PACL acl = nullptr;
    bool ok = AllocateAndInitializeSid(&nt, 1, SECURITY_INTERACTIVE_RID, 0, 0, 0, 0, 0, 0, 0,
                                       &interactive) &&
              AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                       DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &admins);
    if (ok) {
        DWORD size = GetLengthSid(interactive) + GetLengthSid(admins) + 24;
        acl = static_cast<PACL>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
        ok = acl && InitializeAcl(acl, size, ACL_REVISION) &&
             AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, interactive) &&
             AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, admins);
    }
    if (ok) {
        SECURITY_DESCRIPTOR descriptor;
        ok = InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
             SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
             RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    if (acl) HeapFree(GetProcessHeap(), 0, acl);
    if (interactive) FreeSid(interactive);
    if (admins) FreeSid(admins);
    return ok;
}

const char *CRegKey::JoinKeyPath(const char *a, const char *b)
{
    static char s_joined[NameSize];
    const char *first = IsBlankKeyText(a) ? "" : a;
    const char *second = (IsBlankKeyText(a) || !IsBlankKeyText(b)) ? (b ? b : "") : "";
    size_t firstLength = std::strlen(first);
    bool backslash = firstLength > 0 && first[firstLength - 1] != '\\';
    size_t total = firstLength + (backslash ? 1 : 0) + std::strlen(second);
    if (total >= NameSize) {
        SetError(REGERR_MOREDATA);
        return nullptr;
    }
    std::memcpy(s_joined, first, firstLength);
    size_t at = firstLength;
    if (backslash) s_joined[at++] = '\\';
    std::memcpy(s_joined + at, second, std::strlen(second) + 1);
    return s_joined;
}

int CRegKey::CreateSubKey(const char *path, CRegSecurity *security)
{
    if (m_errorCode) return m_errorCode;
    if (!path) return SetError(REGERR_PARAMETER), m_errorCode;
    if (!security) security = &g_RegSecurity;

    char *first = RegCopyText(path, false);
    if (!first) return SetError(REGERR_MEMORY), m_errorCode;
    char *rest = std::strchr(first, '\\');
    size_t restOffset = rest ? static_cast<size_t>(rest - first) + 1 : 0;
    if (rest) *rest++ = '\0';

    if (!SubKeyExists(first) && m_errorCode == REGERR_NONE) {
        HKEY created = nullptr;
        DWORD disposition = 0;
        char ownClass[] = "OwnClass";
        LONG result = RegCreateKeyExA(m_key, first, 0, ownClass, 0, KEY_ALL_ACCESS,
                                      security->GetSecurityAttributes(), &created, &disposition);
        if (result == ERROR_SUCCESS) {
            // Some platforms create the key with their default DACL whatever the
            // attributes say: apply ours to a new key explicitly. Systems without
            // key security refuse this, which leaves nothing to protect.
            SECURITY_ATTRIBUTES *attributes = security->GetSecurityAttributes();
            if (disposition == REG_CREATED_NEW_KEY && attributes &&
                attributes->lpSecurityDescriptor)
                RegSetKeySecurity(created, DACL_SECURITY_INFORMATION,
                                  attributes->lpSecurityDescriptor);
            RegCloseKey(created);
        }
        SetWin32Error(result);
    }
    if (!rest || m_errorCode) {
        std::free(first);
        return m_errorCode;
    }
    const char *deeper = path + restOffset;
    CRegKey *level = new (std::nothrow) CRegKey(m_key, first, m_access);
    std::free(first);
    if (!level) return SetError(REGERR_MEMORY), m_errorCode;
    int code = level->GetError(nullptr);
    if (code == REGERR_NONE) code = level->CreateSubKey(deeper, nullptr);
    delete level;
    return code;
}

int CRegKey::EmptySlot() { return 0; }

DWORD CRegKey::GetNumberOfValues()
{
    DWORD values = 0;
    if (m_errorCode) return 0;
    if (RegQueryInfoKeyA(m_key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return values;
}

DWORD CRegKey::GetNumberOfSubKeys()
{
    DWORD subKeys = 0;
    if (!m_key) return 0;
    if (RegQueryInfoKeyA(m_key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return subKeys;
}

char *CRegKey::GetFirstValue()
{
    if (m_errorCode) return nullptr;
    m_valueNameLength = NameSize - 1;
    m_valueEnumStarted = 0;
    m_noMoreValues = 0;
    LONG result = RegEnumValueA(m_key, 0, m_valueName, &m_valueNameLength, nullptr, &m_valueType,
                                nullptr, nullptr);
    SetWin32Error(result);
    if (result == ERROR_NO_MORE_ITEMS) m_noMoreValues = 1;
    if (result != ERROR_SUCCESS) return nullptr;
    m_valueEnumStarted = 1;
    m_valueIndex = 0;
    return m_valueName;
}

char *CRegKey::GetNextValue()
{
    if (!m_valueEnumStarted) return SetError(REGERR_GETFIRST), nullptr;
    ++m_valueIndex;
    m_valueNameLength = NameSize - 1;
    LONG result = RegEnumValueA(m_key, m_valueIndex, m_valueName, &m_valueNameLength, nullptr,
                                &m_valueType, nullptr, nullptr);
    SetWin32Error(result);
    if (result == ERROR_NO_MORE_ITEMS) m_noMoreValues = 1;
    if (result == ERROR_SUCCESS) return m_valueName;
    m_valueIndex = 0;
    m_valueEnumStarted = 0;
    return nullptr;
}

int CRegKey::IsLastValue()
{
    if (m_errorCode) return m_errorCode == REGERR_NOMOREITEMS;
    if (m_valueEnumStarted) return m_noMoreValues;
    SetError(REGERR_GETFIRST);
    return 0;
}

char *CRegKey::GetFirstSubKey()
{
    if (m_errorCode) return nullptr;
    m_subKeyIndex = 0;
    m_subKeyEnumStarted = 0;
    m_noMoreSubKeys = 0;
    LONG result = RegEnumKeyA(m_key, 0, m_subKeyName, NameSize - 1);
    SetWin32Error(result);
    if (result == ERROR_NO_MORE_ITEMS) m_noMoreSubKeys = 1;
    if (result != ERROR_SUCCESS) return nullptr;
    m_subKeyEnumStarted = 1;
    return m_subKeyName;
}

char *CRegKey::GetNextSubKey()
{
    if (!m_subKeyEnumStarted) return SetError(REGERR_GETFIRST), nullptr;
    ++m_subKeyIndex;
    LONG result = RegEnumKeyA(m_key, m_subKeyIndex, m_subKeyName, NameSize - 1);
    SetWin32Error(result);
    if (result == ERROR_NO_MORE_ITEMS) m_noMoreSubKeys = 1;
    if (result == ERROR_SUCCESS) return m_subKeyName;
    m_subKeyIndex = 0;
    m_subKeyEnumStarted = 0;
    return nullptr;
}

int CRegKey::IsLastSubKey()
{
    if (m_errorCode) return m_errorCode == REGERR_NOMOREITEMS;
    if (m_subKeyEnumStarted) return m_noMoreSubKeys;
    SetError(REGERR_GETFIRST);
    return 0;
}

int CRegKey::GetValueObject(CRegValue **out)
{
    if (m_errorCode) return m_errorCode;
    if (!out) return SetError(REGERR_PARAMETER), m_errorCode;
    if (!m_valueEnumStarted) return SetError(REGERR_GETFIRST), m_errorCode;
    CRegValue *value = nullptr;
    switch (m_valueType) {
    case REG_SZ:        value = new (std::nothrow) CRegSz(m_key, m_valueName); break;
    case REG_EXPAND_SZ: value = new (std::nothrow) CRegExpandSz(m_key, m_valueName); break;
    case REG_BINARY:    value = new (std::nothrow) CRegBinary(m_key, m_valueName); break;
    case REG_DWORD:     value = new (std::nothrow) CRegDword(m_key, m_valueName); break;
    case REG_MULTI_SZ:  value = new (std::nothrow) CRegMultiSz(m_key, m_valueName); break;
    default:            return SetError(REGERR_UNSPECIFIED), m_errorCode;
    }
    if (!value) return SetError(REGERR_MEMORY), m_errorCode;
    *out = value;
    return 0;
}

int CRegKey::GetSubKeyObject(CRegKey **out)
{
    if (m_errorCode) return m_errorCode;
    if (!out) return SetError(REGERR_PARAMETER), m_errorCode;
    CRegKey *child = new (std::nothrow) CRegKey(m_key, m_subKeyName, m_access);
    if (!child) return SetError(REGERR_MEMORY), m_errorCode;
    *out = child;
    return 0;
}

const char *CRegKey::GetPath() { return m_errorCode ? nullptr : m_path; }
HKEY CRegKey::GetHandle() { return m_errorCode ? nullptr : m_key; }

int CRegKey::CopyKey(const char *source, const char *destination)
{
    if (m_errorCode) return m_errorCode;
    if (!source || !destination) return SetError(REGERR_PARAMETER), m_errorCode;
    if (SubKeyExists(destination)) return SetError(REGERR_EXISTS), m_errorCode;
    if (!SubKeyExists(source)) return SetError(REGERR_NOTFOUND), m_errorCode;
    if (CreateSubKey(destination, nullptr)) return m_errorCode;

    CRegKey *from = new (std::nothrow) CRegKey(m_key, source, m_access);
    CRegKey *to = new (std::nothrow) CRegKey(m_key, destination, m_access);
    if (!from || !to) {
        delete from;
        delete to;
        return SetError(REGERR_MEMORY), m_errorCode;
    }

    from->GetFirstValue();
    if (!from->IsLastValue()) {
        do {
            if (from->CopyValue(from->m_valueName, from->m_valueName, to)) {
                int code = from->GetError(nullptr);
                delete from;
                delete to;
                return code;
            }
            from->GetNextValue();
        } while (!from->IsLastValue());
    }
    if (from->GetError(nullptr) == REGERR_NOMOREITEMS) from->Reset();

    from->GetFirstSubKey();
    if (!from->IsLastSubKey()) {
        while (from->GetError(nullptr) == REGERR_NONE) {
            char sourceChild[NameSize], destinationChild[NameSize];
            const char *joined = JoinKeyPath(source, from->m_subKeyName);
            if (!joined) break;
            std::memcpy(sourceChild, joined, std::strlen(joined) + 1);
            joined = JoinKeyPath(destination, from->m_subKeyName);
            if (!joined) break;
            std::memcpy(destinationChild, joined, std::strlen(joined) + 1);
            // A failure below stops the copy, so that MoveKey keeps the source.
            int code = CopyKey(sourceChild, destinationChild);
            if (code) {
                from->SetError(code);
                break;
            }
            from->GetNextSubKey();
            if (from->IsLastSubKey()) break;
        }
    }
    if (from->GetError(nullptr) == REGERR_NOMOREITEMS) from->Reset();
    int code = from->GetError(nullptr);
    if (code == REGERR_NONE && m_errorCode) code = m_errorCode;
    delete from;
    delete to;
    return code;
}

int CRegKey::DeleteSubKey(const char *name)
{
    if (m_errorCode) return m_errorCode;
    if (!name) return SetError(REGERR_PARAMETER), m_errorCode;
    {
        CRegKey child(m_key, name, m_access);
        if (child.GetNumberOfSubKeys() > 0) return SetError(REGERR_MORESUBKEYS), REGERR_MORESUBKEYS;
        if (int code = child.GetError(nullptr)) return code;
    }
    SetWin32Error(RegDeleteKeyA(m_key, name));
    return m_errorCode;
}

int CRegKey::DeleteSubKeyTree(const char *name)
{
    if (m_errorCode) return m_errorCode;
    if (!name) return SetError(REGERR_PARAMETER), m_errorCode;
    CRegKey *child = new (std::nothrow) CRegKey(m_key, name, m_access);
    if (!child) return SetError(REGERR_MEMORY), m_errorCode;
    if (child->GetNumberOfSubKeys() == 0) {
        int code = child->GetError(nullptr);
        delete child;
        return code ? code : DeleteSubKey(name);
    }
    for (char *sub = child->GetFirstSubKey(); sub && child->GetError(nullptr) == REGERR_NONE;
         sub = child->GetNextSubKey()) {
        child->DeleteSubKeyTree(sub);
        Flush();
        // The deleted subkey no longer holds its index: read it again.
        --child->m_subKeyIndex;
    }
    delete child;
    return DeleteSubKey(name);
}

int CRegKey::MoveKey(const char *source, const char *destination)
{
    if (m_errorCode) return m_errorCode;
    int code = CopyKey(source, destination);
    if (code == REGERR_NONE) DeleteSubKeyTree(source);
    return code;
}

int CRegKey::DeleteValue(const char *name)
{
    if (m_errorCode) return m_errorCode;
    if (!name) return SetError(REGERR_PARAMETER), m_errorCode;
    SetWin32Error(RegDeleteValueA(m_key, name));
    return m_errorCode;
}

int CRegKey::MoveValue(const char *source, const char *destination, CRegKey *destinationKey)
{
    if (m_errorCode) return m_errorCode;
    if (CopyValue(source, destination, destinationKey) == REGERR_NONE) DeleteValue(source);
    return m_errorCode;
}

int CRegKey::CopyValue(const char *source, const char *destination, CRegKey *destinationKey)
{
    if (m_errorCode) return m_errorCode;
    if (!source || !destination) return SetError(REGERR_PARAMETER), m_errorCode;
    if (!ValueExists(source)) return SetError(REGERR_NOTFOUND), m_errorCode;
    if (destinationKey) {
        if (!IsBlankKeyText(destination) && destinationKey->ValueExists(destination))
            return SetError(REGERR_ACCESS), m_errorCode;
    } else if (ValueExists(destination)) {
        return SetError(REGERR_ACCESS), m_errorCode;
    }

    CRegValue *from = new (std::nothrow) CRegValue(m_key, source);
    if (!from) return SetError(REGERR_MEMORY), m_errorCode;
    if (int code = from->GetError(nullptr)) {
        delete from;
        return SetError(code), m_errorCode;
    }
    DWORD size = from->GetSize();
    DWORD type = 0;
    BYTE *data = static_cast<BYTE *>(std::calloc(static_cast<size_t>(size) + 1, 1));
    if (!data) {
        delete from;
        return SetError(REGERR_MEMORY), m_errorCode;
    }
    if (!from->GetData(data, &type, &size)) {
        int code = from->GetError(nullptr);
        std::free(data);
        delete from;
        return SetError(code ? code : REGERR_UNSPECIFIED), m_errorCode;
    }
    HKEY target = destinationKey ? destinationKey->GetHandle() : m_key;
    CRegValue *to = new (std::nothrow) CRegValue(target, destination);
    if (!to) {
        std::free(data);
        delete from;
        return SetError(REGERR_MEMORY), m_errorCode;
    }
    int code = to->GetError(nullptr);
    if (code == REGERR_NONE) code = to->Create(data, type, size);
    if (code) SetError(code);
    std::free(data);
    delete from;
    delete to;
    return code;
}

int CRegKey::SubKeyExists(const char *name)
{
    // Answers 0 rather than an error code, so that no failure reads as "exists".
    if (m_errorCode) return 0;
    if (!name) return SetError(REGERR_PARAMETER), 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(m_key, name, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 0;
    RegCloseKey(key);
    return 1;
}

int CRegKey::ValueExists(const char *name)
{
    if (m_errorCode) return 0;
    if (!name) return SetError(REGERR_PARAMETER), 0;
    CRegValue value(m_key, name);
    return value.Exists();
}

int CRegKey::Exists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(m_parent, m_path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 0;
    RegCloseKey(key);
    return 1;
}

int CRegKey::FindKeyWithText(const char *valueName, const char *text, int caseSensitive)
{
    if (m_errorCode) return 0;
    if (!text) return SetError(REGERR_PARAMETER), 0;
    m_foundPath[0] = '\0';
    char *copy = RegCopyText(text, !caseSensitive);
    if (!copy) return SetError(REGERR_MEMORY), 0;
    int match = StringValueContains(valueName, copy);
    std::free(copy);
    if (match) {
        const char *found = IsBlankKeyText(m_subKeyName) ? m_path : m_subKeyName;
        if (found) {
            size_t n = strnlen(found, NameSize - 1);
            std::memcpy(m_foundPath, found, n);
            m_foundPath[n] = '\0';
        }
        return 1;
    }
    if (GetNumberOfSubKeys() == 0) return 0;
    for (char *sub = GetFirstSubKey(); sub && m_errorCode == REGERR_NONE; sub = GetNextSubKey()) {
        CRegKey *child = nullptr;
        if (GetSubKeyObject(&child) || !child) break;
        int found = child->FindKeyWithText(valueName, text, caseSensitive);
        if (found) {
            const char *joined = JoinKeyPath(m_path, child->m_foundPath);
            if (joined) std::memcpy(m_foundPath, joined, std::strlen(joined) + 1);
            else found = 0;
        }
        delete child;
        if (found) return 1;
    }
    return 0;
}

int CRegKey::FindSubKey(const char *name, int caseSensitive)
{
    if (m_errorCode || !name) {
        if (!name) SetError(REGERR_PARAMETER);
        return 0;
    }
    // No enumerated name is longer than the name buffer.
    if (std::strlen(name) >= NameSize) return 0;
    char wanted[NameSize];
    std::memcpy(wanted, name, std::strlen(name) + 1);
    if (!caseSensitive) RegLowerText(wanted);
    if (GetNumberOfSubKeys() == 0) return m_path && std::strcmp(wanted, m_path) == 0;
    for (char *sub = GetFirstSubKey(); sub && m_errorCode == REGERR_NONE; sub = GetNextSubKey()) {
        if (!caseSensitive) RegLowerText(sub);
        if (std::strcmp(sub, wanted) == 0) return 1;
        CRegKey *child = nullptr;
        if (GetSubKeyObject(&child) || !child) break;
        int found = child->FindSubKey(name, caseSensitive);
        delete child;
        if (found) return 1;
    }
    return 0;
}

int CRegKey::HasSubKey(const char *name, int caseSensitive)
{
    if (!name) return SetError(REGERR_PARAMETER), 0;
    char *wanted = RegCopyText(name, !caseSensitive);
    if (!wanted) return SetError(REGERR_MEMORY), 0;
    int found = 0;
    for (char *sub = GetFirstSubKey(); sub && !found; sub = GetNextSubKey()) {
        if (!caseSensitive) RegLowerText(sub);
        found = std::strcmp(sub, wanted) == 0;
    }
    std::free(wanted);
    return found;
}

int CRegKey::HasValue(const char *name, int caseSensitive)
{
    if (!name) return SetError(REGERR_PARAMETER), 0;
    char *wanted = RegCopyText(name, !caseSensitive);
    if (!wanted) return SetError(REGERR_MEMORY), 0;
    int found = 0;
    for (char *value = GetFirstValue(); value && !found; value = GetNextValue()) {
        if (!caseSensitive) RegLowerText(value);
        found = std::strcmp(value, wanted) == 0;
    }
    std::free(wanted);
    return found;
}

int CRegKey::BinaryValueContains(const char *name, const BYTE *bytes, DWORD length)
{
    CRegBinary value(GetHandle(), name);
    return value.Exists() && value.GetType() == REG_BINARY && value.Contains(bytes, length);
}

int CRegKey::DwordValueEquals(const char *name, DWORD number)
{
    CRegDword value(GetHandle(), name);
    return value.Exists() && value.GetType() == REG_DWORD && value.Equals(number);
}

int CRegKey::StringValueContains(const char *name, char *text)
{
    CRegSz value(GetHandle(), name);
    return value.Exists() && value.GetType() == REG_SZ && value.Contains(text, 0);
}

int CRegKey::Flush()
{
    if (m_errorCode) return m_errorCode;
    SetWin32Error(RegFlushKey(m_key));
    return m_errorCode;
}
