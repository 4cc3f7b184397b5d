#include "install/InstallSteps.h"
#include "base/CDebugFile.h"

int CopyInfFile()
{
    Log().WriteLine("CopyInfFile()");
    return 1;
}

int SettleRegistry(int afterDeletion)
{
    Log().WriteLine("SettleRegistry(%d)", afterDeletion);
    return 1;
}
