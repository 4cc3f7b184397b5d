#include "controller/CControllerInfo.h"
#include "app/ProgramState.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include <cstring>

CControllerInfo *g_ControllerList = nullptr;

CControllerInfo::CControllerInfo()
    : AktController(0), CardType(0), BaseAddress(0), Interrupt(0), State(Default), Changed(0),
      ChangedIOandIRQ(0), ChangedProtocol(0), HasRegRight(0), Protocol(16), ServerProtocol(16),
      isAutoCompress(0), CardID(-1), Autostart(1), m_comPort(0), m_strTable(nullptr)
{
    Log().WriteLine("CCI Konstruktor");
    Revision[0] = SerialNumber[0] = '\0';
    SPID[0] = SPID2[0] = DN[0] = DN2[0] = '\0';
    std::memset(basevalues, 0, sizeof basevalues);
    std::memset(irqvalues, 0, sizeof irqvalues);
    CtrlName[0] = InfName[0] = '\0';
    RegSoft[0] = RegHard[0] = szInstallPath[0] = szUninstDir[0] = '\0';
    m_strTable = new CStringTable(JoinPath(ProgramDirectory, "QEBstr.bin"),
                                  GetLanguageName(GetLanguage()), g_DebugFile);
}

CControllerInfo::~CControllerInfo() { delete m_strTable; }

int CControllerInfo::GetInformation(const char *setupIni, HWND)
{
    if (!CIniInfo::GetInformation(setupIni)) {
        Log().WriteLine("Fehler in \"SETUP.INI\"!");
        return 0;
    }
    Log().WriteLine("CCI GetInformation");
    return 1;
}

int CControllerInfo::GetNumOfInstalledCtrl()
{
    Log().WriteLine("CCI GetNumOfInstalledCtrl %d", 0);
    return 0;
}

int CControllerInfo::ShowAllCtrl(int)
{
    if (!Log().IsOpen()) return 0;
    Log().WriteLine("----------------------");
    Log().WriteLine("ShowAllCtrl()...");
    return 1;
}

int CControllerInfo::FindNewCtrl(int *) { return 0; }

int CControllerInfo::ReportError(HWND, int, int) { return 1; }
