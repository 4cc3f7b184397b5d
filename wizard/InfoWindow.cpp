#include "wizard/InfoWindow.h"
#include "base/TextHelpers.h"
#include "config/GetStringByID.h"
#include "controller/CControllerInfo.h"
#include "controller/Names.h"

namespace {
HWND s_currentDialog = nullptr;
HCURSOR s_waitCursor = nullptr;
HCURSOR s_previousCursor = nullptr;

void CenterWindow(HWND window, int dx, int dy)
{
    RECT rc;
    GetWindowRect(window, &rc);
    int width = rc.right - rc.left, height = rc.bottom - rc.top;
    int left = dx + GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
    int top = dy + GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
    SetWindowPos(window, NULL, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceByTemplate(HWND window, int templateId)
{
    switch (templateId) {
    case 104: CenterWindow(window, 175, 0); break;
    case 133: CenterWindow(window, 175, -135); break;
    case 135: CenterWindow(window, -145, 0); break;
    case 1538: CenterWindow(window, 175, -116); break;
    default: CenterWindow(window, 0, 0); break;
    }
}

INT_PTR CALLBACK InfoWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG:
        s_currentDialog = hwnd;
        SetForegroundWindow(hwnd);
        return TRUE;
    case WM_QEB_SETTEXT: {
        HWND control = GetDlgItem(hwnd, static_cast<int>(wp));
        if (lp && control) {
            SetWindowTextA(control, reinterpret_cast<const char *>(lp));
            if (GetWindowTextLengthA(hwnd) == 0)
                SetWindowTextA(hwnd, reinterpret_cast<const char *>(lp));
        }
        return TRUE;
    }
    case WM_DESTROY:
        if (s_currentDialog == hwnd) s_currentDialog = GetWindow(hwnd, GW_OWNER);
        return TRUE;
    }
    return FALSE;
}
} // namespace

HWND CurrentWizardDialog() { return s_currentDialog; }

HWND CreateInfoWindow(const char *, int templateId, HWND owner)
{
    int resource = templateId == 125 ? 135 : templateId;
    HWND window = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resource), owner,
                                     InfoWndProc, 0);
    if (!window) return nullptr;
    if (templateId == 125)
        CenterWindow(window, 0, 0);
    else
        PlaceByTemplate(window, templateId);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return window;
}

int CloseInfoWindow(HWND window, int value)
{
    if (window) DestroyWindow(window);
    SetWaitCursor(false);
    return value;
}

void SetWaitCursor(bool on)
{
    if (on == (s_waitCursor != nullptr)) return;
    if (on) {
        s_waitCursor = LoadCursorA(NULL, IDC_WAIT);
        s_previousCursor = SetCursor(s_waitCursor);
        ShowCursor(TRUE);
    } else {
        SetCursor(s_previousCursor);
        ShowCursor(FALSE);
        s_waitCursor = nullptr;
        s_previousCursor = nullptr;
    }
}

int ShowHelpText(HWND owner, unsigned id)
{
    char text[2048];
    SafeCopy(text, GetStringByID(id ? id : 600), sizeof text);
    return MessageBoxA(owner, text, ControllerName(g_ControllerList ? g_ControllerList->GetCardType() : 0),
                       MB_OK | MB_ICONINFORMATION);
}
