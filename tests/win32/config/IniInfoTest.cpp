#include "ConfigFixture.h"
#include "config/CIniInfo.h"
#include "config/UtDrive.h"
#include <cstring>
#include "config/GetStringByID.h"

using cfgtest::ControllerFixture;

namespace {

// Sets the switches that only a resolvable card type lets GetInformation read.
struct IniProbe : CIniInfo {
    void Set(int addInfo0, int driver, const char *debug)
    {
        m_addInfo0 = addInfo0;
        m_driver = driver;
        SafeCopy(m_Debug, debug, sizeof m_Debug);
    }
};

struct ReadCase {
    const char *name;
    std::string setup; // body of section Setup
    int error;
    int os, driver;
};

const ReadCase kReadCases[] = {
    {"NoDriverKey", "OS=winnt\r\nCardType=P7pci\r\n", 1047, 2, 0},
    {"DriverWithoutKeyword", "Driver=386\r\nCardType=P7pci\r\n", 1047, 1, 0},
    // P7pci is found; the missing Sections key ends the reading with 1003.
    {"DriverInCapitals", "Driver=WDM\r\nOS=WinNT4\r\nCardType=P7pci\r\n", 1003, 2, 3},
    {"Windows98WithBlankKeepsDefault", "Driver=vxd\r\nOS=Windows 98\r\nCardType=P7pci\r\n", 1003, 1, 1},
    {"UnknownCardType", "Driver=sys\r\nOS=win98\r\nCardType=NoSuchCard\r\n", 1002, 3, 2},
    {"NoCardType", "Driver=sys\r\n", 1002, 1, 2},
};

class IniRead : public ControllerFixture, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(IniRead, GivesErrorCode)
{
    const ReadCase &c = GetParam();
    Build(std::string("read-") + c.name, "[Setup]\r\n" + c.setup);
    EXPECT_FALSE(g_ControllerList->CIniInfo::GetInformation(m_ini.c_str()));
    EXPECT_EQ(g_ControllerList->GetErrorCode(), c.error);
    EXPECT_EQ(g_ControllerList->GetOS(), c.os);
    EXPECT_EQ(g_ControllerList->GetDriver(), c.driver);
}

INSTANTIATE_TEST_SUITE_P(Table, IniRead, ::testing::ValuesIn(kReadCases),
                         [](const ::testing::TestParamInfo<ReadCase> &i) { return std::string(i.param.name); });

class IniInfoFiles : public ControllerFixture {};

TEST_F(IniInfoFiles, DefaultsOfMissingKeys)
{
    Build("defaults", "[Setup]\r\nDriver=sys\r\n");
    g_ControllerList->CIniInfo::GetInformation(m_ini.c_str());
    EXPECT_STREQ(g_ControllerList->GetAddText(), "");
    EXPECT_STREQ(g_ControllerList->GetMainText(), "");
    EXPECT_STREQ(g_ControllerList->GetProgGroup(), "QEB");
    EXPECT_STREQ(g_ControllerList->GetManuClass(), "QEB ISDN-Controller");
    EXPECT_STREQ(g_ControllerList->GetCopyRight(), "Copyright (C) QEB Kommunikationstechnik GmbH");
    EXPECT_STREQ(g_ControllerList->GetDebug(), "0");
    EXPECT_FALSE(g_ControllerList->HasClassInstaller());
    ProgramMode = DeleteMode; // no drive check outside the install mode
    EXPECT_STREQ(g_ControllerList->GetIDriver(), "C:\\IDriver");
    ProgramMode = NoMode;
}

TEST_F(IniInfoFiles, OverlongValuesAreCut)
{
    std::string longText(5000, 'x');
    Build("overlong", "[Setup]\r\nAddText=" + longText + "\r\nClassInstaller=" + longText +
                          "\r\nDriver=" + longText + "wdm\r\n");
    EXPECT_FALSE(g_ControllerList->CIniInfo::GetInformation(m_ini.c_str()));
    EXPECT_EQ(std::strlen(g_ControllerList->GetAddText()), 254u);
    EXPECT_TRUE(g_ControllerList->HasClassInstaller());
    EXPECT_EQ(g_ControllerList->GetErrorCode(), 1047); // the keyword lies beyond the 254 characters
}

TEST_F(IniInfoFiles, BinaryJunkGivesDriverError)
{
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919 + 13) & 0xFF);
    Build("junk", junk);
    EXPECT_FALSE(g_ControllerList->CIniInfo::GetInformation(m_ini.c_str()));
    EXPECT_EQ(g_ControllerList->GetErrorCode(), 1047);
}

TEST_F(IniInfoFiles, MissingFileGivesDriverError)
{
    Build("missing", "");
    EXPECT_FALSE(g_ControllerList->CIniInfo::GetInformation((m_dir + "\\none.ini").c_str()));
    EXPECT_EQ(g_ControllerList->GetErrorCode(), 1047);
}

