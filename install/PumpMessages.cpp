#include "install/InstallSteps.h"
#include <windows.h>

void PumpMessages(unsigned milliseconds, bool remove)
{
    DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, NULL, 0, 0, remove ? PM_REMOVE : PM_NOREMOVE)) {
            if (!remove) break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    } while (GetTickCount() - start < milliseconds);
}
