#include "StringTableFiles.h"
#include <gtest/gtest.h>

using strtest::Load;
using strtest::ParsedCleanly;

namespace {

const char kHead[] = "[indy]\r\n1 \"indy\"\r\n[english]\r\n";

struct TextCase {
    const char *name;
    std::string body;   // after kHead
    unsigned id;
    const char *text;   // null: no entry
};

const TextCase kTextCases[] = {
    {"Plain", "10 \"Hello\"\r\n", 10, "Hello"},
    {"LeadingWhitespace", "  \t10   \"Hi\"\r\n", 10, "Hi"},
    {"QuotedQuotes", "10 \"say \\\"hi\\\" now\"\r\n", 10, "say \"hi\" now"},
    {"TabEscape", "10 \"a\\tb\"\r\n", 10, "a\tb"},
    {"TextEscapes", "10 \"\\a\\b\\f\\v\\n\\r\\\\x\"\r\n", 10, "\a\b\f\v\n\r\\x"},
    {"UnknownEscapeStays", "10 \"C:\\Dir\\x\"\r\n", 10, "C:\\Dir\\x"},
    {"CaretEscape", "10 \"gr\\^v\\^ne\"\r\n", 10, "gr\xF5\xED" "e"},
    {"EmptyText", "10 \"\"\r\n", 10, ""},
    {"CommentCharsInText", "10 \"a;b#c[d]\" ; note\r\n", 10, "a;b#c[d]"},
    {"CommentAfterNumber", "10 \"a %s\" 2; note\r\n", 10, "a %s"},
    {"Continuation", "10 \"abc \"\r\n   \"def\"\r\n", 10, "abc def"},
    {"EmptyContinuationAddsNothing", "10 \"abc\"\r\n\"\"\r\n", 10, "abc"},
    {"DuplicateLastWinsBelow10000", "10 \"first\"\r\n10 \"second\"\r\n", 10, "second"},
    {"DuplicateFirstWinsAbove10000", "10 \"first\"\r\n10 \"second\"\r\n10000 \"big\"\r\n", 10, "first"},
    {"IdAbove10000", "10000 \"big\"\r\n", 10000, "big"},
    {"MissingId", "10 \"a\"\r\n", 11, nullptr},
    {"AboveHighestId", "10 \"a\"\r\n", 4000000000u, nullptr},
    {"SectionsAddUp", "10 \"a\"\r\n[indy]\r\n11 \"b\"\r\n[english]\r\n12 \"c\"\r\n", 12, "c"},
    {"IndyOfSecondHeader", "10 \"a\"\r\n[INDY]\r\n11 \"b\"\r\n", 11, "b"},
    {"OtherLanguageSkipped", "[deutsch]\r\n10 \"de\"\r\n[english]\r\n11 \"en\"\r\n", 10, nullptr},
    {"BracketInSkippedTextIsHeader", "[deutsch]\r\n10 \"siehe [english] oben\"\r\n11 \"en\"\r\n", 11, "en"},
    {"EmptyLineEndsReading", "10 \"a\"\n\n11 \"b\"\r\n", 11, nullptr},
    {"BlankLinesSkipped", "10 \"a\"\r\n\r\n   \r\n11 \"b\"\r\n", 11, "b"},
};

class TextRules : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextRules, StoresText)
{
    const TextCase &c = GetParam();
    auto t = Load(kHead + c.body);
    ASSERT_TRUE(ParsedCleanly(*t)) << t->GetErrorText();
    const char *text = t->LookupText(c.id);
    if (!c.text) {
        EXPECT_EQ(text, nullptr);
        return;
    }
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, TextRules, ::testing::ValuesIn(kTextCases),
                         [](const ::testing::TestParamInfo<TextCase> &i) { return std::string(i.param.name); });

struct ErrorCase {
    const char *name;
    std::string file;
    const char *language;
    const char *error; // the whole error text; %s before a quote = file name
};

