#include "base/KVEntry.h"

KVEntry::KVEntry()
{
    section[0] = '\0';
    key[0] = '\0';
    value[0] = '\0';
}
