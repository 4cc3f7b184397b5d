#include "config/StringResult.h"
#include "base/CDebugFile.h"
#include <cstring>

namespace {
// Appends length characters of text within size bytes; returns the new length.
size_t Put(char *out, size_t used, size_t size, const char *text, size_t length)
{
    if (used + 1 >= size) return used;
    size_t room = size - 1 - used;
    if (length > room) length = room;
    std::memcpy(out + used, text, length);
    out[used + length] = '\0';
    return used + length;
}
} // namespace

void BuildStringResult(unsigned id, const char *text, const int *placeholders, unsigned count,
                       const char *const values[4], char *out, size_t size)
{
    if (!out || size == 0) return;
    out[0] = '\0';
    if (!text) text = "";
    size_t used = 0;
    const char *rest = text; // the part of the text not yet copied
    for (unsigned i = 0; i < count; ++i) {
        int number = placeholders[i];
        if (number < 1 || number > 3) {
            Log().WriteLine("Falscher Index in GetStringByID() für String-ID %u!", id);
            break;
        }
        const char *mark = std::strstr(rest, "%s");
        if (!mark) break;
        used = Put(out, used, size, rest, static_cast<size_t>(mark - rest));
        const char *value = values[number] ? values[number] : "";
        used = Put(out, used, size, value, std::strlen(value));
        rest = mark + 2;
    }
    Put(out, used, size, rest, std::strlen(rest));
}
