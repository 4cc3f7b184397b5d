// Builds the finished text of GetStringByID: the placeholder numbers of an
// entry replace the "%s" of its text, one after the other.
#pragma once
#include <cstddef>

enum { StringResultLimit = 1023 };

// values[1] to values[3] are the texts of placeholders 1, 2 and 3 (null counts
// as empty). A number 0 or above 3 writes its log entry and ends the
// substitution. The result holds at most size-1 characters, always terminated.
void BuildStringResult(unsigned id, const char *text, const int *placeholders, unsigned count,
                       const char *const values[4], char *out, size_t size);
