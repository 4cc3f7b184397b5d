// Names derived from the card type: protocol and firmware files, driver
// files, the controller name and the readme and test program names.
#pragma once

enum { SetupTextTestProgram = 5005, SetupTextReadme = 5006 };

const char *ProtocolFileName(int cardType, int protocol);
// The firmware file of an active controller for a protocol.
const char *FirmwareFileName(int cardType, int protocol);
const char *DriverFileName(int cardType, int driverKind);
const char *ControllerName(int cardType);
const char *GetSetupText(unsigned id);
