#include "RegistryFixture.h"
#include "base/TextHelpers.h"
#include "config/GetStringByID.h"
#include "registry/CRegKey.h"
#include <cstring>

using RegHelpers = RegistryTest;

namespace {
std::string Text(const std::vector<BYTE> &data) { return std::string(data.begin(), data.end()); }
} // namespace

TEST_F(RegHelpers, DoesKeyExistLogsOneLineAndKeepsTheFailedObject)
{
    MakeKey("Present");
    EXPECT_EQ(RegDoesKeyExist("Missing"), 0);
    ASSERT_NE(ReadKeyCache(), nullptr);
    EXPECT_EQ(ReadKeyCache()->GetError(nullptr), REGERR_PATH);
    EXPECT_EQ(RegDoesKeyExist("Present"), 1);
    EXPECT_EQ(RegDoesKeyExist("PRESENT"), 1);
    EXPECT_EQ(RegDoesKeyExist(""), 0);
    EXPECT_EQ(TakeLog(), "RegDoesKeyExist : 'Missing'FALSE\n"
                         "RegDoesKeyExist : 'Present'TRUE\n"
                         "RegDoesKeyExist : 'PRESENT'TRUE\n"
                         "RegDoesKeyExist : ''FALSE\n");
}

TEST_F(RegHelpers, WriteCacheOpensAKeyOnceForARunOfWrites)
{
    MakeKey("Ctrl");
    long before = CRegKey::OpenCount();
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(RegCreateValue("Ctrl", ("v" + std::to_string(i)).c_str(), i), 1);
    EXPECT_EQ(CRegKey::OpenCount() - before, 1);
    RegCreateValue("CTRL", "again", "text", 0); // same key, other letter case
    EXPECT_EQ(CRegKey::OpenCount() - before, 1);
    MakeKey("Other");
    RegCreateValue("Other", "x", 1);
    EXPECT_EQ(CRegKey::OpenCount() - before, 2);
}

TEST_F(RegHelpers, GetValueNumberReadsDwordAndShortBinary)
{
    PutDword("K", "d", 1234);
    BYTE four[4] = {0x78, 0x56, 0x34, 0x12};
    PutValue("K", "b4", REG_BINARY, four, 4);
    BYTE two[2] = {0x34, 0x12};
    PutValue("K", "b2", REG_BINARY, two, 2);
    PutString("K", "s", "99");
    struct { const char *value; DWORD number; } rows[] = {
        {"d", 1234}, {"b4", 0x12345678}, {"b2", 0x1234}, {"s", 0}, {"missing", 0}};
    for (const auto &row : rows) {
        DWORD number = 77;
        EXPECT_EQ(RegGetValue("K", row.value, &number), 1) << row.value;
        EXPECT_EQ(number, row.number) << row.value;
    }
    DWORD number = 5;
    EXPECT_EQ(RegGetValue("NoKey", "d", &number), 1);
    EXPECT_EQ(number, 0u);
    EXPECT_EQ(RegGetValue("K", "", &number), 0);
    EXPECT_EQ(RegGetValue("K", "d", static_cast<DWORD *>(nullptr)), 0);
    std::string log = TakeLog();
    EXPECT_NE(log.find("RegGetValue: 'K','b4'->'305419896'\n"), std::string::npos) << log;
    EXPECT_NE(log.find("RegGetValue: 'NoKey','d'->'0'\n"), std::string::npos) << log;
    // The refused calls leave their entry open: the next one continues it.
    EXPECT_NE(log.find("RegGetValue: 'K','d'->'1234'\n"), std::string::npos) << log;
    EXPECT_NE(log.find("RegGetValue: 'K',''->RegGetValue: 'K','d'->"), std::string::npos) << log;
}

TEST_F(RegHelpers, GetValueTextVariants)
{
    PutString("K", "s", "hello");
    PutValue("K", "e", REG_EXPAND_SZ, "%x%", 4);
    char text[RegTextSize];
    EXPECT_EQ(RegGetValue("K", "s", text), 1);
    EXPECT_STREQ(text, "hello");
    EXPECT_EQ(RegGetValue("K", "e", text), 1);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(RegGetValue(HKEY_LOCAL_MACHINE, "K", "s", text), 1);
    EXPECT_STREQ(text, "hello");
    EXPECT_EQ(RegGetValue(HKEY_LOCAL_MACHINE, "K", "", text), 0);
    EXPECT_EQ(RegGetValue("K", nullptr, text), 0);
    EXPECT_EQ(RegGetValue("K", "s", static_cast<char *>(nullptr)), 0);
    TakeLog();
    RegGetValue("K", "s", text);
    EXPECT_EQ(TakeLog(), "RegGetValue: 'K','s'->'hello'\n");
}

