#include "app/CommandLine.h"
#include "app/Dispatch.h"
#include "app/Finish.h"
#include "app/StartUp.h"
#include "base/CDebugFile.h"
#include "controller/CControllerInfo.h"
#include "controller/CardTypeTable.h"
#include "controller/Names.h"
#include "wizard/InfoWindow.h"
#include "wizard/MainWindow.h"
#include <commctrl.h>
#include <cstring>
#include <new>

namespace {

void DropSemaphore(HANDLE semaphore)
{
    ReleaseSemaphore(semaphore, 1, NULL);
    CloseHandle(semaphore);
}

// The first instance comes forward; the second one ends.
void WakeFirstInstance()
{
    HWND first = FindWindowA(QEB_MAIN_CLASS, NULL);
    if (!first) return;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(first, &placement) && placement.showCmd == SW_SHOWMINIMIZED)
        ShowWindow(first, SW_RESTORE);
    SetForegroundWindow(first);
    SetActiveWindow(first);
    SendMessageA(first, WM_QEB_SECOND_INSTANCE, 0, 0);
}

bool IsRestoreRun(const char *cmdLine)
{
    char lower[CmdLineSize];
    CopyCommandLine(lower, cmdLine);
    CharLowerA(lower);
    return std::strstr(lower, "-restore") != nullptr;
}

HWND CreateSecondLogo(HWND mainWindow)
{
    CardTypeTable *table = g_ControllerList->GetCardTypeTable();
    int bus = table ? table->GetCardBus(g_ControllerList->GetCardType()) : 0;
    if (bus == Pci) return CreateInfoWindow("PCI Logo", 133, mainWindow);
    if (bus == Usb) return CreateInfoWindow("USB Logo", 1538, mainWindow);
    return nullptr;
}

void ShowTitles(HWND mainWindow)
{
    SetWindowTextA(mainWindow, ControllerName(g_ControllerList->GetCardType()));
    SendMessageA(mainWindow, WM_QEB_ADDTEXT, 0,
                 reinterpret_cast<LPARAM>(g_ControllerList->GetAddText()));
    SendMessageA(mainWindow, WM_QEB_COPYRIGHT, 0,
                 reinterpret_cast<LPARAM>(g_ControllerList->GetCopyRight()));
    InvalidateRect(mainWindow, NULL, TRUE);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR lpCmdLine, int)
{
    HANDLE semaphore = CreateSemaphoreA(NULL, 0, 1, "QEB Setup Tool");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        WakeFirstInstance();
        DropSemaphore(semaphore);
        MessageBeep(0);
        return 0;
    }

    g_DebugFile = new (std::nothrow) CDebugFile;
    if (!g_DebugFile) {
        MessageBoxA(NULL, "CDebugFile error!", "QEB Setup", MB_OK | MB_ICONWARNING);
        return 0;
    }
    InitCommonControls();

    char cmdLine[CmdLineSize];
    CopyCommandLine(cmdLine, lpCmdLine);
    if (IsRestoreRun(cmdLine)) {
        StartClearDex(4, false);
        DropSemaphore(semaphore);
        InfoClose();
        return 0;
    }

    HWND mainWindow = CreateMainWindow("", "", instance);
    if (!InfoOpen(mainWindow, cmdLine)) {
        InfoClose();
        DropSemaphore(semaphore);
        DestroyWindow(mainWindow);
        MessageBeep(0);
        return -1;
    }

    ShowTitles(mainWindow);
    HWND capiLogo = CreateInfoWindow("Capi Logo", 104, mainWindow);
    HWND secondLogo = CreateSecondLogo(mainWindow);

    RunProgramMode(mainWindow, capiLogo, secondLogo);

    if (secondLogo) DestroyWindow(secondLogo);
    if (capiLogo) DestroyWindow(capiLogo);
    DestroyWindow(mainWindow);
    DropSemaphore(semaphore);
    InfoClose();
    return 0;
}
