#include "../../robot/Robot.h"
#include "controller/CardTypeTableNt.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <memory>

namespace {
struct Construction {
    CardTypeArrays arrays;
    std::unique_ptr<CardTypeTableNt> table;
};

DWORD WINAPI Construct(void *param)
{
    Construction *c = static_cast<Construction *>(param);
    c->table.reset(new CardTypeTableNt(c->arrays));
    return 0;
}
} // namespace

TEST(TableMessageBox, InconsistentTableIsReportedOnceAndAnswersNotFound)
{
    CardFlagRow flags[CardTypeRows];
    std::memcpy(flags, CardFlagTable, sizeof flags);
    flags[9].type = 37;
    Construction c{{CardStringTable, flags, CardBase9xTable, CardBaseNtTable}, nullptr};
    HANDLE thread = CreateThread(NULL, 0, Construct, &c, 0, NULL);
    ASSERT_NE(thread, nullptr);
    HWND box = robot::WaitForWindow(GetCurrentProcessId(), [](const robot::WindowInfo &w) {
        return w.className == "#32770";
    }, 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(robot::WindowText(box), "...");
    EXPECT_NE(robot::StaticTexts(box).find("IsTableConsistent()==FALSE"), std::string::npos);
    robot::PressButton(box, IDOK);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    CloseHandle(thread);
    // Only one box.
    EXPECT_EQ(robot::WaitForWindow(GetCurrentProcessId(), [](const robot::WindowInfo &w) {
        return w.className == "#32770";
    }, 300), nullptr);
    ASSERT_TRUE(c.table);
    EXPECT_TRUE(c.table->IsInconsistent());
    EXPECT_STREQ(c.table->GetCardString(36, 2), "");
    EXPECT_EQ(c.table->GetCardBus(36), 0);
    EXPECT_FALSE(c.table->IsActive(36));
    EXPECT_STREQ(c.table->GetBaseName(64), "");
    EXPECT_EQ(c.table->FindCardType(1, "K4"), 0);
}
