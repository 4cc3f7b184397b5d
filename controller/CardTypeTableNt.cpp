#include "controller/CardTypeTableNt.h"
#include "controller/SetupContext.h"

const char *CardTypeTableNt::GetBaseName(int type) const
{
    const CardBaseNtRow *row = FindNt(type);
    if (!row || row->index < 0 || row->index >= BaseNameCount) return "";
    return BaseNameTable[row->index];
}

int CardTypeTableNt::GetNtColumnB(int type) const
{
    const CardBaseNtRow *row = FindNt(type);
    return row ? row->columnB : 0;
}

int CardTypeTableNt::GetNtColumnA(int type) const
{
    const CardBaseNtRow *row = FindNt(type);
    return row ? row->columnA : 0;
}

BOOL CardTypeTableNt::UseWriteReadme(int type) const
{
    const CardBaseNtRow *row = FindNt(type);
    return row && row->useWriteReadme ? TRUE : FALSE;
}

const char *CardTypeTableNt::GetEnumName(int) const { return SetupText(2000); }
