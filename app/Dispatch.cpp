#include "app/Dispatch.h"
#include "app/Finish.h"
#include "app/ProgramState.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include "controller/CControllerInfo.h"
#include "controller/CardTypeTable.h"
#include "install/InstallSteps.h"
#include "wizard/DlgSequences.h"
#include "wizard/MessageBoxes.h"
#include <cstring>

namespace {

CardTypeTable *Table() { return g_ControllerList->GetCardTypeTable(); }

int CurrentCardBus() { return Table() ? Table()->GetCardBus(g_ControllerList->CardType) : 0; }

bool HasNewController()
{
    int slot = 0;
    return g_ControllerList->FindNewCtrl(&slot) != 0;
}

// Install mode started from the recorded installation directory configures it.
void DetectKonfigMode()
{
    if (IsBlank(g_ControllerList->szInstallPath)) return;
    CutTrailingChar(ProgramDirectory, '\\');
    if (lstrcmpiA(ProgramDirectory, g_ControllerList->szInstallPath) == 0) ProgramMode = KonfigMode;
}

void RunInstallSequence(HWND mainWindow, HWND capiLogo, HWND secondLogo)
{
    int result = InstallDlgSequence(mainWindow, capiLogo, secondLogo);
    Log().WriteLine("InstallDlgSequence=%d", result);
    if (result == PageNext && ProgramMode != DeinstallChosenMode) {
        InstallFinish(mainWindow);
        return;
    }
    if (result == PageCancel && IsWinNT() && GetServiceLastError() == 2)
        WarningBoxPrefixed(mainWindow, 1055, nullptr);
    DeleteFinish(mainWindow, result);
}

} // namespace

void InstallFinish(HWND mainWindow)
{
    CControllerInfo *cci = g_ControllerList;
    SettleRegistry(0);
    if (cci->Changed) {
        CopyInfFile();
        if (IsBlank(cci->szUninstDir) || HasNewController()) {
            RestartWindows(mainWindow);
            return;
        }
        WriteUninstallList(false);
        WbCorrectSomeEntries();
        bool passive = Table() && !Table()->IsActive(cci->CardType);
        StartClearDex(cci->ChangedProtocol && passive ? 1 : 0, true);
        return;
    }
    if (!IsWinNT() || CurrentCardBus() != IsaPnp) return;
    CopyInfFile();
    if (!IsBlank(cci->szUninstDir) && !HasNewController()) {
        WriteUninstallList(false);
        WbCorrectSomeEntries();
        StartClearDex(0, true);
    }
}

void DeleteFinish(HWND mainWindow, int result)
{
    CControllerInfo *cci = g_ControllerList;
    if (result != PageNext) {
        Log().WriteLine("löschen abgebrochen!");
        return;
    }
    if (cci->GetNumOfInstalledCtrl() == 0) {
        Log().WriteLine("kein Controller mehr");
        DeleteServices();
        RemoveLastControllerKey();
        WriteUninstallList(true);
        StartClearDex(5, false);
        return;
    }
    if (IsBlank(cci->szUninstDir)) {
        const char *service = Table() ? Table()->GetBaseName(cci->CardType) : "";
        if (IsWinNT() && ServiceGetState(service) == 4) return;
        RestartWindows(mainWindow);
        return;
    }
    WriteUninstallList(false);
    SettleRegistry(1);
    StartClearDex(1, true);
}

void RunProgramMode(HWND mainWindow, HWND capiLogo, HWND secondLogo)
{
    switch (ProgramMode) {
    case InstallMode:
        DetectKonfigMode();
        RunInstallSequence(mainWindow, capiLogo, secondLogo);
        break;
    case KonfigMode:
        RunInstallSequence(mainWindow, capiLogo, secondLogo);
        break;
    case DeleteMode:
        DeleteFinish(mainWindow, DeleteDlgSequence(mainWindow, capiLogo, secondLogo));
        break;
    case SetSPIDMode:
    case SetSPIDMode1:
        ChangeSPIDandDNDlgSequence(1);
        break;
    case SetSPIDMode2:
        ChangeSPIDandDNDlgSequence(2);
        break;
    default:
        break;
    }
}
