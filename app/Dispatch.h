// The run of one program mode and its finish.
#pragma once
#include <windows.h>

void RunProgramMode(HWND mainWindow, HWND capiLogo, HWND secondLogo);
void InstallFinish(HWND mainWindow);
void DeleteFinish(HWND mainWindow, int result);
