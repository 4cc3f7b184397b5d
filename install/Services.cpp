#include "install/InstallSteps.h"

int ServiceGetState(const char *) { return 1; }
int GetServiceLastError() { return 0; }
