#include "config/IniKeyEdit.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {
enum { PieceSize = 130 };

void Lower(char *text)
{
    for (char *p = text; *p; ++p) *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
}
} // namespace

BOOL IniKeyEdit(const char *file, const char *key, const char *value, int mode)
{
    Log().WriteLine("IniKeyEdit '%s','%s','%s',%d", file ? file : "", key ? key : "",
                    value ? value : "", mode);
    if (IsBlank(file)) return FALSE;
    FILE *f = std::fopen(file, "rb");
    if (!f) return FALSE;
    char wanted[2 * TextSize255 + 2];
    std::snprintf(wanted, sizeof wanted, "%s=%s", key ? key : "", value ? value : "");
    Lower(wanted);
    if (mode != 1) {
        std::fclose(f);
        return FALSE;
    }
    BOOL found = FALSE;
    char piece[PieceSize];
    while (!found && std::fgets(piece, sizeof piece, f)) {
        Lower(piece);
        RemoveWhitespace(piece);
        const char *hit = std::strstr(piece, wanted);
        if (!hit) continue;
        const char *semicolon = std::strchr(piece, ';');
        if (!semicolon || semicolon > hit) found = TRUE;
    }
    std::fclose(f);
    return found;
}
