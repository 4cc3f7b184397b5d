// The model of the ISDN controllers: the current controller, the four
// controller slots, registry locations and directories.
#pragma once
#include "config/CIniInfo.h"
#include "config/CStringTable.h"
#include <windows.h>

enum ControllerState { Enabled = 0, Disabled = 1, New = 2, Default = 3 };

class CControllerInfo : public CIniInfo {
public:
    CControllerInfo();
    ~CControllerInfo() override;

    virtual int GetInformation(const char *setupIni, HWND statusWindow);
    virtual int GetNumOfInstalledCtrl();
    virtual int ShowAllCtrl(int brief);
    virtual int FindNewCtrl(int *slot);
    virtual int ReportError(HWND window, int prefix, int force);

    // The current controller.
    int AktController;
    int CardType;
    int BaseAddress;
    int Interrupt;
    char Revision[128];
    char SerialNumber[128];
    int State;
    int Changed;
    int ChangedIOandIRQ;
    int ChangedProtocol;
    int HasRegRight;
    int Protocol;
    int ServerProtocol;
    int isAutoCompress;
    char SPID[255];
    char SPID2[255];
    char DN[255];
    char DN2[255];
    int basevalues[4];
    int irqvalues[9];
    char CtrlName[12];
    int CardID;
    char InfName[256];

    // The environment of the current controller.
    int Autostart;
    char RegSoft[255];
    char RegHard[255];
    char szInstallPath[260];
    char szUninstDir[260];
    int m_comPort;

    CStringTable *m_strTable;
};

extern CControllerInfo *g_ControllerList;
