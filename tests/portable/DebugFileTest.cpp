#include "base/CDebugFile.h"
#include "base/Platform.h"
#include "ScratchFiles.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#ifndef _WIN32
#include <csignal>
#include <unistd.h>
#include <sys/resource.h>
#endif

namespace {


// Read in text mode, so the line ends of Windows read as line feeds.
std::string Slurp(const std::string &path)
{
    std::string out;
    FILE *f = std::fopen(path.c_str(), "r");
    if (!f) return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    std::fclose(f);
    return out;
}

// The log's text after its "opened" line.
std::string Body(const std::string &text)
{
    size_t eol = text.find('\n');
    return eol == std::string::npos ? "" : text.substr(eol + 1);
}

class DebugFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = ScratchName("debugfile.log");
        std::remove(path.c_str());
    }
    void TearDown() override { std::remove(path.c_str()); }
    std::string path;
    CDebugFile log;
};

} // namespace

TEST_F(DebugFileTest, ConstructedClosedWithErrorOne)
{
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(log.GetError(), 1);
    EXPECT_STREQ(log.ErrorText(), "No Error occured!");
    EXPECT_EQ(log.WriteLine("dropped"), 0);
}

TEST_F(DebugFileTest, OpenedAndClosedEntriesCarryTimeAndDate)
{
    ASSERT_TRUE(log.Open(path.c_str(), true));
    log.Close();
    std::string text = Slurp(path);
    int h, m, s, mo, d, y;
    char tail;
    ASSERT_EQ(std::sscanf(text.c_str(), "opened %2d:%2d:%2d %2d/%2d/%2d%c", &h, &m, &s, &mo, &d, &y,
                          &tail), 7) << text;
    EXPECT_EQ(tail, '\n');
    EXPECT_EQ(Body(text).compare(0, 7, "closed "), 0) << text;
    EXPECT_EQ(text.size(), std::string("opened 12:00:00 01/02/03\n").size() * 2);
}

struct LineCase {
    const char *format;
    const char *expected;
};