TEST_F(RegHelpers, GetValueCutsLongTextToTheBuffer)
{
    std::string longText(1000, 'z');
    PutString("K", "long", longText);
    char buffer[RegTextSize + 8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(RegGetValue("K", "long", buffer), 1);
    EXPECT_EQ(std::strlen(buffer), static_cast<size_t>(RegTextSize - 1));
    for (size_t i = RegTextSize; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], '#');
    char small[16];
    EXPECT_EQ(RegGetValue("K", "long", small, sizeof small), 1);
    EXPECT_EQ(std::strlen(small), 15u);
}

TEST_F(RegHelpers, CreateValueChoosesTheType)
{
    MakeKey("K");
    EXPECT_EQ(RegCreateValue("K", "plain", "C:\\QEB", 0), 1);
    EXPECT_EQ(RegCreateValue("K", "expand", "%SystemRoot%\\qeb", 0), 1);
    const char list[] = "first\0second\0";
    EXPECT_EQ(RegCreateValue("K", "multi", list, sizeof list), 1);
    EXPECT_EQ(RegCreateValue("K", "", "default", 0), 1);
    EXPECT_EQ(RegCreateValue("K", "", 5), 0);
    EXPECT_EQ(RegCreateValue("K", "n", 5), 1);
    EXPECT_EQ(RegCreateValue("K", nullptr, "x", 0), 0);
    EXPECT_EQ(RegCreateValue("K", "x", nullptr, 0), 0);
    struct { const char *name; DWORD type; std::string data; } rows[] = {
        {"plain", REG_SZ, std::string("C:\\QEB", 7)},
        {"expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\qeb", 17)},
        {"multi", REG_MULTI_SZ, std::string(list, sizeof list)},
        {"", REG_SZ, std::string("default", 8)},
        {"n", REG_DWORD, std::string("\x05\0\0\0", 4)}};
    for (const auto &row : rows) {
        DWORD type = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(ReadValue("K", row.name, &type, &data)) << row.name;
        EXPECT_EQ(type, row.type) << row.name;
        EXPECT_EQ(Text(data), row.data) << row.name;
    }
    EXPECT_EQ(TakeLog(), "RegCreateValue: 'K','plain' 'C:\\QEB'\n"
                         "RegCreateValue: 'K','expand' '%SystemRoot%\\qeb'\n"
                         "RegCreateValue: 'K','multi' Multisz\n"
                         "\t'first'\n"
                         "\t'second'\n"
                         "RegCreateValue: 'K','' 'default'\n"
                         "RegCreateValue: 'K','',5\n"
                         "RegCreateValue: 'K','n',5\n"
                         "RegCreateValue: 'K','(null)' 'x'\n"
                         "RegCreateValue: 'K','x' '(null)'\n");
}

TEST_F(RegHelpers, CreateValueWalksAMultiStringWithinItsLength)
{
    MakeKey("K");
    const char open[] = {'a', 'b', '\0', 'c', 'd'}; // no final zero
    EXPECT_EQ(RegCreateValue("K", "open", open, sizeof open), 1);
    EXPECT_EQ(TakeLog(), "RegCreateValue: 'K','open' Multisz\n\t'ab'\n\t'cd'\n");
}

TEST_F(RegHelpers, CreateSubkeyAndRemoveAllKeys)
{
    MakeKey("Soft");
    EXPECT_EQ(RegCreateSubkey("Soft", "QEB\\Ctrl\\1"), 1);
    EXPECT_TRUE(KeyExists("Soft\\QEB\\Ctrl\\1"));
    EXPECT_EQ(KeyClass("Soft\\QEB\\Ctrl\\1"), "OwnClass");
    EXPECT_EQ(RegCreateSubkey("Soft", " "), 0);
    EXPECT_EQ(RegRemoveAllKeys("Soft"), 0);
    EXPECT_TRUE(KeyExists("Soft\\QEB"));
    EXPECT_EQ(RegRemoveAllKeys("Soft\\"), 0);
    EXPECT_TRUE(KeyExists("Soft\\QEB"));
    EXPECT_EQ(RegRemoveAllKeys("Soft\\QEB"), 1);
    EXPECT_FALSE(KeyExists("Soft\\QEB"));
    EXPECT_TRUE(KeyExists("Soft"));
    EXPECT_EQ(TakeLog(), "RegCreateSubkey: 'Soft','QEB\\Ctrl\\1'\n"
                         "RegCreateSubkey: 'Soft',' '\n"
                         "RegRemoveAllKeys 'Soft'\n"
                         "RegRemoveAllKeys 'Soft\\'\n"
                         "RegRemoveAllKeys 'Soft\\QEB'\n");
}

