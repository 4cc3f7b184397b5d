// Start-ups of setup.exe under Wine: the numbered warnings show the texts
// of the string table in the language of setup.ini.
#include "ConfigFixture.h"
#include "config/IniKeywords.h"

namespace {

std::string SetupIni(const std::string &language, const std::string &os, const std::string &driver)
{
    return "[Setup]\r\nLanguage=" + language + "\r\nCardType=P7pci\r\nOS=" + os + "\r\nDriver=" + driver +
           "\r\nSections=Files\r\n[Files]\r\n";
}

robot::Medium MediumWithTable(const std::string &name, const std::string &setupIni)
{
    robot::Medium medium(name, setupIni);
    CopyFileA(cfgtest::BuiltTable().c_str(), (medium.Dir() + "\\QEBstr.bin").c_str(), FALSE);
    return medium;
}

std::string ExpectedText(const char *language, unsigned id)
{
    static CDebugFile log;
    CStringTable table(cfgtest::SourceTable().c_str(), language, &log);
    const char *text = table.LookupText(id);
    return text ? text : "";
}

struct RunSeen {
    robot::MessageBoxSeen box;
    long exitCode;
};

RunSeen StartAndAnswer(const robot::Medium &medium, const std::string &args, const std::string &version)
{
    robot::Process process;
    RunSeen run{};
    if (!process.Start(medium.Exe(), args, version, medium.Dir())) {
        run.exitCode = -3;
        return run;
    }
    run.box = robot::AnswerMessageBox(process, IDOK, 20000);
    run.exitCode = process.Wait(20000);
    return run;
}

TEST(StartUpTexts, MissingSetupIniShowsWarning1001)
{
    robot::Medium medium = MediumWithTable("texts-no-ini", "");
    const char *language = ChooseLanguage("", GetThreadLocale()) == 0 ? "deutsch" : "english";
    RunSeen run = StartAndAnswer(medium, "", "win98");
    ASSERT_TRUE(run.box.found);
    EXPECT_EQ(run.box.text, ExpectedText(language, 1001));
    EXPECT_EQ(run.exitCode, -1);
}

struct LanguageCase {
    const char *key;
    const char *language;
};

class StartUpLanguage : public ::testing::TestWithParam<LanguageCase> {};

// Conflicting options give warning 1007 as soon as the table is loaded.
TEST_P(StartUpLanguage, Warning1007InTheLanguageOfSetupIni)
{
    const LanguageCase &c = GetParam();
    robot::Medium medium = MediumWithTable(std::string("texts-lang-") + c.language,
                                           SetupIni(c.key, "win98", "vxd"));
    robot::Process process;
    ASSERT_TRUE(process.Start(medium.Exe(), "-Delete -SetProt", "win98", medium.Dir()));
    robot::MessageBoxSeen box = robot::AnswerMessageBox(process, IDOK, 20000);
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.text, ExpectedText(c.language, 1007));
    EXPECT_NE(box.caption.find("Setup"), std::string::npos) << box.caption;
    // The run goes on after the warning; answer whatever follows and let it end.
    for (int i = 0; i < 3 && process.Running(); ++i) robot::AnswerMessageBox(process, IDOK, 3000);
    process.Wait(20000);
}

INSTANTIATE_TEST_SUITE_P(Table, StartUpLanguage, ::testing::Values(
    LanguageCase{"deutsch", "deutsch"}, LanguageCase{"Deutsch", "deutsch"},
    LanguageCase{"english", "english"}, LanguageCase{"ENGLISH", "english"}));

struct SystemCase {
    const char *name;
    const char *version;
    const char *os, *driver;
    unsigned warning; // 0: start-up goes on
};

class StartUpSystem : public ::testing::TestWithParam<SystemCase> {};

// In the delete mode start-up goes on when setup.ini cannot be resolved
// completely, so these runs reach the checks of the OS and Driver keys.
TEST_P(StartUpSystem, ChecksOsAndDriverKeys)
{
    const SystemCase &c = GetParam();
    robot::Medium medium = MediumWithTable(std::string("texts-sys-") + c.name, SetupIni("english", c.os, c.driver));
    RunSeen run = StartAndAnswer(medium, "-Delete", c.version);
    if (c.warning == 0) {
        EXPECT_FALSE(run.box.found) << run.box.text;
        EXPECT_EQ(run.exitCode, 0);
        return;
    }
    ASSERT_TRUE(run.box.found);
    EXPECT_EQ(run.box.text, ExpectedText("english", c.warning));
    EXPECT_EQ(run.exitCode, -1);
}

INSTANTIATE_TEST_SUITE_P(Table, StartUpSystem, ::testing::Values(
    SystemCase{"Win98OnNT", "nt40", "win98", "sys", 1012},
    SystemCase{"WinNTOn98", "win98", "winnt", "sys", 1013},
    SystemCase{"SysOnWin98", "win98", "win98", "sys", 0},
    SystemCase{"SysOnWin95", "win95", "win95", "sys", 1049},
    SystemCase{"VxdOnNT", "nt40", "winnt", "vxd", 1048},
    SystemCase{"WdmOnNT4", "nt40", "winnt", "wdm", 1050}),
    [](const ::testing::TestParamInfo<SystemCase> &i) { return std::string(i.param.name); });

TEST(StartUpTexts, UnusableTableStopsWithItsError)
{
    robot::Medium medium("texts-bad-table", SetupIni("english", "win98", "vxd"));
    medium.AddFile("QEBstr.bin", "[indy]\r\n10 \"x\"\r\n");
    RunSeen run = StartAndAnswer(medium, "", "win98");
    ASSERT_TRUE(run.box.found);
    EXPECT_EQ(run.box.caption, "Error");
    EXPECT_NE(run.box.text.find("Section [english] not found in file"), std::string::npos) << run.box.text;
    EXPECT_EQ(run.exitCode, -1);
}

} // namespace
