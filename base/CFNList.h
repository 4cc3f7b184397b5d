// A list of file names: each line of a section names one file (the text up
// to its first ",", whitespace removed).
#pragma once
#include "base/CFname.h"
#include "base/CList.h"

class CFNList : public CList {
public:
    CFNList();

    BOOL ScanLine(const char *section, const char *line) override;
    virtual BOOL RemoveMatching(const CFNList &other);
};
