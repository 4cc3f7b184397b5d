// D-channel and leased-line protocol codes: names in the registry and the
// log, names on screen, and recognition of a code in a text.
#pragma once
#include "base/Win32Types.h"

enum ProtocolCode {
    ProtDSS1 = 0, ProtCT1 = 1, ProtVN3 = 2, ProtNI1 = 3, ProtAUSTEL = 4, Prot5ESS = 5,
    Prot1TR6 = 6, ProtGSM = 7, ProtP2M = 8, ProtP2P = 9, ProtLEASEDLINE = 10, ProtDIG64S = 11,
    ProtDIG64S2 = 12, ProtDoubleDIG64S = 13, ProtDIGS01 = 14, ProtDIGS02 = 15,
    ProtNotSet = 16
};

const char *ProtocolName(int code);
const char *ProtocolDisplayName(int code);
BOOL IsServerProtocol(int code);
const char *ProtocolPairName(int protocol, int serverProtocol);
int ProtocolCodeFromName(const char *text);