const ErrorCase kErrorCases[] = {
    {"IdGluedToQuote", "[indy]\r\n10\"x\"\r\n", "english",
     "Error in column 3 line 2 of file \"%s\": wrong syntax"},
    {"IdWithoutText", "[indy]\r\n10 \r\n", "english", "Error in column 4 line 2 of file \"%s\": wrong syntax"},
    {"UnterminatedText", "[indy]\r\n10 \"abc\r\n", "english",
     "Error in column 8 line 2 of file \"%s\": wrong syntax"},
    {"LetterInActiveSection", "[indy]\r\nx\r\n", "english",
     "Error in column 1 line 2 of file \"%s\": wrong syntax"},
    {"NulByteInText", std::string("[indy]\r\n10 \"a\0b\"\r\n", 18), "english",
     "Error in column 6 line 2 of file \"%s\": wrong syntax"},
    {"UnclosedSection", "[indy\r\n", "english", "Error in column 6 line 1 of file \"%s\": unknown token type"},
    {"DigitInSection", "[in1dy]\r\n", "english", "Error in column 4 line 1 of file \"%s\": wrong syntax"},
    {"DigitAfterBracketInSkippedText", "[indy]\r\n[deutsch]\r\n10 \"[1]\"\r\n", "english",
     "Error in column 6 line 3 of file \"%s\": wrong syntax"},
    {"ContinuationFirst", "[indy]\r\n\"abc\"\r\n10 \"x\"\r\n", "english",
     "Error in line 2 of file \"%s\": unreferenced continuation line"},
    {"Line255", "[indy]\r\n;" + std::string(254, 'x') + "\r\n", "english",
     "Error in line 2 of file \"%s\": buffer overflow"},
    {"Line5000", "[indy]\r\n10 \"" + std::string(4990, 'x') + "\"\r\n", "english",
     "Error in line 2 of file \"%s\": buffer overflow"},
    {"CodeWithoutPair", std::string("\x81" "AB" "[indy]\r\n\x90\r\n"), "english",
     "Unknown error in line 2 of file \"%s\""},
    {"TruncatedCompressedFile", std::string("\x84" "AB"), "english", "Unknown error in line 1 of file \"%s\""},
    {"MissingLanguage", "[indy]\r\n10 \"a\"\r\n[deutsch]\r\n11 \"b\"\r\n", "english",
     "Section [english] not found in file \"%s\""},
    {"MissingIndy", "[english]\r\n10 \"a\"\r\n", "english", "Section [indy] not found in file \"%s\""},
    {"EmptyLanguageName", "[indy]\r\n", "", "Section [unknLanguage] not found in file \"%s\""},
    {"MissingIdDefault", "[indy]\r\n10 \"a\"\r\n[english]\r\n", "english",
     "Internal string table isn't consistent. No string for ID #5500 found!"},
    {"MissingIdOwnText", "[indy]\r\n1057 \"Text %d fehlt.\"\r\n[english]\r\n", "english", "Text 5500 fehlt."},
    {"MissingIdOwnTextIsNoFormat", "[indy]\r\n1057 \"%s%n %d %x\"\r\n[english]\r\n", "english",
     "%s%n 5500 %x"},
    {"HugeIdIsSyntaxError", "[indy]\r\n99999999999 \"a\"\r\n", "english",
     "Error in column 10 line 2 of file \"%s\": wrong syntax"},
};

