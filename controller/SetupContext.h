// What the portable units (list scanners, card type table, names) need to
// know of the running installation: the system family, the setup.ini values,
// the current controller and the string table. The Win32 build answers from
// g_ControllerList and the program state; the host build from HostSetup.
#pragma once

class CardTypeTable;

bool SetupIsWinNT();
bool SetupIsWin9x();
const CardTypeTable *SetupCardTypeTable();
int SetupCardType();            // CardType of the current controller
int SetupDriverKind();          // setup.ini Driver: 0 not set, 1 vxd, 2 sys, 3 wdm
const char *SetupMainText();    // setup.ini MainText
bool SetupHasAddInfo10();
const char *SetupInstallPath(); // szInstallPath of the current controller
const char *SetupText(unsigned id);
const char *SetupProgramDirectory();
// The Windows and system directories; length written, 0 on failure.
unsigned SetupWindowsDirectory(char *buffer, unsigned size);
unsigned SetupSystemDirectory(char *buffer, unsigned size);
