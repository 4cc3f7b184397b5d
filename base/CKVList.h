// A list of key/value pairs: "key = value" lines, the value up to its first ",".
#pragma once
#include "base/CList.h"
#include "base/KVEntry.h"

class CKVList : public CList {
public:
    CKVList();
    ~CKVList() override;

    BOOL ScanLine(const char *section, const char *line) override;
};
