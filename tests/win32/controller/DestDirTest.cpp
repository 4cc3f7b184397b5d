#include "TestController.h"
#include "base/CObjList.h"
#include "config/GetStringByID.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

namespace {
std::string SystemDir()
{
    char dir[MAX_PATH];
    GetSystemDirectoryA(dir, sizeof dir);
    return dir;
}

std::string WindowsDir()
{
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    return dir;
}

std::string Cut32(std::string dir)
{
    size_t at = dir.find("32");
    if (at != std::string::npos) dir.erase(at, 2);
    return dir;
}

std::string DestDir(const char *section)
{
    CObjList list;
    std::string line = "f.dll = g.dll,1,0,0,0,0,0,1\n";
    if (!list.ScanLine(section, line.c_str())) return "<scan failed>";
    char dir[MAX_PATH];
    if (!list.GetDestDir(static_cast<const ObjEntry *>(list.GetFirst()), dir, sizeof dir))
        return "<failed>";
    char path[MAX_PATH];
    list.GetDestPath(0, path, sizeof path);
    EXPECT_EQ(std::string(path), std::string(dir) + "\\g.dll");
    return dir;
}

struct DestCase {
    int os;
    const char *section;
};

class RealDestDirs : public ::testing::TestWithParam<DestCase> {};

TEST_P(RealDestDirs, AgainstTheSystemsDirectories)
{
    const DestCase &c = GetParam();
    ScopedController cci(c.os);
    lstrcpynA(cci->szInstallPath, "C:\\IDriver", sizeof cci->szInstallPath);
    WindowsDirectory[0] = SystemDirectory[0] = '\0'; // ask the system
    bool nt = c.os >= WinNT351;
    std::string section = c.section, expected;
    if (section.find("WinSys32") != std::string::npos)
        expected = SystemDir();
    else if (section.find("WinSys") != std::string::npos)
        expected = nt ? Cut32(SystemDir()) : SystemDir();
    else if (section.find("Win") != std::string::npos)
        expected = WindowsDir();
    else if (section.find("Drv") != std::string::npos)
        expected = SystemDir() + (nt ? "" : "32") + "\\" + GetStringByID(2083);
    else
        expected = "C:\\IDriver";
    EXPECT_EQ(DestDir(c.section), expected) << c.section;
}

INSTANTIATE_TEST_SUITE_P(Table, RealDestDirs, ::testing::Values(
    DestCase{WinNT40, "WinSys32"}, DestCase{WinNT40, "WinSys"}, DestCase{WinNT40, "Win"},
    DestCase{WinNT40, "Drv"}, DestCase{WinNT40, "Prog"}, DestCase{WinNT351, "WinSys"},
    DestCase{Win98, "WinSys32"}, DestCase{Win98, "WinSys"}, DestCase{Win98, "Windows"},
    DestCase{Win98, " Drv"}, DestCase{Win95, "Prog"}));

TEST(RealDestDir, WinSysOnNtIsTheSixteenBitSystemDirectory)
{
    ScopedController cci(WinNT40);
    WindowsDirectory[0] = SystemDirectory[0] = '\0';
    std::string dir = DestDir("WinSys");
    EXPECT_EQ(dir, WindowsDir() + "\\system") << "Wine keeps its 16-bit system directory there";
    EXPECT_NE(GetFileAttributesA(dir.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(RealDestDir, DirectoriesFilledAtStartUpWin)
{
    ScopedController cci(WinNT40);
    lstrcpynA(WindowsDirectory, "D:\\W", sizeof WindowsDirectory);
    lstrcpynA(SystemDirectory, "D:\\W\\system32", sizeof SystemDirectory);
    EXPECT_EQ(DestDir("Win"), "D:\\W");
    EXPECT_EQ(DestDir("WinSys"), "D:\\W\\system");
    WindowsDirectory[0] = SystemDirectory[0] = '\0';
}
} // namespace
