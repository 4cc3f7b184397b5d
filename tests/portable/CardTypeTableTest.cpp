#include "controller/CardTypeTable9x.h"
#include "controller/CardTypeTableNt.h"
#include "controller/SetupContext.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
std::vector<int> Ids(CardTypeList *list)
{
    std::vector<int> ids;
    if (list) ids.assign(list->ids, list->ids + list->count);
    FreeCardTypeList(list);
    return ids;
}
} // namespace

TEST(CardTypeTable, BothVariantsAreConsistent)
{
    CardTypeTableNt nt;
    CardTypeTable9x nine;
    EXPECT_FALSE(nt.IsInconsistent());
    EXPECT_FALSE(nine.IsInconsistent());
    EXPECT_TRUE(nt.IsTableConsistent());
}

struct FindCase {
    int column;
    const char *text;
    int type;
};

class FindCardTypes : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindCardTypes, FindsFirstRowIgnoringCase)
{
    CardTypeTableNt table;
    EXPECT_EQ(table.FindCardType(GetParam().column, GetParam().text), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Table, FindCardTypes, ::testing::Values(
    FindCase{1, "P7pci", 36}, FindCase{1, "p7PCI", 36}, FindCase{1, "P7PCI", 36},
    FindCase{1, "P7 PCI", 0},          // a display name, not a registry name
    FindCase{2, "p7 pci", 36},
    FindCase{0, "GSMSET.INF", 28},     // two rows share it: the first wins
    FindCase{3, "p7test.exe", 32},
    FindCase{3, "test.exe", 90},
    FindCase{1, "K4", 16}, FindCase{1, "K4 ", 0}, FindCase{1, "", 0},
    FindCase{1, nullptr, 0}, FindCase{4, "K4", 0}, FindCase{-1, "K4", 0}));

TEST(CardTypeTable, StringsAndBaseType)
{
    CardTypeTable9x table;
    EXPECT_STREQ(table.GetCardString(36, 2), "P7 PCI");
    EXPECT_STREQ(table.GetBaseDisplayName(36), "P7");
    EXPECT_EQ(table.GetBaseType(36), 32);
    EXPECT_EQ(table.GetBaseType(65), 65);
    EXPECT_STREQ(table.GetInfFile(80), "J2setup.inf");
    EXPECT_STREQ(table.GetRegistryName(25), "ZANDOpcmcia");
    EXPECT_STREQ(table.GetTestProgram(21), "zusbtst.exe");
    EXPECT_STREQ(table.GetCardString(36, 4), "");
    EXPECT_STREQ(table.GetCardString(99, 0), "");
    EXPECT_EQ(table.GetBaseType(0), 0);
}

struct FlagRowCase {
    int type;
    int bus;
    const char *flags; // IsActive .. HasTestLink
};

class FlagRows : public ::testing::TestWithParam<FlagRowCase> {};

TEST_P(FlagRows, BusAndFlags)
{
    const FlagRowCase &c = GetParam();
    CardTypeTableNt table;
    EXPECT_EQ(table.GetCardBus(c.type), c.bus);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(table.GetCardFlag(c.type, i) != 0, c.flags[i] == '1') << i;
    EXPECT_EQ(table.IsActive(c.type) != 0, c.flags[0] == '1');
    EXPECT_EQ(table.IsPassive(c.type) != 0, c.flags[0] != '1');
    EXPECT_EQ(table.IsMobile(c.type) != 0, c.flags[1] == '1');
    EXPECT_EQ(table.HasSerialNumber(c.type) != 0, c.flags[2] == '1');
    EXPECT_EQ(table.HasIoAndIrq(c.type) != 0, c.flags[3] == '1');
    EXPECT_EQ(table.IsComPort(c.type) != 0, c.flags[4] == '1');
    EXPECT_EQ(table.PnpNotice(c.type) != 0, c.flags[5] == '1');
    EXPECT_EQ(table.PlugNotice(c.type) != 0, c.flags[6] == '1');
    EXPECT_EQ(table.HasTestLink(c.type) != 0, c.flags[7] == '1');
}

INSTANTIATE_TEST_SUITE_P(Table, FlagRows, ::testing::Values(
    FlagRowCase{16, 1, "00010001"}, FlagRowCase{18, 1, "00110001"}, FlagRowCase{17, 4, "00010011"},
    FlagRowCase{21, 5, "00000010"}, FlagRowCase{26, 2, "00010101"}, FlagRowCase{27, 3, "00010101"},
    FlagRowCase{36, 3, "10110101"}, FlagRowCase{38, 5, "10100011"}, FlagRowCase{90, 6, "00001000"},
    FlagRowCase{80, 1, "10110000"}, FlagRowCase{22, 6, "01000000"}, FlagRowCase{64, 4, "11110011"},
    FlagRowCase{65, 4, "11110010"},
    FlagRowCase{99, 0, "00000000"}, FlagRowCase{0, 0, "00000000"}));

TEST(CardTypeTable, FlagIndexOutsideRangeIsFalse)
{
    CardTypeTableNt table;
    EXPECT_FALSE(table.GetCardFlag(64, 8));
    EXPECT_FALSE(table.GetCardFlag(64, -1));
}

TEST(CardTypeTable, ListCardTypes)
{
    CardTypeTableNt table;
    EXPECT_EQ(Ids(table.ListCardTypes(0, 0)),
              (std::vector<int>{16, 18, 17, 21, 24, 26, 27, 25, 90, 28, 22}));
    EXPECT_EQ(Ids(table.ListCardTypes(0, 1)), (std::vector<int>{32, 36, 35, 38, 80, 64, 65}));
    EXPECT_EQ(Ids(table.ListCardTypes(4, 1)), (std::vector<int>{90}));
    EXPECT_EQ(table.ListCardTypes(4, 2), nullptr);
    EXPECT_EQ(table.ListCardTypes(8, 0), nullptr);
}

struct BaseNameCase {
    int type;
    const char *nt, *nine;
    int columnA, columnB, writeReadme;
};

class BaseNames : public ::testing::TestWithParam<BaseNameCase> {};

TEST_P(BaseNames, PerFamily)
{
    const BaseNameCase &c = GetParam();
    CardTypeTableNt nt;
    CardTypeTable9x nine;
    EXPECT_STREQ(nt.GetBaseName(c.type), c.nt);
    EXPECT_STREQ(nine.GetBaseName(c.type), c.nine);
    EXPECT_EQ(nt.GetNtColumnA(c.type), c.columnA);
    EXPECT_EQ(nt.GetNtColumnB(c.type), c.columnB);
    EXPECT_EQ(nt.UseWriteReadme(c.type), c.writeReadme);
    EXPECT_EQ(nine.GetNtColumnA(c.type), 0);
    EXPECT_EQ(nine.GetNtColumnB(c.type), 0);
    EXPECT_EQ(nine.UseWriteReadme(c.type), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, BaseNames, ::testing::Values(
    BaseNameCase{64, "p7cbase", "wpcmbase", 0, 0, 1},
    BaseNameCase{65, "p7cbase", "w5base", 0, 0, 0},
    BaseNameCase{16, "k4base", "k4base", 0, 1, 1},
    BaseNameCase{17, "kpcmbase", "kpcmbase", 0, 0, 1},
    BaseNameCase{35, "p7cbase", "p7cbase", 0, 0, 1},
    BaseNameCase{38, "p7usb", "p7usb", 0, 0, 1},
    BaseNameCase{80, "p7cbase", "p7cbase", 1, 0, 1},
    BaseNameCase{90, "sergsm", "sergsm", 0, 1, 0},
    BaseNameCase{21, "zusbbase", "zusbbase", 0, 0, 0},
    BaseNameCase{99, "", "", 0, 0, 0}));

TEST(CardTypeTable, NoRowUsesPpcmbase)
{
    CardTypeTableNt nt;
    CardTypeTable9x nine;
    for (const CardStringRow &row : CardStringTable) {
        EXPECT_STRNE(nt.GetBaseName(row.type), "ppcmbase");
        EXPECT_STRNE(nine.GetBaseName(row.type), "ppcmbase");
    }
}

TEST(CardTypeTable, EnumNames)
{
    CardTypeTable9x nine;
    EXPECT_STREQ(nine.GetEnumName(28), "root\\qebisdn");
    EXPECT_STREQ(nine.GetEnumName(16), "root\\qebisdn");
    EXPECT_STREQ(nine.GetEnumName(26), "isapnp");
    EXPECT_STREQ(nine.GetEnumName(27), "pci");
    EXPECT_STREQ(nine.GetEnumName(64), "pcmcia");
    EXPECT_STREQ(nine.GetEnumName(38), "usb");
    EXPECT_STREQ(nine.GetEnumName(99), "");
    CardTypeTableNt nt;
    std::string text2000 = SetupText(2000);
    EXPECT_EQ(nt.GetEnumName(26), text2000);
    EXPECT_EQ(nt.GetEnumName(99), text2000);
}

TEST(CardTypeTable, RowsAgreeDetectsOneChangedTypeId)
{
    EXPECT_TRUE(CardTypeTable::RowsAgree(
        {CardStringTable, CardFlagTable, CardBase9xTable, CardBaseNtTable}));
    for (int array = 0; array < 4; ++array) {
        for (int row : {0, 9, 17}) {
            CardStringRow strings[CardTypeRows];
            CardFlagRow flags[CardTypeRows];
            CardBase9xRow nine[CardTypeRows];
            CardBaseNtRow nt[CardTypeRows];
            std::memcpy(strings, CardStringTable, sizeof strings);
            std::memcpy(flags, CardFlagTable, sizeof flags);
            std::memcpy(nine, CardBase9xTable, sizeof nine);
            std::memcpy(nt, CardBaseNtTable, sizeof nt);
            int *id = array == 0 ? &strings[row].type : array == 1 ? &flags[row].type
                    : array == 2 ? &nine[row].type : &nt[row].type;
            *id += 1000;
            EXPECT_FALSE(CardTypeTable::RowsAgree({strings, flags, nine, nt}))
                << "array " << array << " row " << row;
        }
    }
}

#ifndef _WIN32
// The host stand-in of the message box counts instead of showing; under Wine
// the same construction is tested with the real message box (win32 tests).
extern int g_PlatformErrorCount;
extern char g_PlatformLastError[512];

TEST(CardTypeTable, InconsistentTableAnswersNotFound)
{
    CardBaseNtRow nt[CardTypeRows];
    std::memcpy(nt, CardBaseNtTable, sizeof nt);
    nt[5].type = 77;
    int before = g_PlatformErrorCount;
    CardTypeTableNt table(CardTypeArrays{CardStringTable, CardFlagTable, CardBase9xTable, nt});
    EXPECT_EQ(g_PlatformErrorCount, before + 1);
    EXPECT_STREQ(g_PlatformLastError, "...|IsTableConsistent()==FALSE");
    EXPECT_TRUE(table.IsInconsistent());
    EXPECT_STREQ(table.GetCardString(36, 2), "");
    EXPECT_FALSE(table.GetCardFlag(64, 0));
    EXPECT_EQ(table.GetCardBus(36), 0);
    EXPECT_EQ(table.GetBaseType(36), 0);
    EXPECT_EQ(table.FindCardType(1, "P7pci"), 0);
    EXPECT_EQ(table.ListCardTypes(0, 0), nullptr);
    EXPECT_STREQ(table.GetBaseName(64), "");
    EXPECT_EQ(table.GetNtColumnB(16), 0);
    EXPECT_EQ(table.GetNtColumnA(80), 0);
    EXPECT_FALSE(table.UseWriteReadme(16));

    CardBase9xRow nineRows[CardTypeRows];
    std::memcpy(nineRows, CardBase9xTable, sizeof nineRows);
    nineRows[17].type = 0;
    CardTypeTable9x nine(CardTypeArrays{CardStringTable, CardFlagTable, nineRows, CardBaseNtTable});
    EXPECT_EQ(g_PlatformErrorCount, before + 2);
    EXPECT_STREQ(nine.GetBaseName(64), "");
    EXPECT_STREQ(nine.GetEnumName(26), "");
    // The check of the table's own arrays makes it consistent again.
    EXPECT_TRUE(nine.IsTableConsistent());
    EXPECT_STREQ(nine.GetBaseName(64), "wpcmbase");
}
#endif
