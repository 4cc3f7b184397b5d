#include "TestController.h"
#include "../../robot/Robot.h"
#include "config/CInfInfo.h"
#include "config/GetStringByID.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// "[name]" as the reader matches it: no whitespace inside.
std::string Header(std::string name)
{
    std::string out = "[";
    for (char c : name)
        if (c != ' ' && c != '\t') out += c;
    return out + "]\n";
}

std::vector<std::string> Split(const std::string &text)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        pieces.push_back(text.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) return pieces;
        start = comma + 1;
    }
}

std::vector<std::string> Names(const CFNList &list)
{
    std::vector<std::string> names;
    for (ListNode *n = list.GetHeadNode(); n; n = n->next)
        names.push_back(static_cast<CFname *>(n->element)->name);
    return names;
}

class InfFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = ProgramDirectory;
        m_dir = robot::BuildDir() + "\\test-cinfinfo";
        CreateDirectoryA(m_dir.c_str(), NULL);
        lstrcpynA(ProgramDirectory, (m_dir + "\\").c_str(), sizeof ProgramDirectory);
        DeleteFileA((m_dir + "\\k4setup.inf").c_str());
    }
    void TearDown() override
    {
        DeleteFileA((m_dir + "\\k4setup.inf").c_str());
        lstrcpynA(ProgramDirectory, m_saved.c_str(), sizeof ProgramDirectory);
    }
    // With g_ControllerList in place: an INF file whose text-2115 sections list the given names (the first
    // section all of them, the others one comment each) and, when asked,
    // the keep section of the K4.
    void WriteInf(const std::vector<std::string> &all, const std::vector<std::string> *keep)
    {
        std::string content = "[Version]\nSignature=\"$CHICAGO$\"\n";
        std::vector<std::string> sections = Split(GetStringByID(2115));
        for (size_t i = 0; i < sections.size(); ++i) {
            content += Header(sections[i]);
            if (i == 0)
                for (const std::string &n : all) content += n + ",,,\n";
            else
                content += "; nothing here\n";
        }
        if (keep) {
            content += Header(std::string("K4.") + GetStringByID(2106));
            for (const std::string &n : *keep) content += n + "\n";
        }
        ASSERT_TRUE(robot::WriteFile(m_dir + "\\k4setup.inf", content));
    }
    std::string m_saved, m_dir;
};
} // namespace

TEST_F(InfFixture, MissingInfIsSuccessWithEmptyLists)
{
    ScopedController cci(WinNT40);
    cci->CardType = 16;
    CInfInfo info;
    EXPECT_TRUE(info.GetInformation("k4setup.inf"));
    EXPECT_EQ(info.m_AllFilesList.GetCount(), 0u);
    EXPECT_EQ(info.m_KillThemList.GetCount(), 0u);
    EXPECT_EQ(info.GetStatus(), 0);
}

TEST_F(InfFixture, KeepListRemovesOneCopyPerName)
{
    std::vector<std::string> all = {"k4base.sys", "shared.dll", "zbase.sys", "shared.dll", "K4TEST.EXE"};
    std::vector<std::string> keep = {"k4base.sys", "shared.dll", "k4test.exe", "absent.dll"};
    ScopedController cci(WinNT40);
    cci->CardType = 16;
    WriteInf(all, &keep);
    CInfInfo info;
    ASSERT_TRUE(info.GetInformation("k4setup.inf"));
    EXPECT_EQ(Names(info.m_AllFilesList), all);
    // Exact comparison: K4TEST.EXE is not k4test.exe.
    EXPECT_EQ(Names(info.m_KillThemList),
              (std::vector<std::string>{"zbase.sys", "shared.dll", "K4TEST.EXE"}));
}

TEST_F(InfFixture, MissingKeepSectionFailsAfterBothListsWereFilled)
{
    std::vector<std::string> all = {"a.sys", "b.dll"};
    ScopedController cci(WinNT40);
    cci->CardType = 16;
    WriteInf(all, nullptr);
    CInfInfo info;
    EXPECT_FALSE(info.GetInformation("k4setup.inf"));
    EXPECT_EQ(Names(info.m_AllFilesList), all);
    EXPECT_EQ(Names(info.m_KillThemList), all);
}
