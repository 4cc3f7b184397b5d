#include "controller/CardTypeTable.h"

int CardTypeTable::GetCardBus(int) const { return 0; }
bool CardTypeTable::IsActive(int) const { return false; }
const char *CardTypeTable::GetBaseName(int) const { return ""; }
