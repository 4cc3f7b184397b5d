#include "registry/CRegSecurity.h"

CRegSecurity g_RegSecurity;

CRegSecurity::CRegSecurity() : m_descriptor(nullptr), m_acl(nullptr)
{
    m_attributes.nLength = sizeof m_attributes;
    m_attributes.lpSecurityDescriptor = nullptr;
    m_attributes.bInheritHandle = TRUE;
    InitDescriptor();
}

CRegSecurity::~CRegSecurity() { FreeDescriptor(); }

void CRegSecurity::FreeDescriptor()
{
    if (m_descriptor) LocalFree(m_descriptor);
    if (m_acl) LocalFree(m_acl);
    m_descriptor = nullptr;
    m_acl = nullptr;
    m_attributes.lpSecurityDescriptor = nullptr;
}

SECURITY_ATTRIBUTES *CRegSecurity::GetSecurityAttributes() { return &m_attributes; }

namespace {
// DACL of the created keys: S-1-5-4 KEY_READ, S-1-5-32-544 and S-1-5-18
// KEY_ALL_ACCESS. Null on any failure; everything else is freed here.
PACL BuildKeyAcl()
{
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID interactive = nullptr, admins = nullptr, system = nullptr;
    PACL acl = nullptr;
    bool ok = AllocateAndInitializeSid(&nt, 1, SECURITY_INTERACTIVE_RID, 0, 0, 0, 0, 0, 0, 0,
                                       &interactive) &&
              AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                       DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &admins) &&
              AllocateAndInitializeSid(&nt, 1, SECURITY_LOCAL_SYSTEM_RID, 0, 0, 0, 0, 0, 0, 0,
                                       &system);
    if (ok) {
        DWORD size = sizeof(ACL) + 3 * (sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD)) +
                     GetLengthSid(interactive) + GetLengthSid(admins) + GetLengthSid(system);
        acl = static_cast<PACL>(LocalAlloc(LMEM_ZEROINIT, size));
        ok = acl && InitializeAcl(acl, size, ACL_REVISION) &&
             AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, interactive) &&
             AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, admins) &&
             AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, system);
    }
    if (!ok && acl) {
        LocalFree(acl);
        acl = nullptr;
    }
    if (interactive) FreeSid(interactive);
    if (admins) FreeSid(admins);
    if (system) FreeSid(system);
    return acl;
}
} // namespace

int CRegSecurity::InitDescriptor()
{
    FreeDescriptor();
    m_descriptor = LocalAlloc(LMEM_ZEROINIT, SECURITY_DESCRIPTOR_MIN_LENGTH);
    if (!m_descriptor) return SetError(REGERR_ACL_ALLOC), m_errorCode;
    if (!InitializeSecurityDescriptor(m_descriptor, SECURITY_DESCRIPTOR_REVISION)) {
        FreeDescriptor();
        return SetError(REGERR_ACL_NOTINIT), m_errorCode;
    }
    m_acl = BuildKeyAcl();
    if (!m_acl || !SetSecurityDescriptorDacl(m_descriptor, TRUE, m_acl, FALSE)) {
        FreeDescriptor();
        return SetError(REGERR_ACL_INIT), m_errorCode;
    }
    m_attributes.nLength = sizeof m_attributes;
    m_attributes.lpSecurityDescriptor = m_descriptor;
    m_attributes.bInheritHandle = TRUE;
    return m_errorCode;
}
