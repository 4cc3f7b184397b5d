// Names and the card-type branch of the file-copy scanner with the host
// build's installation state (the Win32 build tests them against
// g_ControllerList in tests/win32/controller).
#ifndef _WIN32
#include "base/CObjList.h"
#include "controller/CardTypeTable9x.h"
#include "controller/CardTypeTableNt.h"
#include "controller/Names.h"
#include "controller/SetupContextHost.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const char *Texts(unsigned id)
{
    switch (id) {
    case 1044: return "VxD";
    case 1045: return "SYS";
    case 2020: return "QEB";
    case 2083: return "drivers";
    default: return "?";
    }
}

class HostSetupFixture : public ::testing::Test {
protected:
    void Use(int os, int driver)
    {
        ResetHostSetup();
        g_HostSetup.osVersion = os;
        g_HostSetup.table = (os >= 6) ? static_cast<const CardTypeTable *>(&m_nt) : &m_9x;
        g_HostSetup.driverKind = driver;
        g_HostSetup.text = Texts;
    }
    void TearDown() override { ResetHostSetup(); }
    CardTypeTableNt m_nt;
    CardTypeTable9x m_9x;
};

struct DriverCase {
    int os, driverKey, type, kind;
    const char *name;
};

class DriverNames : public HostSetupFixture, public ::testing::WithParamInterface<DriverCase> {};

TEST_P(DriverNames, PerSystemFamily)
{
    const DriverCase &c = GetParam();
    Use(c.os, c.driverKey);
    EXPECT_STREQ(DriverFileName(c.type, c.kind), c.name);
}

INSTANTIATE_TEST_SUITE_P(Table, DriverNames, ::testing::Values(
    DriverCase{2, 0, 16, 1, "k4base.vxd"}, DriverCase{2, 0, 16, 2, "k4base"},
    DriverCase{5, 0, 16, 3, "k4base.sys"}, DriverCase{7, 0, 16, 1, "k4base.sys"},
    DriverCase{7, 0, 16, 2, "k4base.sys"}, DriverCase{6, 0, 64, 1, "p7cbase.sys"},
    DriverCase{5, 1, 64, 0, "wpcmbase.vxd"}, DriverCase{5, 3, 65, 0, "w5base.sys"},
    DriverCase{0, 1, 16, 1, "k4base"}, DriverCase{5, 1, 99, 0, ".vxd"}));

struct ProtocolFileCase {
    int driverKey, type, protocol;
    const char *name;
};

class ProtocolFiles : public HostSetupFixture, public ::testing::WithParamInterface<ProtocolFileCase> {};

TEST_P(ProtocolFiles, PassiveBaseNameOrActiveFirmware)
{
    const ProtocolFileCase &c = GetParam();
    Use(5, c.driverKey);
    EXPECT_STREQ(ProtocolFileName(c.type, c.protocol), c.name);
}

INSTANTIATE_TEST_SUITE_P(Table, ProtocolFiles, ::testing::Values(
    ProtocolFileCase{1, 65, 7, "w5gsm.t4"}, ProtocolFileCase{1, 36, 5, "p7usa.t4"},
    ProtocolFileCase{1, 24, 6, "zbase.tr6"}, ProtocolFileCase{1, 24, 3, "zbase.usa"},
    ProtocolFileCase{1, 24, 0, "zbase.vxd"}, ProtocolFileCase{3, 24, 0, "zbase.sys"},
    ProtocolFileCase{0, 24, 0, "zbase"}, ProtocolFileCase{1, 64, 0, "w3.t4"}));

TEST_F(HostSetupFixture, ControllerNames)
{
    Use(7, 2);
    EXPECT_STREQ(ControllerName(90), "SerialLink GSM");
    EXPECT_STREQ(ControllerName(64), "QEB Mobile ISDN-Controller W3");
    EXPECT_STREQ(ControllerName(16), "QEB ISDN-Controller K4");
    g_HostSetup.mainText = "QEB Card Setup";
    EXPECT_STREQ(ControllerName(64), "QEB Card Setup");
}

