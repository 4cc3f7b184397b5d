// Real start-ups of setup.exe under Wine: command lines, Windows versions,
// the second instance and the debug log.
#include "Robot.h"
#include "base/CDebugFile.h"
#include "config/CStringTable.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>

using namespace robot;

namespace {

const DWORD kRunTimeout = 20000;

// The text setup.exe shows for an id: the medium's string table, in English.
std::string TextOf(unsigned id)
{
    CStringTable table((SampleMediumDir() + "\\QEBstr.bin").c_str(), "english", &Log());
    if (const char *text = table.LookupText(id)) return text;
    char missing[64];
    std::snprintf(missing, sizeof missing, "(string #%u not found)", id);
    return missing;
}

std::string LogPath() { return WindowsDir() + "\\qeb.log"; }

std::string ReadLog() { return ReadTextFile(LogPath()); }

std::string SetupIni(const char *os, const char *driver)
{
    return std::string("[Setup]\nLanguage=english\nCardType=P7pci\nSections=Files\n") +
           "OS=" + os + "\nDriver=" + driver + "\n[Files]\n";
}

const std::string &NtIni()
{
    static const std::string ini = SetupIni("winnt", "sys");
    return ini;
}

bool Contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

class StartUp : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileA(LogPath().c_str()); }

    // Starts setup.exe on a medium and answers every message box with OK,
    // collecting their texts, until the program ends.
    long Run(const Medium &medium, const std::string &args, const std::string &version)
    {
        boxes.clear();
        if (!process.Start(medium.Exe(), args, version)) return -3;
        DWORD start = GetTickCount();
        while (process.Running() && GetTickCount() - start < kRunTimeout) {
            MessageBoxSeen seen = AnswerMessageBox(process, IDOK, 500);
            if (seen.found) boxes.push_back(seen.text);
        }
        return process.Wait(2000);
    }

    Process process;
    std::vector<std::string> boxes;
};

} // namespace

struct VersionCase {
    const char *wine;
    const char *name;
    const char *os;
    const char *driver;
};

class StartUpVersions : public StartUp, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(StartUpVersions, LogNamesModeAndSystem)
{
    const VersionCase &c = GetParam();
    Medium medium(std::string("version-") + c.wine, SetupIni(c.os, c.driver));
    EXPECT_EQ(Run(medium, "-Log", c.wine), 0);
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    std::string log = ReadLog();
    EXPECT_EQ(log.compare(0, 7, "opened "), 0) << log;
    EXPECT_TRUE(Contains(log, "GetProgramMode: ''\n")) << log;
    EXPECT_TRUE(Contains(log, "InfoOpen: ''\n")) << log;
    EXPECT_TRUE(Contains(log, "Programm Modus: InstallMode\n")) << log;
    EXPECT_TRUE(Contains(log, std::string("Betriebssystem: >>>> ") + c.name + " <<<<\n")) << log;
    EXPECT_TRUE(Contains(log, "InstallDlgSequence=1\n")) << log;
    EXPECT_TRUE(Contains(log, "InfoClose\n")) << log;
    EXPECT_EQ(log.rfind("closed "), log.rfind('\n', log.size() - 2) + 1) << log;
}

INSTANTIATE_TEST_SUITE_P(Wine, StartUpVersions, ::testing::Values(
    VersionCase{"win95", "Win95", "win95", "vxd"},
    VersionCase{"win98", "Win98", "win98", "vxd"},
    VersionCase{"nt351", "WinNT351", "winnt", "sys"},
    VersionCase{"nt40", "WinNT40", "winnt", "sys"},
    VersionCase{"win2k", "WinNT50", "winnt", "wdm"}),
    [](const ::testing::TestParamInfo<VersionCase> &info) { return std::string(info.param.wine); });

struct CmdLineCase {
    const char *label;
    const char *args;
    std::vector<std::string> boxes; // expected message box texts, in order
    long exitCode;
    const char *logLine;            // a line the log must hold ("" for none)
};

