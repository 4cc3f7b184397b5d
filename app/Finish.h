// The end of a run: restart of Windows or the clean-up program.
#pragma once
#include <windows.h>

bool RestartWindows(HWND owner);
void StartClearDex(int type, bool inInstallDirectory);
