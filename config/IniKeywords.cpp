#include "config/IniKeywords.h"
#include "base/TextHelpers.h"
#include <cctype>
#include <cstring>

const IniKeyword g_OsKeywords[IniKeywordRows] = {
    {"win95", IniOsWin95}, {"win98", IniOsWin98}, {"winnt", IniOsWinNT}};
const IniKeyword g_ModeKeywords[IniKeywordRows] = {
    {"install", IniModeInstall}, {"config", IniModeConfig}, {"delete", IniModeDelete}};
const IniKeyword g_DriverKeywords[IniKeywordRows] = {
    {"vxd", IniDriverVxd}, {"sys", IniDriverSys}, {"wdm", IniDriverWdm}};
const IniKeyword g_Languages[IniLanguageRows] = {{"deutsch", 7}, {"english", 9}};

namespace {
void LowerCopy(char *dst, const char *src, size_t size)
{
    SafeCopy(dst, src, size);
    for (char *p = dst; *p; ++p) *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
}
} // namespace

int LookupIniKeyword(const IniKeyword *table, unsigned rows, const char *value)
{
    if (!table || !value || !*value) return 0;
    char lower[TextSize255];
    LowerCopy(lower, value, sizeof lower);
    for (unsigned i = 0; i < rows; ++i)
        if (std::strstr(lower, table[i].keyword)) return table[i].value;
    return 0;
}

int ChooseLanguage(const char *value, unsigned locale)
{
    if (IsBlank(value)) {
        unsigned primary = locale & 0x3FF;
        for (unsigned i = 0; i < IniLanguageRows; ++i)
            if (static_cast<unsigned>(g_Languages[i].value) == primary) return static_cast<int>(i);
        return 1;
    }
    char lower[TextSize255];
    LowerCopy(lower, value, sizeof lower);
    for (unsigned i = 0; i < IniLanguageRows; ++i)
        if (std::strcmp(lower, g_Languages[i].keyword) == 0) return static_cast<int>(i);
    return 1;
}
