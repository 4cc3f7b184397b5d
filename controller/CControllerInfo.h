// The model of the ISDN controllers: the current controller, the four
// controller slots, registry locations and directories.
#pragma once
#include "config/CIniInfo.h"
#include "config/CStringTable.h"
#include <windows.h>

enum ControllerState { Enabled = 0, Disabled = 1, New = 2, Default = 3 };

// One controller slot.
struct CurrentCardsRecord {
    int found = 0, typ = 0, IOAddress = 0, IRQ = 0, Protocol = 16, ServerProtocol = 16;
    int isAutoCompress = 0, State = Default;
    char SPID[255] = "", SPID2[255] = "", DN[255] = "", DN2[255] = "", CtrlName[10] = "";
    char Revision[128] = "", SerialNumber[128] = "";
    int CardID = -1;
    char InfName[256] = "";
};

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
    CurrentCardsRecord CurrentCards[4];

    CStringTable *m_strTable;
};

extern CControllerInfo *g_ControllerList;