TEST_F(HostSetupFixture, SetupTexts)
{
    Use(7, 2);
    g_HostSetup.cardType = 21;
    EXPECT_STREQ(GetSetupText(5005), "zusbtst.exe");
    EXPECT_STREQ(GetSetupText(5006), "readme.doc");   // 21 has no UseWriteReadme
    g_HostSetup.cardType = 16;
    EXPECT_STREQ(GetSetupText(5006), "readme.wri");
    g_HostSetup.addInfo10 = true;
    EXPECT_STREQ(GetSetupText(5006), "readme.doc");
    Use(5, 1);
    g_HostSetup.cardType = 16;
    EXPECT_STREQ(GetSetupText(5006), "readme.doc");
    EXPECT_STREQ(GetSetupText(2020), "QEB");
}

struct DriverCopyCase {
    int os, driverKey, type;
    const char *line;
    std::vector<int> protocols; // of the added driver copies, in order
    const char *section, *destination;
};

class DriverCopies : public HostSetupFixture, public ::testing::WithParamInterface<DriverCopyCase> {};

TEST_P(DriverCopies, ProtocolFilesAddTheDriver)
{
    const DriverCopyCase &c = GetParam();
    Use(c.os, c.driverKey);
    CObjList list;
    list.SetCardType(c.type);
    ASSERT_TRUE(list.ScanLine("Prog", c.line));
    ASSERT_EQ(list.GetCount(), 1 + c.protocols.size());
    const ObjEntry *first = static_cast<const ObjEntry *>(list.GetAt(0));
    EXPECT_EQ(first->protocol, 16);
    for (size_t i = 0; i < c.protocols.size(); ++i) {
        const ObjEntry *copy = static_cast<const ObjEntry *>(list.GetAt(static_cast<unsigned>(i + 1)));
        EXPECT_EQ(copy->protocol, c.protocols[i]);
        EXPECT_STREQ(copy->section, c.section);
        EXPECT_STREQ(copy->destination, c.destination);
        EXPECT_STREQ(copy->source, first->source);
        EXPECT_EQ(copy->size, first->size);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DriverCopies, ::testing::Values(
    // Passive on Windows 98 with vxd: the .tr6 file for 1TR6, the .vxd for DSS1.
    DriverCopyCase{5, 1, 24, "ZBASE.TR_ = ZBASE.TR6,1,1,1,0,0,0,10\n", {6}, "WinSys", "zbase.vxd"},
    DriverCopyCase{5, 1, 24, "zbase.vx_ = zbase.vxd,1,1,1,0,0,0,10\n", {0}, "WinSys", "zbase.vxd"},
    DriverCopyCase{5, 3, 24, "zbase.us_ = zbase.usa,1,0,0,0,0,0,10\n", {3}, "Drv", "zbase.sys"},
    DriverCopyCase{7, 2, 24, "zbase.us_ = zbase.usa,1,0,0,0,0,0,10\n", {3}, "Drv", "zbase.sys"},
    // Active: firmware names; p7tr6.t4 contains no "p7.t4", p7usa.t4 neither.
    DriverCopyCase{7, 2, 32, "p7.t4 = p7.t4,1,0,0,0,0,0,10\n", {0}, "Drv", "p7cbase.sys"},
    DriverCopyCase{7, 2, 32, "p7tr6.t4 = p7tr6.t4,1,0,0,0,0,0,10\n", {6}, "Drv", "p7cbase.sys"},
    DriverCopyCase{7, 2, 64, "w3.t4 = w3.t4,1,0,0,0,0,0,10\n", {6, 0, 3}, "Drv", "p7cbase.sys"},
    DriverCopyCase{7, 2, 24, "readme.txt = readme.txt,1,0,0,0,0,0,10\n", {}, "", ""},
    // An unknown type has no protocol files, not an empty one matching all.
    DriverCopyCase{5, 0, 99, "any.dll = any.dll,1,0,0,0,0,0,10\n", {}, "", ""},
    DriverCopyCase{5, 1, 99, "x.tr6 = x.tr6,1,0,0,0,0,0,10\n", {}, "", ""}));

TEST_F(HostSetupFixture, DestinationLowerCasedOnlyWithCardType)
{
    Use(5, 1);
    CObjList plain;
    ASSERT_TRUE(plain.ScanLine("Prog", "A.EXE = B.EXE,1,0,0,0,0,0,1\n"));
    EXPECT_STREQ(static_cast<const ObjEntry *>(plain.GetFirst())->destination, "B.EXE");
    CObjList typed;
    typed.SetCardType(16);
    ASSERT_TRUE(typed.ScanLine("Prog", "A.EXE = B.EXE,1,0,0,0,0,0,1\n"));
    EXPECT_STREQ(static_cast<const ObjEntry *>(typed.GetFirst())->destination, "b.exe");
}

struct DestDirCase {
    int os;
    const char *section, *dir;
};

class DestDirs : public HostSetupFixture, public ::testing::WithParamInterface<DestDirCase> {};

TEST_P(DestDirs, BySection)
{
    const DestDirCase &c = GetParam();
    Use(c.os, 2);
    g_HostSetup.installPath = "C:\\IDriver";
    g_HostSetup.windowsDirectory = "C:\\WIN";
    g_HostSetup.systemDirectory = c.os >= 6 ? "C:\\WIN\\system32" : "C:\\WIN\\SYSTEM";
    CObjList list;
    std::string line = std::string("f.dll = g.dll,1,0,0,0,0,0,1\n");
    ASSERT_TRUE(list.ScanLine(c.section, line.c_str()));
    char dir[260];
    ASSERT_TRUE(list.GetDestDir(static_cast<const ObjEntry *>(list.GetFirst()), dir, sizeof dir));
    EXPECT_STREQ(dir, c.dir);
    char path[260];
    ASSERT_TRUE(list.GetDestPath(0, path, sizeof path));
    EXPECT_EQ(std::string(path), std::string(c.dir) + "\\g.dll");
}

INSTANTIATE_TEST_SUITE_P(Table, DestDirs, ::testing::Values(
    DestDirCase{7, "WinSys32", "C:\\WIN\\system32"}, DestDirCase{7, "WinSys", "C:\\WIN\\system"},
    DestDirCase{5, "WinSys", "C:\\WIN\\SYSTEM"}, DestDirCase{5, "WinSys32", "C:\\WIN\\SYSTEM"},
    DestDirCase{7, "Win", "C:\\WIN"}, DestDirCase{7, "Windows", "C:\\WIN"},
    DestDirCase{7, "Drv", "C:\\WIN\\system32\\drivers"},
    DestDirCase{5, " Drv", "C:\\WIN\\SYSTEM32\\drivers"},
    DestDirCase{7, "Prog", "C:\\IDriver"}, DestDirCase{7, "winsys", "C:\\IDriver"}));

TEST_F(HostSetupFixture, DestDirRefusesNullAndStaysInBuffer)
{
    Use(7, 2);
    std::string longPath(300, 'p');
    g_HostSetup.installPath = longPath.c_str();
    CObjList list;
    ASSERT_TRUE(list.ScanLine("Prog", "f = g,1,0,0,0,0,0,1\n"));
    char small[16];
    EXPECT_FALSE(list.GetDestDir(nullptr, small, sizeof small));
    EXPECT_FALSE(list.GetDestDir(static_cast<const ObjEntry *>(list.GetFirst()), nullptr, 5));
    ASSERT_TRUE(list.GetDestPath(0, small, sizeof small));
    EXPECT_EQ(std::string(small), std::string(15, 'p'));
    EXPECT_FALSE(list.GetDestPath(1, small, sizeof small));
}
} // namespace
#endif