class LineFeedRule : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineFeedRule, EndsWithExactlyOneLineFeed)
{
    char buf[CDebugFile::TextSize];
    std::snprintf(buf, sizeof buf, "%s", GetParam().format);
    CDebugFile::ApplyLineFeedRule(buf, sizeof buf);
    EXPECT_STREQ(buf, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, LineFeedRule,
    ::testing::Values(LineCase{"abc", "abc\n"}, LineCase{"abc\n  ", "abc\n"},
                      LineCase{"abc\n\t \t", "abc\n"}, LineCase{"", "\n"},
                      LineCase{"abc  ", "abc  \n"}, LineCase{"a\nb", "a\nb\n"}));

TEST_F(DebugFileTest, WriteThenWriteLineMakeOneLine)
{
    ASSERT_TRUE(log.Open(path.c_str(), true));
    log.Write("CList::AddElement");
    log.WriteLine(" %d", 3);
    log.WriteLine("abc\n  ");
    log.WriteValue(42, nullptr);
    log.WriteValue(255, "0x%x");
    log.WriteLine(nullptr);
    log.SetFlush(true);
    log.WriteLine("x");
    std::string body = Body(Slurp(path));
    EXPECT_EQ(body, "CList::AddElement 3\nabc\n42\n0xff\nNULL\nx\n");
}

TEST_F(DebugFileTest, OpenOnOpenLogChangesNothing)
{
    ASSERT_TRUE(log.Open(path.c_str(), true));
    std::string other = ScratchName("other.log");
    EXPECT_TRUE(log.Open(other.c_str(), true));
    EXPECT_EQ(log.GetPath(), path);
    log.Close();
    EXPECT_EQ(Slurp(other), "");
    std::string text = Slurp(path);
    EXPECT_EQ(text.find("opened"), 0u);
    EXPECT_EQ(text.find("opened", 1), std::string::npos);
}

TEST_F(DebugFileTest, BlankNameIsTheIsOpenQuery)
{
    EXPECT_FALSE(log.Open("", false));
    EXPECT_EQ(log.GetError(), 4);
    EXPECT_FALSE(log.Open(" \t", false));
    EXPECT_FALSE(log.Open(nullptr, true));
    EXPECT_FALSE(log.IsOpen());
    ASSERT_TRUE(log.Open(path.c_str(), true));
    EXPECT_TRUE(log.Open("", false));
}

TEST_F(DebugFileTest, AppendKeepsAndRewriteEmpties)
{
    ASSERT_TRUE(log.Open(path.c_str(), true));
    log.WriteLine("first");
    log.Close();
    ASSERT_TRUE(log.Open(path.c_str(), false));
    log.Close();
    EXPECT_NE(Slurp(path).find("first"), std::string::npos);
    ASSERT_TRUE(log.Open(path.c_str(), true));
    log.Close();
    EXPECT_EQ(Slurp(path).find("first"), std::string::npos);
}

TEST_F(DebugFileTest, FailedOpenSetsErrorByMode)
{
#ifdef _WIN32
    std::string bad = ScratchName("no-such-dir\\x.log");
#else
    std::string bad = "/no-such-dir/x\\y.log";
#endif
    EXPECT_FALSE(log.Open(bad.c_str(), true));
    EXPECT_EQ(log.GetError(), 3);
    EXPECT_STREQ(log.ErrorText(), "Cannot open File to rewrite!");
    EXPECT_FALSE(log.Open(bad.c_str(), false));
    EXPECT_EQ(log.GetError(), 2);
    EXPECT_STREQ(CDebugFile::ErrorText(5), "Could not write file! Disk full?");
    EXPECT_STREQ(CDebugFile::ErrorText(99), "Unknown error code");
}

TEST_F(DebugFileTest, NameWithoutBackslashGoesToWindowsDirectory)
{
    char dir[CDebugFile::TextSize];
    PlatformWindowsDirectory(dir, sizeof dir);
    std::string expected = std::string(dir) + (dir[0] && dir[std::strlen(dir) - 1] == '\\' ? "" : "\\") +
                           "qeb-test-name.log";
    ASSERT_TRUE(log.Open("qeb-test-name.log", true));
    EXPECT_EQ(log.GetPath(), expected);
    log.Close();
    std::remove(expected.c_str());
}

TEST_F(DebugFileTest, LongEntriesAreCutAndEndWithLineFeed)
{
    ASSERT_TRUE(log.Open(path.c_str(), true));
    std::string longText(5000, 'z');
    log.WriteLine("%s", longText.c_str());
    log.Write("%s", longText.c_str());
    log.WriteLine("");
    log.Close();
    std::string body = Body(Slurp(path));
    EXPECT_EQ(body.substr(0, 254), std::string(253, 'z') + "\n");
    EXPECT_EQ(body.substr(254, 255), std::string(254, 'z') + "\n");
}

TEST_F(DebugFileTest, LineLimitStartsTheFileOver)
{
    ASSERT_TRUE(log.Open(path.c_str(), true));
    log.SetLineLimit(3);
    log.WriteLine("one");
    log.WriteLine("two"); // third entry: the file starts over
    log.WriteLine("three");
    log.Close();
    std::string text = Slurp(path);
    EXPECT_EQ(text.find("one"), std::string::npos) << text;
    EXPECT_NE(text.find("three"), std::string::npos) << text;
    EXPECT_EQ(text.find("opened"), 0u);
}

#ifndef _WIN32
TEST_F(DebugFileTest, FailedWriteClosesTheLog)
{
    ASSERT_TRUE(log.Open(path.c_str(), true));
    log.SetFlush(true);
    struct rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 40;
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    std::string longText(200, 'w');
    log.WriteLine("%s", longText.c_str());
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(log.GetError(), 5);
    EXPECT_STREQ(log.ErrorText(), "Could not write file! Disk full?");
    log.WriteLine("dropped");
    EXPECT_EQ(Slurp(path).find("dropped"), std::string::npos);
}
#endif
