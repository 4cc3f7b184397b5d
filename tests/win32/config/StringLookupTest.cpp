#include "ConfigFixture.h"
#include "config/GetStringByID.h"
#include <cstring>
#include <set>

using cfgtest::ControllerFixture;

namespace {

std::unique_ptr<CStringTable> LoadFile(const std::string &path, const char *language)
{
    static CDebugFile log;
    return std::unique_ptr<CStringTable>(new CStringTable(path.c_str(), language, &log));
}

class BothLanguages : public ::testing::TestWithParam<const char *> {};

// The medium carries the compressed form; it must hold exactly the entries of the source.
TEST_P(BothLanguages, CompressedTableEqualsSource)
{
    std::string packed = robot::ReadFile(cfgtest::BuiltTable());
    ASSERT_FALSE(packed.empty());
    EXPECT_GE(static_cast<unsigned char>(packed[0]), 128u);
    EXPECT_LT(packed.size(), robot::ReadFile(cfgtest::SourceTable()).size());
    auto plain = LoadFile(cfgtest::SourceTable(), GetParam());
    auto built = LoadFile(cfgtest::BuiltTable(), GetParam());
    ASSERT_FALSE(plain->HasError()) << plain->GetErrorText();
    ASSERT_FALSE(built->HasError()) << built->GetErrorText();
    ASSERT_EQ(plain->GetEntryCount(), built->GetEntryCount());
    for (unsigned i = 0; i < plain->GetEntryCount(); ++i) {
        const StrEntry *a = plain->GetEntry(i), *b = built->GetEntry(i);
        ASSERT_EQ(a->id, b->id) << i;
        EXPECT_STREQ(a->text, b->text) << "id " << a->id;
        unsigned na = a->placeholders ? a->placeholders->count : 0;
        unsigned nb = b->placeholders ? b->placeholders->count : 0;
        ASSERT_EQ(na, nb) << "id " << a->id;
        for (unsigned k = 0; k < na; ++k) EXPECT_EQ(a->placeholders->values[k], b->placeholders->values[k]);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BothLanguages, ::testing::Values("deutsch", "english"));

class Lookup : public ControllerFixture {};

TEST_F(Lookup, WithoutControllerObject)
{
    EXPECT_STREQ(GetStringByID(504), "FALSE==pre!");
}

TEST_F(Lookup, LanguageKeyChoosesTexts)
{
    Build("lookup-de", "[Setup]\r\nLanguage=Deutsch\r\nDriver=sys\r\n");
    EXPECT_STREQ(GetStringByID(1028), "M\xF6" "chten Sie Windows jetzt neu starten?");
    EXPECT_STREQ(GetStringByID(2000), "SYSTEM\\CurrentControlSet\\Services");
    TearDown();
    Build("lookup-en", "[Setup]\r\nLanguage=ENGLISH\r\nDriver=sys\r\n");
    EXPECT_STREQ(GetStringByID(1028), "Do you want to restart Windows now?");
}

TEST_F(Lookup, MissingIdAndProtocolTexts)
{
    Build("lookup-missing", "[Setup]\r\nLanguage=english\r\n");
    EXPECT_STREQ(GetStringByID(7777), "(string #7777 not found)");
    EXPECT_STREQ(GetStringByID(99999), "(string #99999 not found)");
    EXPECT_STREQ(GetProtocolPageText(8), "Point-to-multipoint (P2M)");
    EXPECT_STREQ(GetProtocolPageText(9), "Point-to-point (P2P)");
    EXPECT_STREQ(GetProtocolPageText(0), "Leased line");
    EXPECT_STREQ(GetString(1028), GetText(1028));
}

TEST_F(Lookup, ProgramGroupPlaceholder)
{
    Build("lookup-group", "[Setup]\r\nLanguage=english\r\nProgGroup=ISDN Tools\r\nDriver=sys\r\n");
    g_ControllerList->CIniInfo::GetInformation(m_ini.c_str()); // reads the texts, then stops at CardType
    EXPECT_STREQ(GetStringByID(5555), "Setup has created the program group \"ISDN Tools\".");
}

TEST_F(Lookup, EmptyProgramGroupLeavesNoTrace)
{
    Build("lookup-nogroup", "[Setup]\r\nLanguage=english\r\nProgGroup=\r\nDriver=sys\r\n");
    g_ControllerList->CIniInfo::GetInformation(m_ini.c_str());
    EXPECT_STREQ(g_ControllerList->GetProgGroup(), "");
    EXPECT_STREQ(GetStringByID(5555), "Setup has created the program group \"\".");
}

TEST_F(Lookup, ManufacturerClassPlaceholder)
{
    Build("lookup-manu", "[Setup]\r\nLanguage=deutsch\r\nManuClass=QEB GSM-Adapter\r\nDriver=sys\r\n");
    g_ControllerList->CIniInfo::GetInformation(m_ini.c_str());
    EXPECT_STREQ(GetStringByID(1018), "Die Konfiguration konnte nicht gelesen werden: QEB GSM-Adapter.");
}

TEST_F(Lookup, RingOfTenSlots)
{
    Build("lookup-ring", "[Setup]\r\nLanguage=english\r\n");
    const unsigned ids[10] = {500, 501, 502, 503, 505, 506, 507, 508, 1028, 1001};
    const char *results[10];
    for (int i = 0; i < 10; ++i) results[i] = GetStringByID(ids[i]);
    std::set<const char *> distinct(results, results + 10);
    EXPECT_EQ(distinct.size(), 10u);
    // The first text is still intact after nine further fetches.
    EXPECT_STREQ(results[0], "Do you really want to cancel the installation?");
    EXPECT_STREQ(results[9], g_ControllerList->m_strTable->LookupText(1001));
}

} // namespace
