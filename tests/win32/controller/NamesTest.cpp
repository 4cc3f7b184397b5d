#include "TestController.h"
#include "base/CObjList.h"
#include "config/GetStringByID.h"
#include "controller/CardTypeTable.h"
#include "controller/Names.h"
#include "controller/Protocols.h"
#include <gtest/gtest.h>
#include <string>

struct VariantCase {
    int os;
    bool table;
    const char *baseName64;
};

class TableVariants : public ::testing::TestWithParam<VariantCase> {};

TEST_P(TableVariants, ChosenBySystem)
{
    const VariantCase &c = GetParam();
    ScopedController cci(c.os);
    CardTypeTable *table = cci->GetCardTypeTable();
    ASSERT_EQ(table != nullptr, c.table);
    if (table) {
        EXPECT_STREQ(table->GetBaseName(64), c.baseName64);
        EXPECT_FALSE(table->IsInconsistent());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TableVariants, ::testing::Values(
    VariantCase{WinNT351, true, "p7cbase"}, VariantCase{WinNT40, true, "p7cbase"},
    VariantCase{WinNT50, true, "p7cbase"}, VariantCase{Win95, true, "wpcmbase"},
    VariantCase{Win95b20, true, "wpcmbase"}, VariantCase{Win95b21, true, "wpcmbase"},
    VariantCase{Win98, true, "wpcmbase"}, VariantCase{Win3x32s, false, ""},
    VariantCase{WinUnsupported, false, ""}));

TEST(Names, WithoutTableEverythingIsUnknown)
{
    ScopedController cci(WinUnsupported);
    cci->SetDriverKind(1);
    EXPECT_STREQ(DriverFileName(16, 1), "");
    EXPECT_STREQ(ProtocolFileName(16, 6), ".tr6");
    EXPECT_STREQ(GetSetupText(5005), "");
    CObjList list;
    list.SetCardType(16);
    ASSERT_TRUE(list.ScanLine("Prog", "x.tr6 = x.tr6,1,0,0,0,0,0,1\n"));
    EXPECT_EQ(list.GetCount(), 1u); // no driver copy without a driver name
}

struct DriverCase {
    int os, driverKey, type, kind;
    const char *name;
};

class RealDriverNames : public ::testing::TestWithParam<DriverCase> {};

TEST_P(RealDriverNames, PerSystemFamily)
{
    const DriverCase &c = GetParam();
    ScopedController cci(c.os);
    cci->SetDriverKind(c.driverKey);
    EXPECT_STREQ(DriverFileName(c.type, c.kind), c.name);
}

INSTANTIATE_TEST_SUITE_P(Table, RealDriverNames, ::testing::Values(
    DriverCase{Win95, 0, 16, 1, "k4base.vxd"}, DriverCase{Win95, 0, 16, 2, "k4base"},
    DriverCase{Win98, 0, 16, 3, "k4base.sys"}, DriverCase{WinNT40, 0, 16, 1, "k4base.sys"},
    DriverCase{WinNT40, 0, 16, 2, "k4base.sys"}, DriverCase{WinNT50, 3, 64, 0, "p7cbase.sys"},
    DriverCase{Win98, 1, 64, 0, "wpcmbase.vxd"}, DriverCase{Win98, 3, 65, 0, "w5base.sys"}));

TEST(Names, ControllerNameFromStringTableAndTable)
{
    ScopedController cci(WinNT40);
    EXPECT_STREQ(ControllerName(90), "SerialLink GSM");
    EXPECT_EQ(std::string(ControllerName(64)),
              std::string(GetStringByID(2020)) + " Mobile ISDN-Controller W3");
    EXPECT_EQ(std::string(ControllerName(36)),
              std::string(GetStringByID(2020)) + " ISDN-Controller P7 PCI");
}

TEST(Names, ProtocolFileWithDriverExtensionText)
{
    ScopedController cci(Win98);
    cci->SetDriverKind(1);
    std::string ext = GetStringByID(1044);
    for (char &ch : ext) ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(std::string(ProtocolFileName(24, 0)), "zbase." + ext);
    EXPECT_STREQ(ProtocolFileName(24, 6), "zbase.tr6");
    EXPECT_STREQ(ProtocolFileName(65, 7), "w5gsm.t4");
    cci->SetDriverKind(0);
    EXPECT_STREQ(ProtocolFileName(24, 0), "zbase");
}

TEST(Names, ReadmeAndTestProgram)
{
    {
        ScopedController cci(WinNT40);
        cci->CardType = 16;
        EXPECT_STREQ(GetSetupText(5005), "k4test.exe");
        EXPECT_STREQ(GetSetupText(5006), "readme.wri");
        cci->SetAddInfo0(0x10);
        EXPECT_STREQ(GetSetupText(5006), "readme.doc");
        cci->SetAddInfo0(0);
        cci->CardType = 65;
        EXPECT_STREQ(GetSetupText(5006), "readme.doc");
        EXPECT_EQ(std::string(GetSetupText(2020)), std::string(GetStringByID(2020)));
    }
    ScopedController cci(Win98);
    cci->CardType = 16;
    EXPECT_STREQ(GetSetupText(5006), "readme.doc");
}

TEST(Names, DriverCopiesOfTheScannerGoToDrvOnNt)
{
    ScopedController cci(WinNT40);
    cci->SetDriverKind(2);
    CObjList list;
    list.SetCardType(24);
    ASSERT_TRUE(list.ScanLine("Prog", "ZBASE.TR_ = ZBASE.TR6,1,1,1,0,0,0,10\n"));
    ASSERT_EQ(list.GetCount(), 2u);
    const ObjEntry *copy = static_cast<const ObjEntry *>(list.GetAt(1));
    EXPECT_STREQ(copy->section, "Drv");
    EXPECT_STREQ(copy->destination, "zbase.sys");
    EXPECT_EQ(copy->protocol, 6);
}
