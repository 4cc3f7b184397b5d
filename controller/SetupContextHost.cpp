#include "controller/SetupContext.h"
#include "controller/SetupContextHost.h"
#include "base/TextHelpers.h"
#include <cstdio>
#include <cstring>

HostSetup g_HostSetup;

void ResetHostSetup()
{
    g_HostSetup = HostSetup{0, nullptr, 0, 0, "", false, "", "", "", "", nullptr};
}

namespace {
struct ResetAtStart {
    ResetAtStart() { ResetHostSetup(); }
} s_resetAtStart;

const char *Safe(const char *text) { return text ? text : ""; }

unsigned CopyDirectory(const char *dir, char *buffer, unsigned size)
{
    if (!buffer || size == 0) return 0;
    dir = Safe(dir);
    if (!dir[0] || std::strlen(dir) >= size) { buffer[0] = '\0'; return 0; }
    SafeCopy(buffer, dir, size);
    return static_cast<unsigned>(std::strlen(buffer));
}
} // namespace

bool SetupIsWinNT() { return g_HostSetup.osVersion >= 6 && g_HostSetup.osVersion <= 8; }
bool SetupIsWin9x() { return g_HostSetup.osVersion >= 2 && g_HostSetup.osVersion <= 5; }
const CardTypeTable *SetupCardTypeTable() { return g_HostSetup.table; }
int SetupCardType() { return g_HostSetup.cardType; }
int SetupDriverKind() { return g_HostSetup.driverKind; }
const char *SetupMainText() { return Safe(g_HostSetup.mainText); }
bool SetupHasAddInfo10() { return g_HostSetup.addInfo10; }
const char *SetupInstallPath() { return Safe(g_HostSetup.installPath); }
const char *SetupProgramDirectory() { return Safe(g_HostSetup.programDirectory); }

const char *SetupText(unsigned id)
{
    if (g_HostSetup.text) return Safe(g_HostSetup.text(id));
    static char ring[10][16];
    static int next = 0;
    char *slot = ring[next];
    next = (next + 1) % 10;
    std::snprintf(slot, sizeof ring[0], "#%u", id);
    return slot;
}

unsigned SetupWindowsDirectory(char *buffer, unsigned size)
{
    return CopyDirectory(g_HostSetup.windowsDirectory, buffer, size);
}

unsigned SetupSystemDirectory(char *buffer, unsigned size)
{
    return CopyDirectory(g_HostSetup.systemDirectory, buffer, size);
}