TEST_F(RegHelpers, DelValueAndExistence)
{
    PutString("K", "v", "x");
    EXPECT_EQ(RegDoesValueExist("K", "v"), 1);
    EXPECT_EQ(RegDelValue("K", "v"), 1);
    EXPECT_EQ(RegDoesValueExist("K", "v"), 0);
    EXPECT_EQ(RegDelValue("K", " "), 0);
    EXPECT_EQ(RegGetNumOfSubKeys("K"), 0);
    EXPECT_EQ(TakeLog(), "RegDoesValueExist: 'K','v'TRUE\n"
                         "RegDelValue: 'K'->'v'TRUE\n"
                         "RegDoesValueExist: 'K','v'FALSE\n"
                         "RegDelValue: 'K'->' 'RegGetNumOfSubKeys'K':'0'\n");
}

TEST_F(RegHelpers, IsKeyAccessibleReasons)
{
    MakeKey("Parent");
    int reason = -1;
    EXPECT_EQ(RegIsKeyAccessible("Parent\\NotYet", &reason), 1);
    EXPECT_EQ(reason, 1);
    EXPECT_EQ(RegIsKeyAccessible("Parent", &reason), 1);
    EXPECT_EQ(reason, 0);
    EXPECT_EQ(RegIsKeyAccessible("", &reason), 0);
    EXPECT_EQ(RegIsKeyAccessible("Parent", nullptr), 1);
    EXPECT_EQ(TakeLog(), "RegIsKeyAccessible: 'Parent\\NotYet' TRUE\n"
                         "RegIsKeyAccessible: 'Parent' TRUE\n"
                         "RegIsKeyAccessible: '' FALSE\n"
                         "RegIsKeyAccessible: 'Parent' TRUE\n");
}

TEST_F(RegHelpers, MultiSzInsert)
{
    PutValue("Net", "Order", REG_MULTI_SZ, "Tcpip\0NetBT\0", 13);
    EXPECT_EQ(RegMultiSzInsert("Net", "Order", "netbt", "QEBcapi"), 1);
    DWORD type;
    std::vector<BYTE> data;
    ASSERT_TRUE(ReadValue("Net", "Order", &type, &data));
    EXPECT_EQ(Text(data), std::string("Tcpip\0QEBcapi\0NetBT\0", 21));
    EXPECT_EQ(RegMultiSzInsert("Net", "Order", "Tcpip", "qebCAPI"), 1); // already there
    ASSERT_TRUE(ReadValue("Net", "Order", &type, &data));
    EXPECT_EQ(Text(data), std::string("Tcpip\0QEBcapi\0NetBT\0", 21));
    EXPECT_EQ(RegMultiSzInsert("Net", "Order", "Missing", "Other"), 0);
    EXPECT_EQ(RegMultiSzInsert("Net", "NoValue", "Tcpip", "Other"), 0);
    EXPECT_FALSE(ReadValue("Net", "NoValue", &type, &data));
    EXPECT_EQ(RegMultiSzInsert("Net", "Order", "", "Other"), 0);
    EXPECT_EQ(TakeLog(), "");
}

TEST_F(RegHelpers, MoveControllerBothVariants)
{
    PutString("Soft\\1", "Name", "first");
    PutString("Soft\\1\\Sub", "x", "y");
    EXPECT_EQ(RegMoveController("Soft", "1", "2"), 1);
    EXPECT_FALSE(KeyExists("Soft\\1"));
    EXPECT_TRUE(KeyExists("Soft\\2\\Sub"));
    PutString("Enum\\Root\\Net\\0003", GetStringByID(2078), "QEB Card 2");
    char found[RegTextSize];
    EXPECT_EQ(RegMoveController("Enum", "qeb card", found, sizeof found), 1);
    EXPECT_STREQ(found, "Enum\\Root\\Net\\0003");
    EXPECT_EQ(RegMoveController("Enum", "nothing", found, sizeof found), 1);
    EXPECT_STREQ(found, "");
    EXPECT_EQ(TakeLog(), "RegMoveController: 'Soft','1','2'\n"
                         "RegMoveController: 'Enum','qeb card'\n"
                         "gefunden unter: 'Enum\\Root\\Net\\0003'\n"
                         "RegMoveController: 'Enum','nothing'\n"
                         "gefunden unter: ''\n");
}

