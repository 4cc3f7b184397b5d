// Info windows (please-wait and logo windows), the wait cursor, the help text.
#pragma once
#include <windows.h>

enum { WM_QEB_SETTEXT = WM_USER + 1, IDC_INFO_TEXT = 1028 };

HWND CreateInfoWindow(const char *name, int templateId, HWND owner);
int CloseInfoWindow(HWND window, int value);
void SetWaitCursor(bool on);
int ShowHelpText(HWND owner, unsigned id);
// The wizard dialog that is open (an info window while one is open).
HWND CurrentWizardDialog();
