// The file lists of a card type's INF file on the installation medium: all
// files the INF file names, and those of them that the card type being
// installed does not keep.
#pragma once
#include "base/CFNList.h"

class CInfInfo {
public:
    CInfInfo();
    virtual ~CInfInfo();

    virtual BOOL GetInformation(const char *infFile);
    virtual int GetStatus() const { return m_status; }

    CFNList m_AllFilesList;
    CFNList m_KillThemList;

private:
    int m_status;
};