TEST_F(RegHelpers, GetSoftPathOnNtOnly)
{
    PutString(std::string(GetStringByID(2004)) + "\\QEB\\Card", GetStringByID(2017), "QEB GmbH");
    char path[RegTextSize];
    OsVersion = Win98;
    EXPECT_EQ(RegGetSoftPath(path, "qeb"), 0);
    OsVersion = WinNT40;
    EXPECT_EQ(RegGetSoftPath(path, "qeb"), 1);
    EXPECT_EQ(std::string(path), std::string(GetStringByID(2004)) + "\\QEB\\Card");
    EXPECT_EQ(RegGetSoftPath(path, "acme"), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(RegGetSoftPath(nullptr, "qeb"), 0);
    std::string log = TakeLog();
    EXPECT_NE(log.find("RegGetSoftPath 'qeb'\nRegGetSoftPath 'qeb'\nManu gefunden ->'"),
              std::string::npos) << log;
    EXPECT_NE(log.find("RegGetSoftPath 'acme'\nManu nicht gefunden ->''\n"), std::string::npos)
        << log;
}

TEST_F(RegHelpers, GetAutostart)
{
    m_controller->CardType = 16;     // K4: passive
    EXPECT_EQ(RegGetAutostart(), 1); // passive type
    m_controller->CardType = 32;     // P7: active
    std::string service = std::string(GetStringByID(2000)) + "\\" + GetStringByID(2005);
    OsVersion = WinNT40;
    EXPECT_EQ(RegGetAutostart(), 1); // no load service key
    MakeKey(service);
    EXPECT_EQ(RegGetAutostart(), 1); // no Start value
    struct { DWORD start; int result; } rows[] = {{2, 1}, {3, 0}, {4, 0}};
    for (const auto &row : rows) {
        PutDword(service, "Start", row.start);
        CloseReadKey();
        EXPECT_EQ(RegGetAutostart(), row.result) << row.start;
    }
    OsVersion = Win95;
    SafeCopy(m_controller->RegSoft, "Soft9x", sizeof m_controller->RegSoft);
    std::string soft = std::string("Soft9x\\") + GetStringByID(2111);
    EXPECT_EQ(RegGetAutostart(), 1);
    PutString(soft, GetStringByID(2113), "");
    EXPECT_EQ(RegGetAutostart(), 0);
    PutString(soft, GetStringByID(2113), "C:\\QEB\\load.exe");
    CloseReadKey();
    EXPECT_EQ(RegGetAutostart(), 1);
    m_controller->SetAddInfo0(0x80);
    SafeCopy(m_controller->RegHard, "Hard", sizeof m_controller->RegHard);
    std::string hard = std::string("Hard\\") + GetStringByID(2048);
    EXPECT_EQ(RegGetAutostart(), 1);
    PutDword(hard, GetStringByID(2136), 0);
    EXPECT_EQ(RegGetAutostart(), 0);
}

TEST_F(RegHelpers, SerialPortAndIrDA)
{
    m_controller->CardType = 16; // K4: an ISA card
    EXPECT_EQ(RegGetSerialPort(), 0);
    m_controller->CardType = 90; // SerialLink GSM: on a COM port
    OsVersion = WinNT40;
    SafeCopy(m_controller->RegHard, "Hard", sizeof m_controller->RegHard);
    SafeCopy(m_controller->CtrlName, "1", sizeof m_controller->CtrlName);
    PutDword("Hard\\1", GetStringByID(2124), 3);
    EXPECT_EQ(RegGetSerialPort(), 3);
    m_controller->CardType = 22;
    struct { const char *name; int port; } rows[] = {
        {"COM4", 4}, {"COM10", 0}, {"", 0}, {"IrCOM9", 9}, {"COM", 0}};
    for (const auto &row : rows) {
        PutString("Enum\\Infrared\\VirtualPorts", "VirtualComPortName", row.name);
        CloseReadKey();
        EXPECT_EQ(RegGetSerialPort(), row.port) << row.name;
    }
    TakeLog();
    GetCurrentIrDAComPort();
    EXPECT_EQ(TakeLog(), "GetCurrentIrDAComPort:\n"
                         "RegGetValue: 'Enum\\Infrared\\VirtualPorts','VirtualComPortName'->"
                         "'COM'\nPort:'0'\n");
}

TEST_F(RegHelpers, GetCtrlValue)
{
    SafeCopy(m_controller->RegSoft, "Soft", sizeof m_controller->RegSoft);
    PutString("Soft\\2", "Protocol", "DSS1");
    char text[RegTextSize] = "untouched";
    OsVersion = Win98;
    EXPECT_EQ(RegGetCtrlValue(1, "Protocol", text), 0);
    OsVersion = WinNT40;
    m_controller->CurrentCards[1].typ = 16; // passive
    EXPECT_EQ(RegGetCtrlValue(1, "Protocol", text), 1);
    EXPECT_STREQ(text, "untouched");
    m_controller->CurrentCards[1].typ = 32; // active
    EXPECT_EQ(RegGetCtrlValue(1, "Protocol", text), 1);
    EXPECT_STREQ(text, "DSS1");
    EXPECT_EQ(RegGetCtrlValue(1, "", text), 0);
    EXPECT_EQ(RegGetCtrlValue(7, "Protocol", text), 0);
}

struct ErrorCase {
    const char *stored;
    int result;
    unsigned id;         // expected text by id, or 0
    const char *message; // expected plain text
};
class RegErrorMsg : public RegistryTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(RegErrorMsg, FindsTheFirstCodeAfterRemovingBlanks)
{
    const ErrorCase &c = GetParam();
    OsVersion = WinNT40;
    SafeCopy(m_controller->RegHard, "Hard", sizeof m_controller->RegHard);
    PutString("Hard", GetStringByID(2013), c.stored);
    char message[RegTextSize] = "old";
    EXPECT_EQ(RegGetErrorMsg(message), c.result);
    std::string expected = c.id ? GetStringByID(c.id) : c.message;
    EXPECT_EQ(std::string(message), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RegErrorMsg, ::testing::Values(
    ErrorCase{"Driver QEB: Error=2, at load", 1, 0, "Code 2"},
    ErrorCase{"Error = 9999 ,", 1, 0, "Code 9999"},
    ErrorCase{"Error=0,", 1, 1035, ""},
    ErrorCase{"x\r\nError=1,", 1, 1036, ""},
    ErrorCase{"Error=3,Error=0,", 1, 1035, ""},
    ErrorCase{"Error=4,", 1, 1038, ""},
    ErrorCase{"Error=5,", 0, 0, ""},
    ErrorCase{"Error=2", 0, 0, ""},
    ErrorCase{"   ", 1, 0, ""}));

TEST_F(RegHelpers, ErrorMsgOnWindows9xAndLongReports)
{
    OsVersion = Win95;
    char message[RegTextSize] = "old";
    EXPECT_EQ(RegGetErrorMsg(message), 0);
    EXPECT_EQ(TakeLog(), "RegGetErrorMsg (): \n");
    OsVersion = WinNT40;
    SafeCopy(m_controller->RegHard, "Hard", sizeof m_controller->RegHard);
    std::string report(1000, ' ');
    report.replace(200, 8, "Error=2,");
    PutString("Hard", GetStringByID(2013), report);
    EXPECT_EQ(RegGetErrorMsg(message), 1);
    EXPECT_STREQ(message, "Code 2");
    EXPECT_EQ(RegGetErrorMsg(nullptr), 0);
}

TEST_F(RegHelpers, LongPathsAndNames)
{
    MakeKey("K");
    for (size_t length : {255u, 256u, 1000u}) {
        std::string path(length, 'p');
        EXPECT_EQ(RegDoesKeyExist(path.c_str()), 0) << length;
        EXPECT_EQ(RegCreateValue(path.c_str(), "v", "x", 0), 1);
        EXPECT_EQ(RegCreateValue("K", path.c_str(), "x", 0), 1) << length;
        DWORD type;
        std::vector<BYTE> data;
        EXPECT_EQ(RegDoesValueExist("K", path.c_str()), ReadValue("K", path, &type, &data) ? 1 : 0);
        EXPECT_EQ(RegCreateSubkey("", path.c_str()), 0);
        char text[RegTextSize];
        EXPECT_EQ(RegGetValue(path.c_str(), "v", text), 1);
        EXPECT_STREQ(text, "");
        int reason = -1;
        RegIsKeyAccessible(path.c_str(), &reason);
        EXPECT_GE(reason, 0);
    }
    std::string log = TakeLog();
    for (const std::string &line : {std::string("RegDoesKeyExist"), std::string("RegGetValue")})
        EXPECT_NE(log.find(line), std::string::npos);
}
