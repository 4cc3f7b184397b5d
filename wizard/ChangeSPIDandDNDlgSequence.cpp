#include "wizard/DlgSequences.h"
#include "base/CDebugFile.h"

int ChangeSPIDandDNDlgSequence(int)
{
    Log().WriteLine("* ChangeSPIDandDNDlgSequence() *");
    return PageNext;
}
