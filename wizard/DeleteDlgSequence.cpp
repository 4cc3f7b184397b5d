#include "wizard/DlgSequences.h"
#include "base/CDebugFile.h"

int DeleteDlgSequence(HWND, HWND, HWND)
{
    Log().WriteLine(">> DeleteDlgSequence <<");
    return PageNext;
}
