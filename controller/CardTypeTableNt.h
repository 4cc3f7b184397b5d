// The card type table of Windows NT: NT driver base names and NT columns.
#pragma once
#include "controller/CardTypeTable.h"

class CardTypeTableNt : public CardTypeTable {
public:
    CardTypeTableNt() = default;
    explicit CardTypeTableNt(const CardTypeArrays &checked) : CardTypeTable(checked) {}

    const char *GetBaseName(int type) const override;
    int GetNtColumnB(int type) const override;
    int GetNtColumnA(int type) const override;
    BOOL UseWriteReadme(int type) const override;
    const char *GetEnumName(int type) const override;
};
