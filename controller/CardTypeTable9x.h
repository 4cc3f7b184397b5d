// The card type table of Windows 95/98: 9x driver base names and enumerators.
#pragma once
#include "controller/CardTypeTable.h"

class CardTypeTable9x : public CardTypeTable {
public:
    CardTypeTable9x() = default;
    explicit CardTypeTable9x(const CardTypeArrays &checked) : CardTypeTable(checked) {}

    const char *GetBaseName(int type) const override;
    int GetNtColumnB(int type) const override;
    int GetNtColumnA(int type) const override;
    BOOL UseWriteReadme(int type) const override;
    const char *GetEnumName(int type) const override;
};
