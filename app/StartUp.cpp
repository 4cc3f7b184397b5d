#include "app/StartUp.h"
#include "app/Finish.h"
#include "app/OldVersionChecks.h"
#include "app/OsVersion.h"
#include "app/ProgramState.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include "app/CommandLine.h"
#include "config/GetStringByID.h"
#include "config/IniKeywords.h"
#include "controller/CControllerInfo.h"
#include "controller/ResourceMap.h"
#include "registry/RegHelpers.h"
#include "wizard/InfoWindow.h"
#include "wizard/MessageBoxes.h"
#include <cstring>
#include <new>

namespace {

bool ConstructControllerList()
{
    g_ControllerList = new (std::nothrow) CControllerInfo;
    if (!g_ControllerList) {
        Log().WriteLine("CControllerInfo error!");
        MessageBoxA(NULL, "CControllerInfo error!", "Error", MB_OK | MB_ICONWARNING);
        return false;
    }
    CStringTable *table = g_ControllerList->m_strTable;
    if (table && table->HasError()) {
        Log().WriteLine("%s", table->GetErrorText());
        MessageBoxA(NULL, table->GetErrorText(), "Error", MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

void SetProgramDirectory()
{
    char path[255] = "";
    DWORD n = GetModuleFileNameA(NULL, path, sizeof path - 1);
    path[n < sizeof path ? n : sizeof path - 1] = '\0';
    CutAfterLastBackslash(path, ProgramDirectory, sizeof ProgramDirectory);
}

bool OpenLog()
{
    if (Log().Open("qeb.log", true)) return true;
    Log().ErrorMessage();
    return false;
}

bool ReadSetupIni(HWND mainWindow)
{
    SetWaitCursor(true);
    HWND status = CreateInfoWindow("Info", 135, mainWindow);
    GetWindowsDirectoryA(WindowsDirectory, sizeof WindowsDirectory);
    GetSystemDirectoryA(SystemDirectory, sizeof SystemDirectory);

    char iniFile[DirTextSize];
    SafeCopy(iniFile, JoinPath(ProgramDirectory, "setup.ini"), sizeof iniFile);
    OFSTRUCT of;
    if (OpenFile(iniFile, &of, OF_EXIST) == HFILE_ERROR) {
        CloseInfoWindow(status, 0);
        WarningBox(NULL, 1001, nullptr);
        return false;
    }
    if (!g_ControllerList->GetInformation(iniFile, status)) {
        CloseInfoWindow(status, 0);
        if (ProgramMode == DeleteMode || ProgramMode == DeinstallChosenMode) return true;
        g_ControllerList->ReportError(mainWindow, 0, 0);
        return false;
    }
    CloseInfoWindow(status, 0);
    return true;
}

bool CheckOsKey()
{
    int os = g_ControllerList->GetOS();
    if (os == IniOsWinNT && !IsWinNT()) {
        WarningBox(NULL, 1013, nullptr);
        return false;
    }
    if (os != IniOsWinNT && IsWinNT()) {
        WarningBox(NULL, 1012, nullptr);
        return false;
    }
    return true;
}

bool CheckOldInstallations()
{
    if (!CheckForOldVersions()) {
        WarningBox(NULL, 1014, nullptr);
        if (QuestionBox(NULL, 1016, nullptr) == IDYES) StartClearDex(3, true);
        return false;
    }
    if (!CheckDriver()) {
        WarningBox(NULL, 1017, nullptr);
        return false;
    }
    return true;
}

bool CheckDriverKey()
{
    int driver = g_ControllerList->GetDriver();
    bool early95 = OsVersion == Win95 || OsVersion == Win95b20 || OsVersion == Win95b21;
    if (driver == IniDriverVxd && IsWinNT()) {
        WarningBox(NULL, 1048, nullptr);
        return false;
    }
    if (driver == IniDriverSys && early95) {
        WarningBox(NULL, 1049, nullptr);
        return false;
    }
    if (driver == IniDriverWdm && (early95 || OsVersion == WinNT351 || OsVersion == WinNT40)) {
        WarningBox(NULL, 1050, nullptr);
        return false;
    }
    return true;
}

} // namespace

BOOL InfoOpen(HWND mainWindow, char *cmdLine)
{
    OsVersion = GetOsVersion();
    if (OsVersion == WinUnsupported) {
        ConstructControllerList();
        WarningBox(NULL, 1008, nullptr);
        return FALSE;
    }
    SetProgramDirectory();
    if (std::strstr(cmdLine, "-Log")) {
        RemoveSubstring(cmdLine, "-Log");
        if (!OpenLog()) return FALSE;
        Log().SetFlush(true);
    }
    if (!ConstructControllerList()) return FALSE;

    ProgramMode = GetProgramMode(cmdLine);
    Log().WriteLine("InfoOpen: '%s'", cmdLine);
    if (std::strstr(cmdLine, "-?")) {
        ShowHelpText(mainWindow, 601);
        return FALSE;
    }
    if (!ReadSetupIni(mainWindow)) return FALSE;
    if (g_ControllerList->HasAddInfo20() && !OpenLog()) return FALSE;

    if (ProgramMode == NoMode) ProgramMode = InstallMode;
    if (ProgramMode == InstallMode) g_ControllerList->Changed = 1;
    if (Log().IsOpen()) {
        Log().WriteLine("Programm Modus: %s", ProgramModeName(ProgramMode));
        Log().WriteLine("Betriebssystem: >>>> %s <<<<", OsVersionName(OsVersion));
    }
    if (!CheckOsKey() || !CheckOldInstallations()) return FALSE;
    if (IsWinNT()) QResOpen();
    if (!CheckDriverKey()) return FALSE;
    if (Log().IsOpen()) g_ControllerList->ShowAllCtrl(1);
    return TRUE;
}

void InfoClose()
{
    Log().WriteLine("InfoClose");
    if (IsWinNT()) QResClose();
    CloseReadKey();
    CloseWriteKey();
    ReleaseStringRing();
    delete g_ControllerList;
    g_ControllerList = nullptr;
    if (g_DebugFile) {
        g_DebugFile->Close();
        delete g_DebugFile;
        g_DebugFile = nullptr;
    }
}
