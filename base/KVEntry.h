// Element of a CKVList: one key/value pair of a section.
#pragma once
#include "base/ListElement.h"

struct KVEntry : ListElement {
    KVEntry();
    char key[ListTextSize];
    char value[ListTextSize];
};
