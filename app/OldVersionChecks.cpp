#include "app/OldVersionChecks.h"

bool CheckForOldVersions() { return true; }
bool CheckDriver() { return true; }