class CommandLines : public StartUp, public ::testing::WithParamInterface<CmdLineCase> {};

TEST_P(CommandLines, BoxesModeAndResult)
{
    const CmdLineCase &c = GetParam();
    Medium medium("cmdline", NtIni());
    EXPECT_EQ(Run(medium, c.args, "nt40"), c.exitCode);
    ASSERT_EQ(boxes.size(), c.boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) EXPECT_EQ(boxes[i], c.boxes[i]) << i;
    if (*c.logLine) {
        EXPECT_TRUE(Contains(ReadLog(), c.logLine)) << ReadLog();
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLines, ::testing::Values(
    CmdLineCase{"DeleteAndSetProt", "-Delete -SetProt -Log", {TextOf(1007)}, 0,
                "Programm Modus: InstallMode\n"},
    CmdLineCase{"SetSpid1Ctrl2", "-SetSPID1 -Ctrl2 -Log", {}, 0,
                "'-Ctrl' 2\nInfoOpen: '  '\n"},
    CmdLineCase{"SetSpid1Mode", "-SetSPID1 -Ctrl2 -Log", {}, 0, "Programm Modus: SetSPIDMode1\n"},
    CmdLineCase{"SetSpid2Mode", "-Log -SetSPID2 -Ctrl3", {}, 0, "Programm Modus: SetSPIDMode2\n"},
    CmdLineCase{"SetSpid1WithoutCtrl", "-SetSPID1 -Log", {TextOf(1007)}, 0,
                "Programm Modus: InstallMode\n"},
    CmdLineCase{"CtrlLetterIsZero", "-SetSPID1 -CtrlX -Log", {}, 0, "'-Ctrl' 0\n"},
    CmdLineCase{"LowerCaseSpidIsNoOption", "-setspid -Log", {"CmdLine Error:'-setspid '"}, 0,
                "Programm Modus: InstallMode\n"},
    CmdLineCase{"HelpAlone", "-?", {"CmdLine Error:'-?'", TextOf(601)}, -1, ""},
    CmdLineCase{"HelpWithDelete", "-? -Delete", {TextOf(601)}, -1, ""},
    CmdLineCase{"DeleteMode", "-Delete -Log", {}, 0, "Programm Modus: DeleteMode\n"},
    CmdLineCase{"DeleteFinishWithoutControllers", "-Delete -Log", {}, 0,
                "kein Controller mehr\n"},
    CmdLineCase{"SetProtIsKonfig", "-SetProt -Log", {}, 0, "Programm Modus: KonfigMode\n"},
    CmdLineCase{"TestMode", "-Test -Log", {}, 0, "Programm Modus: TestSPIDMode\n"},
    CmdLineCase{"DeleteTwice", "-Delete -Delete -Log", {TextOf(1007)}, 0,
                "Programm Modus: InstallMode\n"},
    CmdLineCase{"OptionInsideWord", "x-Deletey -Log", {}, 0, "Programm Modus: DeleteMode\n"},
    CmdLineCase{"HighBytes", "-Log \xE4\xF6\xFC\xDF", {"CmdLine Error:' \xE4\xF6\xFC\xDF'"}, 0,
                "Programm Modus: InstallMode\n"}),
    [](const ::testing::TestParamInfo<CmdLineCase> &info) { return std::string(info.param.label); });

TEST_F(StartUp, RestoreInCapitalsIsARestoreRun)
{
    Medium medium("restore", NtIni());
    ASSERT_TRUE(process.Start(medium.Exe(), "-RESTORE -Log", "nt40"));
    EXPECT_EQ(process.Wait(kRunTimeout), 0);
    EXPECT_FALSE(FileExists(LogPath())); // no log, no window, no controller information
}

class LongCommandLines : public StartUp, public ::testing::WithParamInterface<size_t> {};

TEST_P(LongCommandLines, AreCutTo255Characters)
{
    size_t n = GetParam();
    std::string args(n, 'a');
    for (size_t i = 7; i < n; i += 8) args[i] = ' ';
    Medium medium("long", NtIni());
    EXPECT_EQ(Run(medium, args, "nt40"), 0);
    if (n == 0) {
        EXPECT_TRUE(boxes.empty());
        return;
    }
    ASSERT_EQ(boxes.size(), 1u);
    // The box shows the line as far as the 256-byte message holds it.
    std::string shown = "CmdLine Error:'" + args.substr(0, 255) + "'";
    EXPECT_EQ(boxes[0], shown.substr(0, 255));
}

INSTANTIATE_TEST_SUITE_P(Lengths, LongCommandLines, ::testing::Values(0u, 255u, 256u, 10000u));

TEST_F(StartUp, SecondInstanceBringsTheFirstForwardAndEnds)
{
    Medium medium("instance", NtIni());
    ASSERT_TRUE(process.Start(medium.Exe(), "waiting", "nt40"));
    HWND box = WaitForWindow(process.Pid(), [](const WindowInfo &w) {
        return w.className == "#32770" && !Buttons(w.hwnd).empty();
    }, 10000);
    ASSERT_NE(box, nullptr);
    HWND main = FindMainWindow(process.Pid(), 5000);
    ASSERT_NE(main, nullptr);
    CreateDirectoryA((BuildDir() + "\\screenshots").c_str(), NULL);
    EXPECT_TRUE(Screenshot(BuildDir() + "\\screenshots\\cmdline-error.png"));

    ShowWindowAsync(main, SW_MINIMIZE);
    for (int i = 0; i < 100 && !IsIconic(main); ++i) Sleep(20);
    ASSERT_TRUE(IsIconic(main));

    Process second;
    ASSERT_TRUE(second.Start(medium.Exe(), "", "nt40"));
    EXPECT_EQ(second.Wait(kRunTimeout), 0);
    for (int i = 0; i < 100 && IsIconic(main); ++i) Sleep(20);
    EXPECT_FALSE(IsIconic(main));
    EXPECT_TRUE(process.Running());

    PressButton(box, IDOK);
    EXPECT_EQ(process.Wait(kRunTimeout), 0);
}

struct RefusalCase {
    const char *label;
    const char *wine;
    const char *os;
    const char *driver;
    unsigned warning; // 0: start-up goes on
};

class SystemChecks : public StartUp, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SystemChecks, SetupIniMustFitTheSystem)
{
    const RefusalCase &c = GetParam();
    Medium medium("checks", SetupIni(c.os, c.driver));
    long result = Run(medium, "", c.wine);
    if (c.warning == 0) {
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(boxes.empty()) << boxes.front();
        return;
    }
    EXPECT_EQ(result, -1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], TextOf(c.warning));
}

