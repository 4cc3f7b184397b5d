#include "base/TextHelpers.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

TEST(IsBlank, NullEmptyAndWhitespaceAreBlank)
{
    EXPECT_TRUE(IsBlank(nullptr));
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank(" \t\r\n"));
    EXPECT_FALSE(IsBlank(" x "));
    EXPECT_FALSE(HasSpace(nullptr));
    EXPECT_TRUE(HasSpace("C:\\Program Files"));
    EXPECT_FALSE(HasSpace("C:\\IDriver"));
}

struct JoinCase {
    const char *first, *second, *expected;
};

class JoinPathCases : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinPathCases, JoinsWithExactlyOneBackslash)
{
    const JoinCase &c = GetParam();
    EXPECT_STREQ(JoinPath(c.first, c.second), c.expected);
    EXPECT_STREQ(JoinPathSecond(c.first, c.second), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, JoinPathCases,
    ::testing::Values(JoinCase{"C:\\IDriver", "k4.sys", "C:\\IDriver\\k4.sys"},
                      JoinCase{"C:\\IDriver\\", "k4.sys", "C:\\IDriver\\k4.sys"},
                      JoinCase{"", "k4.sys", "k4.sys"},
                      JoinCase{"  ", "k4.sys", "k4.sys"},
                      JoinCase{"C:\\IDriver", "", "C:\\IDriver\\"},
                      JoinCase{"C:\\IDriver\\", " ", "C:\\IDriver\\"}));

TEST(JoinPath, BlankFirstReturnsSecondItself)
{
    const char *name = "k4.sys";
    EXPECT_EQ(JoinPath("", name), name);
}

TEST(JoinPath, GivenBufferIsUsedUnlessSecondIsBlank)
{
    char buffer[DirTextSize];
    EXPECT_EQ(JoinPath("C:\\a", "b", buffer), buffer);
    EXPECT_STREQ(buffer, "C:\\a\\b");
    std::strcpy(buffer, "untouched");
    const char *r = JoinPath("C:\\a", "", buffer);
    EXPECT_NE(r, buffer);
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_STREQ(r, "C:\\a\\");
}

TEST(JoinPath, TwoStaticBuffersHoldTwoResults)
{
    const char *a = JoinPath("C:\\x", "1");
    const char *b = JoinPathSecond("D:\\y", "2");
    EXPECT_STREQ(a, "C:\\x\\1");
    EXPECT_STREQ(b, "D:\\y\\2");
}

TEST(JoinPath, TrimmedRemovesWhitespaceOfFirst)
{
    EXPECT_STREQ(JoinPathTrimmed(" C:\\Program Dir \r\n", "x"), "C:\\ProgramDir\\x");
}

TEST(JoinPath, OverlongPartsAreCutWithinTheBuffer)
{
    std::string longDir(1000, 'd'), longName(1000, 'n');
    const char *r = JoinPath(longDir.c_str(), longName.c_str());
    EXPECT_EQ(std::strlen(r), static_cast<size_t>(DirTextSize - 1));
    char small[8];
    JoinPath("C:\\abcdef", "g", small, sizeof small);
    EXPECT_STREQ(small, "C:\\abcd");
}

TEST(JoinWithSpace, Rules)
{
    const char *first = "abc";
    EXPECT_EQ(JoinWithSpace(first, ""), first);
    EXPECT_EQ(JoinWithSpace(first, nullptr), first);
    EXPECT_STREQ(JoinWithSpace("", "def"), "");
    EXPECT_STREQ(JoinWithSpace("abc", "def"), "abc def");
}

TEST(AddBackslash, AppendsOnlyWhenMissing)
{
    char a[16] = "C:\\x";
    AddBackslash(a, sizeof a);
    EXPECT_STREQ(a, "C:\\x\\");
    AddBackslash(a, sizeof a);
    EXPECT_STREQ(a, "C:\\x\\");
    char empty[4] = "";
    AddBackslash(empty, sizeof empty);
    EXPECT_STREQ(empty, "\\");
    char full[4] = "abc";
    AddBackslash(full, sizeof full); // no room: unchanged, no overflow
    EXPECT_STREQ(full, "abc");
}

TEST(CutHelpers, TrailingCharAndLastBackslash)
{
    char a[16] = "C:\\x\\";
    CutTrailingChar(a, '\\');
    EXPECT_STREQ(a, "C:\\x");
    CutTrailingChar(a, '\\');
    EXPECT_STREQ(a, "C:\\x");
    char path[32] = "C:\\dir\\setup.exe";
    char copy[32];
    EXPECT_EQ(CutAfterLastBackslash(path, copy, sizeof copy), copy);
    EXPECT_STREQ(copy, "C:\\dir\\");
    EXPECT_STREQ(path, "C:\\dir\\setup.exe");
    EXPECT_STREQ(CutAfterLastBackslash(path), "C:\\dir\\");
    char bare[16] = "setup.exe";
    EXPECT_STREQ(CutAfterLastBackslash(bare), "setup.exe");
}

TEST(RemoveWhitespace, RemovesAndCutsAt130)
{
    char a[32] = " a b\tc\r\n";
    RemoveWhitespace(a);
    EXPECT_STREQ(a, "abc");
    char blank[8] = " \t ";
    RemoveWhitespace(blank);
    EXPECT_STREQ(blank, " \t ");
    std::string longText(300, 'x');
    std::vector<char> buf(longText.begin(), longText.end());
    buf.push_back('\0');
    RemoveWhitespace(buf.data());
    EXPECT_EQ(std::strlen(buf.data()), 130u);
}

TEST(NextToken, EmptyTokensAndEnd)
{
    EXPECT_STREQ(NextToken("a,,b", ','), "a");
    EXPECT_STREQ(NextToken(nullptr, ','), "");
    EXPECT_STREQ(NextToken(nullptr, ','), "b");
    EXPECT_EQ(NextToken(nullptr, ','), nullptr);
    EXPECT_STREQ(NextToken("single", ','), "single");
    EXPECT_EQ(NextToken(nullptr, ','), nullptr);
}

TEST(NextToken, LongTextIsCutTo254)
{
    std::string longText(1000, 'y');
    EXPECT_EQ(std::strlen(NextToken(longText.c_str(), ',')), 254u);
}

TEST(IsCommentLine, BlanksBeforeSemicolonOnly)
{
    EXPECT_TRUE(IsCommentLine("  \t; note"));
    EXPECT_FALSE(IsCommentLine("x ; note"));
    EXPECT_FALSE(IsCommentLine(nullptr));
    EXPECT_FALSE(IsCommentLine(""));
}

struct RemoveCase {
    const char *text, *sub, *expected;
};

class RemoveSubstringCases : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveSubstringCases, CutsFirstOccurrence)
{
    char buf[64];
    std::strcpy(buf, GetParam().text);
    RemoveSubstring(buf, GetParam().sub);
    EXPECT_STREQ(buf, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RemoveSubstringCases,
    ::testing::Values(RemoveCase{"-Delete -Log   ", "-Log", "-Delete "},
                      RemoveCase{"-Log -Delete", "-Log", " -Delete"},
                      RemoveCase{"a-Logb-Log", "-Log", "ab-Log"},
                      RemoveCase{"nothing", "-Log", "nothing"}));

TEST(DoubleBackslashes, SplitsRunsAndDropsEnds)
{
    char a[256] = "\\SystemRoot\\System32\\Drivers\\capimap.sys";
    DoubleBackslashes(a, sizeof a);
    EXPECT_STREQ(a, "SystemRoot\\\\System32\\\\Drivers\\\\capimap.sys");
    char b[256] = "\\\\a\\\\\\b\\";
    DoubleBackslashes(b, sizeof b);
    EXPECT_STREQ(b, "a\\\\b");
    char blank[8] = "  ";
    DoubleBackslashes(blank, sizeof blank);
    EXPECT_STREQ(blank, "  ");
}

TEST(DoubleBackslashes, LongPathIsCutTo255)
{
    std::string path;
    for (int i = 0; i < 200; ++i) path += "\\ab";
    std::vector<char> buf(path.begin(), path.end());
    buf.resize(1000, '\0');
    DoubleBackslashes(buf.data(), buf.size());
    EXPECT_EQ(std::strlen(buf.data()), 255u);
}

TEST(SafeCopy, CutsAndTerminates)
{
    char a[4];
    SafeCopy(a, "abcdef", sizeof a);
    EXPECT_STREQ(a, "abc");
    SafeCopy(a, nullptr, sizeof a);
    EXPECT_STREQ(a, "");
    char b[6] = "ab";
    SafeAppend(b, "cdefg", sizeof b);
    EXPECT_STREQ(b, "abcde");
}
