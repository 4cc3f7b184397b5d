#include "wizard/MainWindow.h"
#include "base/TextHelpers.h"
#include "wizard/InfoWindow.h"

namespace {
char s_title[256];
char s_secondLine[256];
char s_bottomLine[256];

void Paint(HWND hwnd, HDC dc)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 128));
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutA(dc, 40, 40, s_title, lstrlenA(s_title));
    TextOutA(dc, 40, 80, s_secondLine, lstrlenA(s_secondLine));
    TextOutA(dc, rc.right - 400, rc.bottom - 40, s_bottomLine, lstrlenA(s_bottomLine));
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SETTEXT:
        if (lp) SafeCopy(s_title, reinterpret_cast<const char *>(lp), sizeof s_title);
        break;
    case WM_QEB_SECOND_INSTANCE:
        // Passed on to the wizard dialog that is open.
        if (HWND current = CurrentWizardDialog()) PostMessageA(current, msg, 0, 0);
        return 0;
    case WM_QEB_ADDTEXT:
        SafeCopy(s_secondLine, lp ? reinterpret_cast<const char *>(lp) : "", sizeof s_secondLine);
        return 0;
    case WM_QEB_COPYRIGHT:
        SafeCopy(s_bottomLine, lp ? reinterpret_cast<const char *>(lp) : "", sizeof s_bottomLine);
        return 0;
    case WM_ERASEBKGND:
        Paint(hwnd, reinterpret_cast<HDC>(wp));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 1;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}
} // namespace

HWND CreateMainWindow(const char *title, const char *secondLine, HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(300));
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = QEB_MAIN_CLASS;
    RegisterClassA(&wc);
    if (!IsBlank(secondLine)) SafeCopy(s_secondLine, secondLine, sizeof s_secondLine);
    HWND hwnd = CreateWindowExA(0, QEB_MAIN_CLASS, title ? title : "",
                                WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_MAXIMIZE,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, NULL,
                                NULL, instance, NULL);
    if (hwnd) {
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        UpdateWindow(hwnd);
    }
    return hwnd;
}
