#include "install/InstallSteps.h"
#include "base/CDebugFile.h"

int WriteUninstallList(bool last)
{
    Log().WriteLine("WriteUninstallList(%d)", last ? 1 : 0);
    return 1;
}
