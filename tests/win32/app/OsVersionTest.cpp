#include "app/OsVersion.h"
#include "app/ProgramState.h"
#include <gtest/gtest.h>

namespace {
struct VersionCase {
    DWORD platform, major, minor, build;
    DWORD getVersion;
    int expected;
};

OSVERSIONINFOA Info(const VersionCase &c)
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    info.dwPlatformId = c.platform;
    info.dwMajorVersion = c.major;
    info.dwMinorVersion = c.minor;
    info.dwBuildNumber = c.build;
    return info;
}
} // namespace

class OsVersionRules : public ::testing::TestWithParam<VersionCase> {};

TEST_P(OsVersionRules, Classifies)
{
    const VersionCase &c = GetParam();
    EXPECT_EQ(ClassifyOsVersion(TRUE, Info(c), c.getVersion), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, OsVersionRules, ::testing::Values(
    VersionCase{0, 3, 10, 0, 0, Win3x32s},
    VersionCase{1, 4, 0, 950, 0, Win95},
    VersionCase{1, 4, 0, 1080, 0, Win95},
    VersionCase{1, 4, 0, 1081, 0, Win95b20},
    VersionCase{1, 4, 0, 1111, 0, Win95b20},
    VersionCase{1, 4, 0, 1112, 0, Win95b21},
    VersionCase{1, 4, 0, 1500, 0, Win95b21},
    VersionCase{1, 4, 0, 1501, 0, WinUnsupported},
    VersionCase{1, 4, 0, 0x04000000u | 950, 0, Win95},      // high word ignored
    VersionCase{1, 4, 10, 0x040A07CEu, 0, Win98},
    VersionCase{1, 4, 90, 3000, 0, Win98},
    VersionCase{1, 5, 0, 3000, 0, Win98},
    VersionCase{2, 3, 51, 1057, 0x04210333u, WinNT351},
    VersionCase{2, 4, 0, 1381, 0x05650004u, WinNT40},
    VersionCase{2, 5, 0, 2195, 0x08930005u, WinNT50},
    VersionCase{2, 6, 1, 7601, 0x1DB10106u, WinNT351},
    VersionCase{3, 5, 0, 0, 0, WinUnsupported}));

TEST(OsVersion, FailedQueryIsUnsupported)
{
    OSVERSIONINFOA info{};
    EXPECT_EQ(ClassifyOsVersion(FALSE, info, 0), WinUnsupported);
}

TEST(OsVersion, PredicatesFollowTheStoredValue)
{
    int saved = OsVersion;
    struct { int os; bool w9x, nt, nt4; } rows[] = {
        {Win3x32s, false, false, false}, {Win95, true, false, false}, {Win98, true, false, false},
        {WinNT351, false, true, false},  {WinNT40, false, true, true}, {WinNT50, false, true, true},
        {WinUnsupported, false, false, false}};
    for (auto &r : rows) {
        OsVersion = r.os;
        EXPECT_EQ(IsWin9x(), r.w9x) << r.os;
        EXPECT_EQ(IsWinNT(), r.nt) << r.os;
        EXPECT_EQ(IsWinNT4orLater(), r.nt4) << r.os;
    }
    OsVersion = saved;
}
