#include "controller/Names.h"
#include "controller/CControllerInfo.h"
#include "base/TextHelpers.h"

const char *ControllerName(int)
{
    static char s_name[255];
    SafeCopy(s_name, g_ControllerList ? g_ControllerList->GetMainText() : "", sizeof s_name);
    return s_name;
}
