// The keyword tables of setup.ini and the choice of the language.
#pragma once

struct IniKeyword {
    const char *keyword;
    int value;
};

// Keyword values of the OS, Mode and Driver keys.
enum IniOsValue { IniOsWin95 = 1, IniOsWinNT = 2, IniOsWin98 = 3 };
enum IniModeValue { IniModeInstall = 1, IniModeDelete = 2, IniModeConfig = 4 };
enum IniDriverValue { IniDriverVxd = 1, IniDriverSys = 2, IniDriverWdm = 3 };
enum { IniKeywordRows = 3, IniLanguageRows = 2 };

extern const IniKeyword g_OsKeywords[IniKeywordRows];
extern const IniKeyword g_ModeKeywords[IniKeywordRows];
extern const IniKeyword g_DriverKeywords[IniKeywordRows];
// Index = language index, value = primary language of the locale.
extern const IniKeyword g_Languages[IniLanguageRows];

// The value of the first row whose keyword is contained in the lower-cased
// value; 0 when no row matches or the value is empty.
int LookupIniKeyword(const IniKeyword *table, unsigned rows, const char *value);

// The language index of a Language value: a blank value takes the primary
// language of the locale (its low 10 bits), a name is compared ignoring case;
// nothing found gives 1 (english).
int ChooseLanguage(const char *value, unsigned locale);
