#include "wizard/MessageBoxes.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include "config/GetStringByID.h"
#include <cstdio>

namespace {
const char *TextOrId(unsigned id, const char *text) { return text ? text : GetStringByID(id); }
} // namespace

void WarningBox(HWND owner, unsigned id, const char *text)
{
    const char *message = TextOrId(id, text);
    Log().WriteLine("%s", message);
    char shown[1024];
    SafeCopy(shown, message, sizeof shown);
    MessageBoxA(owner, shown, GetStringByID(504), MB_OK | MB_ICONWARNING);
}

void WarningBoxPrefixed(HWND owner, unsigned id, const char *text)
{
    const char *message = TextOrId(id, text);
    Log().WriteLine("%s", message);
    char shown[2048];
    std::snprintf(shown, sizeof shown, "%s%s", GetStringByID(2119), message);
    MessageBoxA(owner, shown, GetStringByID(504), MB_OK | MB_ICONWARNING);
}

int QuestionBox(HWND owner, unsigned id, const char *text)
{
    char shown[1024];
    SafeCopy(shown, TextOrId(id, text), sizeof shown);
    return MessageBoxA(owner, shown, GetStringByID(504), MB_YESNO | MB_ICONQUESTION);
}
