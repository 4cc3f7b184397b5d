// Element of a CFNList: one file name of a section.
#pragma once
#include "base/ListElement.h"

struct CFname : ListElement {
    CFname();
    char name[ListTextSize];
};
