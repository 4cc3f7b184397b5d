// Text lookup by StringId. A returned text stays valid until nine further
// texts have been returned (a ring of ten result slots).
#pragma once

const char *GetStringByID(unsigned id);
// Frees the result ring at the end of the run.
void ReleaseStringRing();

// Thin forwarders used by the pages and the installation steps; each behaves
// exactly as GetStringByID.
const char *GetString(unsigned id);
const char *GetText(unsigned id);

// The controller name of the setup.ini card type: placeholder 1.
const char *OurControllerName();
// Text of the protocol page: 55 for value 8, 54 for value 9, 56 otherwise.
const char *GetProtocolPageText(int value);
