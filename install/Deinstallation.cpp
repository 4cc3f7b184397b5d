#include "install/InstallSteps.h"
#include "base/CDebugFile.h"

int DeleteServices()
{
    Log().WriteLine("DeleteServices()");
    return 1;
}

int RemoveLastControllerKey()
{
    Log().WriteLine("RemoveLastControllerKey()");
    return 1;
}
