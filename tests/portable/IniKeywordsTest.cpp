#include "config/IniKeyEdit.h"
#include "config/IniKeywords.h"
#include "StringTableFiles.h"
#include <gtest/gtest.h>

namespace {

struct KeywordCase {
    const char *key;
    const IniKeyword *table;
    const char *value;
    int expected; // 0: no row matches, the field keeps its value
};

const KeywordCase kKeywordCases[] = {
    {"OS", g_OsKeywords, "WinNT4", IniOsWinNT},
    {"OS", g_OsKeywords, "Windows 98", 0},
    {"OS", g_OsKeywords, "win98", IniOsWin98},
    {"OS", g_OsKeywords, "Win95", IniOsWin95},
    {"OS", g_OsKeywords, "win95 or winnt", IniOsWin95},
    {"OS", g_OsKeywords, "winnt or win98", IniOsWin98},
    {"OS", g_OsKeywords, "", 0},
    {"Driver", g_DriverKeywords, "WDM", IniDriverWdm},
    {"Driver", g_DriverKeywords, "VxD", IniDriverVxd},
    {"Driver", g_DriverKeywords, "kernel.SYS", IniDriverSys},
    {"Driver", g_DriverKeywords, "386", 0},
    {"Mode", g_ModeKeywords, "Install", IniModeInstall},
    {"Mode", g_ModeKeywords, "CONFIG", IniModeConfig},
    {"Mode", g_ModeKeywords, "delete", IniModeDelete},
};

class KeywordRules : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(KeywordRules, FirstMatchingRow)
{
    const KeywordCase &c = GetParam();
    EXPECT_EQ(LookupIniKeyword(c.table, IniKeywordRows, c.value), c.expected) << c.key << "=" << c.value;
}

INSTANTIATE_TEST_SUITE_P(Table, KeywordRules, ::testing::ValuesIn(kKeywordCases));

TEST(IniKeywords, OverlongValueIsCutNotOverrun)
{
    std::string value(5000, 'x');
    value += "wdm";
    EXPECT_EQ(LookupIniKeyword(g_DriverKeywords, IniKeywordRows, value.c_str()), 0);
    EXPECT_EQ(LookupIniKeyword(g_DriverKeywords, IniKeywordRows, ("wdm" + value).c_str()), IniDriverWdm);
}

struct LanguageCase {
    const char *value;
    unsigned locale;
    int expected;
};

class LanguageRules : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageRules, ChoosesIndex)
{
    EXPECT_EQ(ChooseLanguage(GetParam().value, GetParam().locale), GetParam().expected)
        << "'" << GetParam().value << "' locale " << GetParam().locale;
}

INSTANTIATE_TEST_SUITE_P(Table, LanguageRules, ::testing::Values(
    LanguageCase{"English", 0x407, 1}, LanguageCase{"ENGLISH", 0x407, 1}, LanguageCase{"english", 0x407, 1},
    LanguageCase{"deutsch", 0x409, 0}, LanguageCase{"Deutsch", 0x409, 0},
    LanguageCase{"", 0x407, 0}, LanguageCase{"  ", 0x807, 0}, LanguageCase{"", 0x409, 1},
    LanguageCase{"", 0x40C, 1}, LanguageCase{"francais", 0x407, 1}, LanguageCase{"deutsch2", 0x407, 1}));

struct KeyEditCase {
    const char *name;
    const char *content;
    int mode;
    bool expected;
};

const KeyEditCase kKeyEditCases[] = {
    {"Plain", "[386Enh]\r\ndevice=old.386\r\n", 1, true},
    {"BlanksAndCase", "[386Enh]\r\n  DEVICE =  Old.386 \r\n", 1, true},
    {"TabsAroundEquals", "Device\t=\tOLD.386\r\n", 1, true},
    {"BehindSemicolon", "; device=old.386\r\n", 1, false},
    {"BehindValueComment", "x=1 ; device=old.386\r\n", 1, false},
    {"SemicolonAfter", "device=old.386 ; old driver\r\n", 1, true},
    {"OtherDriver", "device=new.386\r\n", 1, false},
    {"ModeOtherThanOne", "device=old.386\r\n", 0, false},
    {"LongLineBefore", "", 1, true},
};

class KeyEditRules : public ::testing::TestWithParam<KeyEditCase> {};

TEST_P(KeyEditRules, FindsActiveLine)
{
    const KeyEditCase &c = GetParam();
    std::string content = c.content;
    if (std::string(c.name) == "LongLineBefore")
        content = "x=" + std::string(1000, 'y') + "\r\ndevice=old.386\r\n";
    std::string path = strtest::WriteScratch("system-ini", content);
    EXPECT_EQ(IniKeyEdit(path.c_str(), "device", "old.386", c.mode) != 0, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyEditRules, ::testing::ValuesIn(kKeyEditCases),
                         [](const ::testing::TestParamInfo<KeyEditCase> &i) { return std::string(i.param.name); });

TEST(IniKeyEdit, MissingOrBlankFile)
{
    EXPECT_FALSE(IniKeyEdit("no-such-system.ini", "device", "old.386", 1));
    EXPECT_FALSE(IniKeyEdit("", "device", "old.386", 1));
    EXPECT_FALSE(IniKeyEdit(nullptr, "device", "old.386", 1));
}

} // namespace