class ErrorRules : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorRules, ReportsError)
{
    const ErrorCase &c = GetParam();
    auto t = Load(c.file, c.language, "error");
    EXPECT_TRUE(t->HasError());
    std::string expected = c.error;
    size_t at = expected.find("%s\"");
    if (at != std::string::npos) expected.replace(at, 2, "strtab-error.tmp");
    EXPECT_EQ(std::string(t->GetErrorText()), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ErrorRules, ::testing::ValuesIn(kErrorCases),
                         [](const ::testing::TestParamInfo<ErrorCase> &i) { return std::string(i.param.name); });

TEST(StringTable, MissingFileAndMissingLog)
{
    CStringTable missing("no-such-table.bin", "english", &strtest::ClosedLog());
    EXPECT_TRUE(missing.HasError());
    EXPECT_STREQ(missing.GetErrorText(), "Couldn't open file \"no-such-table.bin\" : file not found!");
    std::string path = strtest::WriteScratch("nolog", "[indy]\r\n");
    CStringTable noLog(path.c_str(), "english", nullptr);
    EXPECT_STREQ(noLog.GetErrorText(), "Invalid pointer to Debug-File!");
}

TEST(StringTable, PlaceholdersOfEntryAndContinuation)
{
    auto t = Load(std::string(kHead) + "10 \"a %s \" 1 3\r\n \"b %s\" 2\r\n11 \"x\" 1,2\r\n");
    ASSERT_TRUE(ParsedCleanly(*t)) << t->GetErrorText();
    const StrEntry *e = t->FindEntry(10);
    ASSERT_TRUE(e && e->placeholders);
    EXPECT_STREQ(e->text, "a %s b %s");
    ASSERT_EQ(e->placeholders->count, 3u);
    EXPECT_EQ(e->placeholders->values[0], 1);
    EXPECT_EQ(e->placeholders->values[1], 3);
    EXPECT_EQ(e->placeholders->values[2], 2);
    const StrEntry *joined = t->FindEntry(11);
    ASSERT_TRUE(joined && joined->placeholders);
    ASSERT_EQ(joined->placeholders->count, 1u);
    EXPECT_EQ(joined->placeholders->values[0], 12); // the comma joins the digits
}

TEST(StringTable, TextsLongerThan255ByContinuation)
{
    std::string body = "10 \"" + std::string(200, 'a') + "\"\r\n";
    body += " \"" + std::string(200, 'b') + "\"\r\n";
    auto t = Load(kHead + body);
    ASSERT_TRUE(ParsedCleanly(*t)) << t->GetErrorText();
    EXPECT_EQ(std::string(t->LookupText(10)), std::string(200, 'a') + std::string(200, 'b'));
}

TEST(StringTable, IndexOnlyBelow10000)
{
    auto small = Load(std::string(kHead) + "9998 \"a\"\r\n");
    EXPECT_TRUE(small->HasIndex()); // highest id + 1 below 10000
    auto edge = Load(std::string(kHead) + "9999 \"a\"\r\n", "english", "edge");
    EXPECT_FALSE(edge->HasIndex());
    EXPECT_STREQ(edge->LookupText(9999), "a");
    auto big = Load(std::string(kHead) + "10000 \"a\"\r\n", "english", "big");
    EXPECT_FALSE(big->HasIndex());
    EXPECT_STREQ(big->LookupText(10000), "a");
    EXPECT_EQ(big->LookupText(9999), nullptr);
}

TEST(StringTable, CompressedFileReadsLikePlain)
{
    // Pair 0 = "0 ", pair 1 = "\r\n"; the file spells the same entries.
    std::string plain = "[indy]\r\n10 \"AB\"\r\n[english]\r\n20 \"x\"\r\n";
    std::string packed = std::string("\x82" "0 \r\n") + "[indy]\x81" "1\x80\"AB\"\x81[english]\x81" "2\x80\"x\"\x81";
    auto a = Load(plain, "english", "plain");
    auto b = Load(packed, "english", "packed");
    ASSERT_TRUE(ParsedCleanly(*a));
    ASSERT_TRUE(ParsedCleanly(*b)) << b->GetErrorText();
    ASSERT_EQ(a->GetEntryCount(), b->GetEntryCount());
    for (unsigned i = 0; i < a->GetEntryCount(); ++i) {
        EXPECT_EQ(a->GetEntry(i)->id, b->GetEntry(i)->id);
        EXPECT_STREQ(a->GetEntry(i)->text, b->GetEntry(i)->text);
    }
}

struct EscapeCase {
    const char *in, *out;
};

class TextEscapeRules : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(TextEscapeRules, Replaces)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s", GetParam().in);
    CStringTable::ApplyTextEscapes(buffer);
    EXPECT_STREQ(buffer, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Table, TextEscapeRules, ::testing::Values(
    EscapeCase{"a\\nb", "a\nb"}, EscapeCase{"\\t", "\t"}, EscapeCase{"\\\\n", "\\n"},
    EscapeCase{"\\q", "\\q"}, EscapeCase{"end\\", "end\\"}, EscapeCase{"\\a\\b\\f\\v\\r", "\a\b\f\v\r"},
    EscapeCase{"", ""}));

} // namespace
