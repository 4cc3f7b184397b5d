// Element of a CObjList: one file-copy order of a section.
#pragma once
#include "base/ListElement.h"

enum { AnyProtocol = 16 };

struct ObjEntry : ListElement {
    ObjEntry();
    char source[ListTextSize];
    char destination[ListTextSize];
    int value1;
    bool compressed;
    bool expand;
    bool readOnly;
    bool backup;
    bool checkSize;
    long size;
    int protocol;
};
