#include "registry/CRegBase.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
std::string Message(CRegBase &object)
{
    char text[CRegBase::MessageSize];
    object.GetError(text);
    return text;
}
} // namespace

struct Win32Case {
    LONG result;
    int code;
};
class RegBaseWin32Mapping : public ::testing::TestWithParam<Win32Case> {};

TEST_P(RegBaseWin32Mapping, StoresTheMappedCode)
{
    CRegBase object;
    EXPECT_EQ(object.SetWin32Error(GetParam().result), GetParam().code);
    EXPECT_EQ(object.GetError(nullptr), GetParam().code);
    EXPECT_EQ(object.HasFurtherErrors(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, RegBaseWin32Mapping, ::testing::Values(
    Win32Case{0, 0}, Win32Case{2, 3}, Win32Case{3, 3}, Win32Case{5, 5}, Win32Case{6, 5},
    Win32Case{8, 6}, Win32Case{87, 19}, Win32Case{234, 16}, Win32Case{259, 7},
    Win32Case{1, 9}, Win32Case{1018, 9}, Win32Case{-1, 9}));

struct StickyCase {
    std::vector<int> codes; // codes set in a row through SetError
    int language;
    int code;
    int further;
    const char *message;
};
class RegBaseSticky : public ::testing::TestWithParam<StickyCase> {};

TEST_P(RegBaseSticky, FirstErrorWins)
{
    const StickyCase &c = GetParam();
    CRegBase object;
    object.SetLanguage(c.language);
    for (int code : c.codes) EXPECT_EQ(object.SetError(code), 1);
    EXPECT_EQ(object.GetError(nullptr), c.code);
    EXPECT_EQ(object.HasFurtherErrors(), c.further);
    EXPECT_EQ(Message(object), c.message);
}

INSTANTIATE_TEST_SUITE_P(Table, RegBaseSticky, ::testing::Values(
    StickyCase{{}, 0, 0, 0, "No Error FALSE"},
    StickyCase{{3}, 0, 3, 0, "Invalid path! FALSE"},
    StickyCase{{3, 5}, 0, 3, 1, "Invalid path! TRUE"},
    StickyCase{{5}, 1, 5, 0, "Zugriffsfehler! FALSE"},
    StickyCase{{3, 7, 12}, 1, 3, 1, "Ung\xFCltiger Pfad! TRUE"},
    StickyCase{{19, 3}, 0, 19, 1, "Cannot create subdirectory in root directory"},
    StickyCase{{19}, 1, 19, 0,
               "Im Rootverzeichnis k\xF6nnen keine Unterverzeichnisse erzeugt werden."},
    StickyCase{{16}, 1, 16, 0,
               "Es sind mehr Daten vorhanden, als in der Variablen gespeichert werden k\xF6nnen FALSE"},
    StickyCase{{21}, 0, 21, 0, ""},
    StickyCase{{23}, 0, 23, 0, "ERROR_LASTERROR FALSE"}));

TEST(RegBase, Win32SuccessLeavesAnErrorAlone)
{
    CRegBase object;
    object.SetError(5);
    EXPECT_EQ(object.SetWin32Error(0), 5);
    EXPECT_EQ(object.HasFurtherErrors(), 0);
    object.SetWin32Error(87);
    EXPECT_EQ(object.GetError(nullptr), 5);
    EXPECT_EQ(object.HasFurtherErrors(), 1);
}

TEST(RegBase, ClearErrorCodeKeepsTheFlagResetClearsBoth)
{
    CRegBase object;
    object.SetError(3);
    object.SetError(5);
    EXPECT_EQ(object.ClearErrorCode(), 0);
    EXPECT_EQ(object.GetError(nullptr), 0);
    EXPECT_EQ(Message(object), "No Error TRUE");
    object.SetError(12);
    EXPECT_EQ(Message(object), "String not found TRUE");
    object.Reset();
    EXPECT_EQ(object.GetError(nullptr), 0);
    EXPECT_EQ(Message(object), "No Error FALSE");
}

TEST(RegBase, NullBufferOnlyReturnsTheCode)
{
    CRegBase object;
    object.SetError(17);
    EXPECT_EQ(object.GetError(nullptr), 17);
}

TEST(RegBase, EveryMessageFitsTheWorkBuffer)
{
    for (int language = 0; language < 2; ++language)
        for (int code = 0; code <= 23; ++code) {
            CRegBase object;
            object.SetLanguage(language);
            object.SetError(code);
            object.SetError(1);
            char text[CRegBase::MessageSize + 16];
            std::memset(text, 'x', sizeof text);
            object.GetError(text);
            EXPECT_LT(std::strlen(text), static_cast<size_t>(CRegBase::MessageSize));
            EXPECT_EQ(text[CRegBase::MessageSize + 15], 'x');
            bool empty = code >= 20 && code <= 22;
            EXPECT_EQ(std::strlen(text) == 0, empty) << code;
        }
}
