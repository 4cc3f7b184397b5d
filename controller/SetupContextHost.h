// The host build's installation state for the portable units: plain values
// that the host tests and fuzz targets set.
#pragma once

class CardTypeTable;

struct HostSetup {
    int osVersion;                     // OsVersion value (2..5 Windows 9x, 6..8 NT)
    const CardTypeTable *table;
    int cardType;
    int driverKind;
    const char *mainText;
    bool addInfo10;
    const char *installPath;
    const char *programDirectory;
    const char *windowsDirectory;
    const char *systemDirectory;
    // Texts by id; null gives "#<id>".
    const char *(*text)(unsigned id);
};

extern HostSetup g_HostSetup;
// Back to the empty state: no system family, no table, no texts.
void ResetHostSetup();
