// Program-wide state of one run: mode, system, directories.
#pragma once

enum ProgramModeValue {
    NoMode = 0,
    InstallMode = 1,
    DeleteMode = 2,
    DeinstallChosenMode = 3,
    KonfigMode = 4,
    TestSPIDMode = 6,
    SetSPIDMode = 7,
    SetSPIDMode1 = 8,
    SetSPIDMode2 = 9
};

enum OsVersionValue {
    Win3x = 0,
    Win3x32s = 1,
    Win95 = 2,
    Win95b20 = 3,
    Win95b21 = 4,
    Win98 = 5,
    WinNT351 = 6,
    WinNT40 = 7,
    WinNT50 = 8,
    WinUnsupported = 9
};

extern int ProgramMode;
extern int OsVersion;
extern char ProgramDirectory[260];
extern char WindowsDirectory[260];
extern char SystemDirectory[260];

// Names printed in the log: "" for a mode without name, "?" for an unknown system.
const char *ProgramModeName(int mode);
const char *OsVersionName(int os);

bool IsWin9x();
bool IsWinNT();
bool IsWinNT4orLater();