TEST_F(IniInfoFiles, DriverExtensionFromStringTable)
{
    Build("extension", "[Setup]\r\nLanguage=english\r\n");
    IniProbe probe;
    struct { int driver; bool ok; const char *text; } rows[] = {
        {1, true, ".vxd"}, {2, true, ".sys"}, {3, true, ".sys"}, {0, false, ""}, {7, false, ""}};
    for (auto &r : rows) {
        probe.Set(0, r.driver, "0");
        char buffer[16] = "XYZ";
        EXPECT_EQ(probe.GetDriverExtension(buffer, sizeof buffer) != 0, r.ok) << r.driver;
        EXPECT_STREQ(buffer, r.text) << r.driver;
    }
    char small[8] = "ABC";
    probe.Set(0, 1, "0");
    EXPECT_FALSE(probe.GetDriverExtension(small, 4));
    EXPECT_STREQ(small, "abc");
}

TEST(IniInfo, AddInfoBits)
{
    IniProbe probe;
    struct { int bits; bool b10, b20, b40, b80, b100, b200; int low; } rows[] = {
        {0x000, false, false, false, false, false, false, 0},
        {0x003, false, false, false, false, false, false, 3},
        {0x010, true, false, false, false, false, false, 0},
        {0x020, false, true, false, false, false, false, 0},
        {0x080, false, false, false, true, false, false, 0},
        {0x100, false, false, false, false, true, false, 0},
        {0x200, false, false, false, false, false, false, 0}, // 0x200 alone counts not
        {0x240, false, false, true, false, false, true, 0},
        {0x3F2, true, true, true, true, true, true, 2},
    };
    for (auto &r : rows) {
        probe.Set(r.bits, 0, "0");
        EXPECT_EQ(probe.HasAddInfo10() != 0, r.b10) << std::hex << r.bits;
        EXPECT_EQ(probe.HasAddInfo20() != 0, r.b20) << std::hex << r.bits;
        EXPECT_EQ(probe.HasAddInfo40() != 0, r.b40) << std::hex << r.bits;
        EXPECT_EQ(probe.HasAddInfo80() != 0, r.b80) << std::hex << r.bits;
        EXPECT_EQ(probe.HasAddInfo100() != 0, r.b100) << std::hex << r.bits;
        EXPECT_EQ(probe.HasAddInfo200() != 0, r.b200) << std::hex << r.bits;
        EXPECT_EQ(probe.GetAddInfoLow(), r.low) << std::hex << r.bits;
    }
}

TEST(IniInfo, DebugByFirstCharacter)
{
    IniProbe probe;
    struct { const char *value; bool on; } rows[] = {{"1", true}, {"10", true}, {"0", false}, {"", false}, {" 1", false}};
    for (auto &r : rows) {
        probe.Set(0, 0, r.value);
        EXPECT_EQ(probe.IsDebug() != 0, r.on) << "'" << r.value << "'";
    }
}

TEST(IniInfo, LanguageNamesRememberTheLastValidIndex)
{
    IniProbe probe;
    EXPECT_STREQ(probe.GetLanguageName(0), "deutsch");
    EXPECT_STREQ(probe.GetLanguageName(5), "deutsch");
    EXPECT_STREQ(probe.GetLanguageName(1), "english");
    EXPECT_STREQ(probe.GetLanguageName(-1), "english");
}

TEST(UtDrive, CopyDriveLetter)
{
    struct { const char *target, *source, *expected; } rows[] = {
        {"C:\\IDriver", "D:\\WINDOWS", "D:\\IDriver"},
        {"C:\\IDriver\\Sub", "e:\\", "e:\\IDriver\\Sub"},
        {"\\IDriver", "D:\\WINDOWS", "D:\\IDriver"},
        {"C:\\IDriver", "\\\\server\\share", "C:\\IDriver"},
    };
    for (auto &r : rows) {
        char target[255];
        SafeCopy(target, r.target, sizeof target);
        UTcopyDriveLetter(target, r.source, sizeof target);
        EXPECT_STREQ(target, r.expected) << r.target << " / " << r.source;
    }
}

TEST(UtDrive, WritableDirectoryAndFileInTheWay)
{
    std::string dir = cfgtest::ScratchDir("utisro");
    std::string drive = dir.substr(0, 2), rest = dir.substr(2);
    int out = -1;
    EXPECT_EQ(UTisRO(drive.c_str(), rest.c_str(), &out), 0u);
    EXPECT_EQ(UTisRO(drive.c_str(), (rest + "\\new-sub").c_str(), &out), 0u);
    EXPECT_FALSE(robot::FileExists(dir + "\\new-sub")); // the probe is removed again
    robot::WriteFile(dir + "\\a-file", "x");
    EXPECT_EQ(UTisRO(drive.c_str(), (rest + "\\a-file").c_str(), &out), 1000u);
    EXPECT_EQ(out, 0);
}

} // namespace
