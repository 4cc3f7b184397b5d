// Start-up and shut-down of a run.
#pragma once
#include <windows.h>

BOOL InfoOpen(HWND mainWindow, char *cmdLine);
void InfoClose();
