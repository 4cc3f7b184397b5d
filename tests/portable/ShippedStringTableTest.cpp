// The string-table source of the medium: its encoding and its contents.
#include "StringTableFiles.h"
#include <gtest/gtest.h>

namespace {

std::string SourcePath() { return strtest::SourceRoot() + "media/QEBstr.txt"; }

TEST(ShippedStringTable, IsCodePage1252WithCrLf)
{
    std::string bytes = strtest::ReadBytes(SourcePath());
    ASSERT_GT(bytes.size(), 10000u) << SourcePath();
    EXPECT_LT(static_cast<unsigned char>(bytes[0]), 128u); // a plain file
    // German letters as single bytes of code page 1252, no UTF-8 sequences.
    for (const char *letter : {"\xE4", "\xF6", "\xFC", "\xC4", "\xDF"})
        EXPECT_NE(bytes.find(letter), std::string::npos) << "missing byte " << int(static_cast<unsigned char>(letter[0]));
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
        unsigned char a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        ASSERT_FALSE(a == 0xC3 && b >= 0x80 && b <= 0xBF) << "UTF-8 sequence at offset " << i;
        if (b == '\n') {
            ASSERT_EQ(a, '\r') << "line feed without carriage return at offset " << i + 1;
        }
    }
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
}

class ShippedLanguages : public ::testing::TestWithParam<const char *> {};

TEST_P(ShippedLanguages, LoadsWithEveryRequiredId)
{
    CStringTable table(SourcePath().c_str(), GetParam(), &strtest::ClosedLog());
    EXPECT_FALSE(table.HasError()) << table.GetErrorText();
    EXPECT_TRUE(table.HasIndex());
}

INSTANTIATE_TEST_SUITE_P(Both, ShippedLanguages, ::testing::Values("deutsch", "english"));

TEST(ShippedStringTable, LanguagesDifferAndShareIndy)
{
    CStringTable de(SourcePath().c_str(), "deutsch", &strtest::ClosedLog());
    CStringTable en(SourcePath().c_str(), "english", &strtest::ClosedLog());
    ASSERT_FALSE(de.HasError());
    ASSERT_FALSE(en.HasError());
    EXPECT_STREQ(de.LookupText(1028), "M\xF6" "chten Sie Windows jetzt neu starten?");
    EXPECT_STREQ(en.LookupText(1028), "Do you want to restart Windows now?");
    EXPECT_STREQ(de.LookupText(504), en.LookupText(504));
    EXPECT_STREQ(de.LookupText(2000), "SYSTEM\\CurrentControlSet\\Services");
    EXPECT_STREQ(de.LookupText(2000), en.LookupText(2000));
    // Placeholders: the controller in the caption, the group in a help text.
    const StrEntry *caption = en.FindEntry(504);
    ASSERT_TRUE(caption && caption->placeholders);
    EXPECT_EQ(caption->placeholders->values[0], 1);
    const StrEntry *help = de.FindEntry(602);
    ASSERT_TRUE(help && help->placeholders);
    EXPECT_EQ(help->placeholders->values[0], 2);
    // Every entry with placeholders has a "%s" for each of them.
    for (CStringTable *t : {&de, &en})
        for (unsigned i = 0; i < t->GetEntryCount(); ++i) {
            const StrEntry *e = t->GetEntry(i);
            if (!e->placeholders) continue;
            unsigned marks = 0;
            for (const char *p = e->text; (p = std::strstr(p, "%s")) != nullptr; p += 2) ++marks;
            EXPECT_GE(marks, e->placeholders->count) << "id " << e->id;
        }
}

} // namespace
