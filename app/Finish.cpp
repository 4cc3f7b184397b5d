#include "app/Finish.h"
#include "base/CDebugFile.h"

bool RestartWindows(HWND)
{
    Log().WriteLine("RestartWindows");
    return true;
}

void StartClearDex(int type, bool inInstallDirectory)
{
    Log().WriteLine("StartClearDex");
    Log().WriteLine("StartClearDex type %d %s", type, inInstallDirectory ? "install" : "windows");
}
