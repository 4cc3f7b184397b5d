#include "controller/ResourceMap.h"

int QResOpen() { return 1; }
void QResClose() {}
