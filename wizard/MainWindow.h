// The full-screen backdrop window of class "QEBSetupMain".
#pragma once
#include <windows.h>

#define QEB_MAIN_CLASS "QEBSetupMain"

enum MainWindowMessage {
    WM_QEB_SECOND_INSTANCE = WM_USER + 6, // 1030
    WM_QEB_ADDTEXT = WM_USER + 10,        // 1034
    WM_QEB_COPYRIGHT = WM_USER + 13       // 1037
};

HWND CreateMainWindow(const char *title, const char *secondLine, HINSTANCE instance);
