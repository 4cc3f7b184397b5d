#include "controller/CardTypeTable9x.h"

const char *CardTypeTable9x::GetBaseName(int type) const
{
    const CardBase9xRow *row = Find9x(type);
    if (!row || row->index < 0 || row->index >= BaseNameCount) return "";
    return BaseNameTable[row->index];
}

int CardTypeTable9x::GetNtColumnB(int) const { return 0; }
int CardTypeTable9x::GetNtColumnA(int) const { return 0; }
BOOL CardTypeTable9x::UseWriteReadme(int) const { return FALSE; }

const char *CardTypeTable9x::GetEnumName(int type) const
{
    int bus = GetCardBus(type);
    if (bus < 0 || bus > 6) return "";
    return EnumNameTable[bus];
}
