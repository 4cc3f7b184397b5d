// Security attributes handed to key creation. The default instance gives
// every key the program creates a DACL of its own: interactive users may
// read, administrators and the local system have full access.
#pragma once
#include "registry/CRegBase.h"

class CRegSecurity : public CRegBase {
public:
    CRegSecurity();
    ~CRegSecurity() override;
    virtual SECURITY_ATTRIBUTES *GetSecurityAttributes();
    virtual int InitDescriptor();

private:
    void FreeDescriptor();

    PSECURITY_DESCRIPTOR m_descriptor;
    SECURITY_ATTRIBUTES m_attributes;
    PACL m_acl; // the DACL the descriptor points at; lives as long as it
};

// The default instance, made before the main function runs.
extern CRegSecurity g_RegSecurity;
