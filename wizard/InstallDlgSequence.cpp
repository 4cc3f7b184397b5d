#include "wizard/DlgSequences.h"
#include "base/CDebugFile.h"

int InstallDlgSequence(HWND, HWND, HWND)
{
    Log().WriteLine(">> InstallDlgSequence <<");
    return PageNext;
}
