#include "install/InstallSteps.h"
#include "base/CDebugFile.h"

int WbCorrectSomeEntries()
{
    Log().WriteLine("WbCorrectSomeEntries()");
    return 1;
}
