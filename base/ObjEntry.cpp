#include "base/ObjEntry.h"

ObjEntry::ObjEntry()
    : value1(1), compressed(false), expand(false), readOnly(false), backup(false),
      checkSize(false), size(0), protocol(AnyProtocol)
{
    section[0] = '\0';
    source[0] = '\0';
    destination[0] = '\0';
}
