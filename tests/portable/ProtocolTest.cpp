#include "controller/Names.h"
#include "controller/Protocols.h"
#include "controller/SetupContext.h"
#include <gtest/gtest.h>
#include <string>

TEST(Protocol, NamesOfAllCodes)
{
    const char *names[] = {"DSS1", "CT1",  "VN3",        "NI1",    "AUSTEL",  "5ESS",
                           "1TR6", "GSM",  "P2M",        "P2P",    "LEASEDLINE", "DIG64S",
                           "DIG64S2", "DoubleDIG64S", "DIGS01/TS01", "DIGS02/TS02"};
    for (int code = 0; code < 16; ++code) EXPECT_STREQ(ProtocolName(code), names[code]) << code;
    for (int code : {16, -1, 17, 1000}) EXPECT_STREQ(ProtocolName(code), "unbekannt") << code;
}

TEST(Protocol, ServerProtocolsAreTenToFifteen)
{
    for (int code = -1; code <= 17; ++code)
        EXPECT_EQ(IsServerProtocol(code) != 0, code >= 10 && code <= 15) << code;
}

TEST(Protocol, DisplayNames)
{
    for (int code = 0; code < 8; ++code) EXPECT_STREQ(ProtocolDisplayName(code), ProtocolName(code));
    for (int code : {-5, 8, 9, 10, 16, 99}) EXPECT_STREQ(ProtocolDisplayName(code), "unbekannt") << code;
    const int ids[][2] = {{11, 71}, {12, 72}, {13, 73}, {14, 70}, {15, 69}};
    for (const auto &pair : ids) {
        std::string expected = SetupText(static_cast<unsigned>(pair[1]));
        EXPECT_EQ(ProtocolDisplayName(pair[0]), expected) << pair[0];
    }
}

struct PairCase {
    int protocol, server;
    const char *name;
};

class PairNames : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairNames, BuildsAndIsRecognisedAgain)
{
    const PairCase &c = GetParam();
    EXPECT_STREQ(ProtocolPairName(c.protocol, c.server), c.name);
}

INSTANTIATE_TEST_SUITE_P(Table, PairNames, ::testing::Values(
    PairCase{0, 8, "DSS1 P2M"}, PairCase{0, 10, "LEASEDLINE"}, PairCase{6, 9, "1TR6 P2P"},
    PairCase{16, 16, "unbekannt unbekannt"}, PairCase{3, 15, "DIGS02/TS02"},
    PairCase{7, 16, "GSM unbekannt"}));

TEST(Protocol, PairNameRoundTrip)
{
    // What the registry gets written is read back as the server protocol.
    EXPECT_EQ(ProtocolCodeFromName(ProtocolPairName(0, 8)), 8);
    EXPECT_EQ(ProtocolCodeFromName(ProtocolPairName(6, 9)), 9);
    EXPECT_EQ(ProtocolCodeFromName(ProtocolPairName(0, 13)), 13);
}

struct RecognitionCase {
    const char *text;
    int code;
};

class Recognition : public ::testing::TestWithParam<RecognitionCase> {};

TEST_P(Recognition, FirstTableEntryInTextDecides)
{
    EXPECT_EQ(ProtocolCodeFromName(GetParam().text), GetParam().code) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, Recognition, ::testing::Values(
    RecognitionCase{"1TR6 P2M", 8}, RecognitionCase{"DSS1 P2P", 9}, RecognitionCase{"DSS1", 0},
    RecognitionCase{"xyz DIG64S2", 12}, RecognitionCase{"DoubleDIG64S", 13},
    RecognitionCase{"DIG64S", 11}, RecognitionCase{"dss1", 16}, RecognitionCase{"", 16},
    RecognitionCase{"GSM 1TR6", 6},          // 1TR6 is tried before GSM
    RecognitionCase{"NI1 LEASEDLINE", 10}, RecognitionCase{"DIGS01/TS01", 14},
    RecognitionCase{"DIGS02/TS02", 15}, RecognitionCase{"5ESS", 5}, RecognitionCase{"AUSTEL", 4},
    RecognitionCase{"VN3", 2}, RecognitionCase{"CT1", 1}, RecognitionCase{"P2MP2P", 9},
    RecognitionCase{nullptr, 16}));

struct FirmwareCase {
    int type;
    const char *usa, *tr6, *gsm, *other;
};

class Firmware : public ::testing::TestWithParam<FirmwareCase> {};

TEST_P(Firmware, ByTypeAndProtocol)
{
    const FirmwareCase &c = GetParam();
    EXPECT_STREQ(FirmwareFileName(c.type, 3), c.usa);
    EXPECT_STREQ(FirmwareFileName(c.type, 5), c.usa);
    EXPECT_STREQ(FirmwareFileName(c.type, 6), c.tr6);
    EXPECT_STREQ(FirmwareFileName(c.type, 7), c.gsm);
    for (int p : {0, 1, 2, 4, 8, 15, 16}) EXPECT_STREQ(FirmwareFileName(c.type, p), c.other) << p;
}

INSTANTIATE_TEST_SUITE_P(Table, Firmware, ::testing::Values(
    FirmwareCase{64, "w3.t4", "w3.t4", "w3.t4", "w3.t4"},
    FirmwareCase{65, "w5.t4", "w5tr6.t4", "w5gsm.t4", "w5.t4"},
    FirmwareCase{80, "j2usa.t4", "j2tr6.t4", "j2.t4", "j2.t4"},
    FirmwareCase{81, "j2usa.t4", "j2tr6.t4", "j2.t4", "j2.t4"},
    FirmwareCase{32, "p7usa.t4", "p7tr6.t4", "p7.t4", "p7.t4"},
    FirmwareCase{36, "p7usa.t4", "p7tr6.t4", "p7.t4", "p7.t4"}));
