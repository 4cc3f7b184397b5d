// The dialog sequences of the wizard. Results are PageResult values.
#pragma once
#include <windows.h>

enum PageResult { PageNext = 1, PageCancel = 2, PageBack = 1002 };

int InstallDlgSequence(HWND owner, HWND capiLogo, HWND secondLogo);
int DeleteDlgSequence(HWND owner, HWND capiLogo, HWND secondLogo);
int ChangeSPIDandDNDlgSequence(int n);
