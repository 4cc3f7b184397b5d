// A list of file-copy orders:
//   source = destination, value1, compressed, expand, read-only, backup, check size, size
// With a card type set, a line whose destination carries a protocol file of
// that type adds a copy of the driver bound to that protocol.
#pragma once
#include "base/CList.h"
#include "base/ObjEntry.h"

class CObjList : public CList {
public:
    CObjList();
    ~CObjList() override;

    BOOL ScanLine(const char *section, const char *line) override;
    virtual long GetSizeOfAllFiles() const;
    virtual BOOL GetDestDir(const ObjEntry *entry, char *buffer, unsigned length) const;
    virtual BOOL GetDestPath(unsigned index, char *buffer, unsigned length) const;
    virtual void SetCardType(int type);
    virtual BOOL AddDriverCopy(const ObjEntry *entry, int protocol);

    int GetCardType() const { return m_cardType; }

private:
    int m_cardType;
};
