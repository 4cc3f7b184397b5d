#include "controller/SetupContext.h"
#include "app/ProgramState.h"
#include "base/TextHelpers.h"
#include "config/GetStringByID.h"
#include "controller/CControllerInfo.h"
#include <cstring>

bool SetupIsWinNT() { return IsWinNT(); }
bool SetupIsWin9x() { return IsWin9x(); }

const CardTypeTable *SetupCardTypeTable()
{
    return g_ControllerList ? g_ControllerList->GetCardTypeTable() : nullptr;
}

int SetupCardType() { return g_ControllerList ? g_ControllerList->CardType : 0; }
int SetupDriverKind() { return g_ControllerList ? g_ControllerList->GetDriver() : 0; }
const char *SetupMainText() { return g_ControllerList ? g_ControllerList->GetMainText() : ""; }
bool SetupHasAddInfo10() { return g_ControllerList && g_ControllerList->HasAddInfo10(); }
const char *SetupInstallPath() { return g_ControllerList ? g_ControllerList->szInstallPath : ""; }
const char *SetupText(unsigned id) { return GetStringByID(id); }
const char *SetupProgramDirectory() { return ProgramDirectory; }

namespace {
// The directory filled at start-up, or the system's answer before that.
unsigned CopyDirectory(const char *known, UINT (WINAPI *query)(LPSTR, UINT), char *buffer,
                       unsigned size)
{
    if (!buffer || size == 0) return 0;
    if (known[0]) {
        if (std::strlen(known) >= size) { buffer[0] = '\0'; return 0; }
        SafeCopy(buffer, known, size);
        return static_cast<unsigned>(std::strlen(buffer));
    }
    UINT n = query(buffer, size);
    if (n == 0 || n >= size) { buffer[0] = '\0'; return 0; }
    return n;
}
} // namespace

unsigned SetupWindowsDirectory(char *buffer, unsigned size)
{
    return CopyDirectory(WindowsDirectory, GetWindowsDirectoryA, buffer, size);
}

unsigned SetupSystemDirectory(char *buffer, unsigned size)
{
    return CopyDirectory(SystemDirectory, GetSystemDirectoryA, buffer, size);
}
