// The log entries of the list classes, read back from a real log file.
#include "base/CDebugFile.h"
#include "base/CFNList.h"
#include "base/CKVList.h"
#include "base/CObjList.h"
#include "ScratchFiles.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

std::vector<std::string> Lines(const std::string &path)
{
    std::vector<std::string> lines;
    FILE *f = std::fopen(path.c_str(), "r");
    if (!f) return lines;
    char buf[1024];
    while (std::fgets(buf, sizeof buf, f)) {
        std::string line = buf;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        lines.push_back(line);
    }
    std::fclose(f);
    return lines;
}

class ListLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_log = ScratchName("listlog.log");
        m_list = "qeb_listlog.ini";
        std::remove(m_log.c_str());
        FILE *f = std::fopen(m_list.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("[WinSys]\na.dll\nb.dll\n", f);
        std::fclose(f);
        m_saved = g_DebugFile;
        g_DebugFile = &m_file;
        ASSERT_TRUE(m_file.Open(m_log.c_str(), true));
    }
    void TearDown() override
    {
        m_file.Close();
        g_DebugFile = m_saved;
        std::remove(m_log.c_str());
        std::remove(m_list.c_str());
    }
    // The entries between the log's own first and last lines.
    std::vector<std::string> Entries()
    {
        m_file.Close();
        std::vector<std::string> lines = Lines(m_log);
        if (!lines.empty()) lines.erase(lines.begin());
        if (!lines.empty() && lines.back().rfind("closed ", 0) == 0) lines.pop_back();
        return lines;
    }
    std::string m_log, m_list;
    CDebugFile m_file;
    CDebugFile *m_saved = nullptr;
};
} // namespace

TEST_F(ListLog, FillingTwoSectionsWithMissingSecond)
{
    {
        CFNList list;
        EXPECT_FALSE(list.FillListFromFile(m_list.c_str(), "WinSys,Gone"));
    }
    std::vector<std::string> expected = {
        "CList",
        "CFNList()",
        "CList::FillListFromFile 'qeb_listlog.ini','WinSys,Gone'",
        "CList::FillListFromSection 'WinSys'",
        "Suche Sektion:[winsys]",
        "CFname()",
        "CFNList::ScanLine 'a.dll",  // the line keeps its line feed
        "'",
        "CList::AddElementerstes",
        "CFname()",
        "CFNList::ScanLine 'b.dll",
        "'",
        "CList::AddElement 1",
        "CList::FillListFromSection 'Gone'",
        "Suche Sektion:[gone]",
        "'Gone' nicht gefunden",
        "CList::RemoveAll",
        "~CList",
    };
    EXPECT_EQ(Entries(), expected);
}

TEST_F(ListLog, MissingFileAndScanError)
{
    {
        CObjList list;
        EXPECT_FALSE(list.FillListFromFile("qeb_no_such.ini", "WinSys"));
        EXPECT_FALSE(list.FillListFromFile(m_list.c_str(), "WinSys"));
        list.GetSizeOfAllFiles();
    }
    std::vector<std::string> entries = Entries();
    auto has = [&](const std::string &line) {
        for (const std::string &e : entries)
            if (e == line) return true;
        return false;
    };
    EXPECT_TRUE(has("CObjList"));
    EXPECT_TRUE(has("'qeb_no_such.ini' nicht gefunden"));
    EXPECT_TRUE(has("Scan Fehler 1006"));
    EXPECT_TRUE(has("CObjList::GetSizeOfAllFiles 0"));
    ASSERT_GE(entries.size(), 2u);
    EXPECT_EQ(entries[entries.size() - 3], "~CObjList");
    EXPECT_EQ(entries.back(), "~CList");
}