INSTANTIATE_TEST_SUITE_P(Table, SystemChecks, ::testing::Values(
    RefusalCase{"NtIniOnWin98", "win98", "winnt", "vxd", 1013},
    RefusalCase{"Win98IniOnNt", "nt40", "win98", "sys", 1012},
    RefusalCase{"Win95IniOnWin2k", "win2k", "win95", "sys", 1012},
    RefusalCase{"VxdOnNt", "nt40", "winnt", "vxd", 1048},
    RefusalCase{"SysOnWin95", "win95", "win95", "sys", 1049},
    RefusalCase{"SysOnWin98GoesOn", "win98", "win98", "sys", 0},
    RefusalCase{"WdmOnNt40", "nt40", "winnt", "wdm", 1050},
    RefusalCase{"WdmOnNt351", "nt351", "winnt", "wdm", 1050},
    RefusalCase{"WdmOnWin95", "win95", "win95", "wdm", 1050},
    RefusalCase{"WdmOnWin98GoesOn", "win98", "win98", "wdm", 0}),
    [](const ::testing::TestParamInfo<RefusalCase> &info) { return std::string(info.param.label); });

TEST_F(StartUp, MissingSetupIniEndsWithWarning1001)
{
    Medium medium("no-ini", "");
    EXPECT_EQ(Run(medium, "", "nt40"), -1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], TextOf(1001));
}
