#include "base/CFname.h"
#include "base/CDebugFile.h"

CFname::CFname()
{
    Log().WriteLine("CFname()");
    section[0] = '\0';
    name[0] = '\0';
}
