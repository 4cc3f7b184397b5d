#include "registry/RegHelpers.h"

int CloseReadKey() { return 1; }
int CloseWriteKey() { return 1; }
