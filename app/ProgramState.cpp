#include "app/ProgramState.h"

int ProgramMode = NoMode;
int OsVersion = WinUnsupported;
char ProgramDirectory[260] = "";
char WindowsDirectory[260] = "";
char SystemDirectory[260] = "";

const char *ProgramModeName(int mode)
{
    static const char *const names[] = {"",           "InstallMode",  "DeleteMode",
                                        "",           "KonfigMode",   "",
                                        "TestSPIDMode", "SetSPIDMode", "SetSPIDMode1",
                                        "SetSPIDMode2"};
    if (mode < 0 || mode >= static_cast<int>(sizeof names / sizeof names[0])) return "";
    return names[mode];
}

const char *OsVersionName(int os)
{
    static const char *const names[] = {"Win3x",    "Win3x32s", "Win95",   "Win95b20", "Win95b21",
                                        "Win98",    "WinNT351", "WinNT40", "WinNT50"};
    if (os < 0 || os >= static_cast<int>(sizeof names / sizeof names[0])) return "?";
    return names[os];
}

bool IsWin9x() { return OsVersion >= Win95 && OsVersion <= Win98; }
bool IsWinNT() { return OsVersion >= WinNT351 && OsVersion <= WinNT50; }
bool IsWinNT4orLater() { return OsVersion == WinNT40 || OsVersion == WinNT50; }
