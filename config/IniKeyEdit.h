// The search for a key/value line in an INI file.
#pragma once
#include "base/Win32Types.h"

// Mode 1: true when a line of the file, lower-cased and without whitespace,
// holds key + "=" + value with no ";" before it. Any other mode: false.
BOOL IniKeyEdit(const char *file, const char *key, const char *value, int mode);
