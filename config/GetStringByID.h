// Text lookup by StringId. A returned text stays valid until nine further
// texts have been returned (a ring of ten result slots).
#pragma once

const char *GetStringByID(unsigned id);
// Frees the result ring at the end of the run.
void ReleaseStringRing();
