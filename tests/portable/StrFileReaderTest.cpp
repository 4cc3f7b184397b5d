#include "config/CStrFileReader.h"
#include "StringTableFiles.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// Reads every line of a file; the last element is "<end>", "<long>" or "<corrupt>".
std::vector<std::string> Lines(const std::string &bytes)
{
    std::string path = strtest::WriteScratch("reader", bytes);
    CStrFileReader reader;
    std::vector<std::string> out;
    if (!reader.Open(path.c_str())) return {"<no file>"};
    for (int guard = 0; guard < 100; ++guard) {
        char line[CStrFileReader::LineLimit + 1];
        unsigned length = 0;
        int r = reader.ReadLine(line, sizeof line, &length);
        if (r == CStrFileReader::LineRead) {
            out.emplace_back(line, length);
            continue;
        }
        out.push_back(r == CStrFileReader::LineEnd ? "<end>" : r == CStrFileReader::LineTooLong ? "<long>" : "<corrupt>");
        break;
    }
    return out;
}

struct ReaderCase {
    const char *name;
    std::string bytes;
    std::vector<std::string> lines;
};

// Pairs k = (pair k-1, 'c') after pair 0 = ('a', 'b'); the text is the last code.
std::string Chain(int codes)
{
    std::string s(1, static_cast<char>(128 + codes));
    s += "ab";
    for (int k = 1; k < codes; ++k) {
        s += static_cast<char>(128 + k - 1);
        s += 'c';
    }
    s += static_cast<char>(128 + codes - 1);
    s += "\n";
    return s;
}

const ReaderCase kReaderCases[] = {
    {"PlainLine", "abc\r\ndef\n", {"abc", "def", "<end>"}},
    {"LastLineWithoutFeed", "abc\ndef", {"abc", "def", "<end>"}},
    {"CarriageReturnOnlyBeforeFeed", "a\rb\r\n", {"a\rb", "<end>"}},
    {"EmptyLineEndsReading", "a\n\nb\n", {"a", "<end>"}},
    {"CarriageReturnLineIsEmptyLine", "a\n\r\nb\n", {"a", "", "b", "<end>"}},
    {"BackslashBeforeFeedDropped", "ab\\\ncd\n", {"ab", "cd", "<end>"}},
    {"LoneBackslashLineEndsReading", "a\n\\\nb\n", {"a", "<end>"}},
    {"CaretEscapeGivesHighByte", "\\^e\\^\x01\n", {"\xE4\x80", "<end>"}},
    {"OtherBackslashKeptWithChar", "\\t\\\"\\\\\n", {"\\t\\\"\\\\", "<end>"}},
    {"OnePair", std::string("\x81" "AB" "x\x80y\n"), {"xABy", "<end>"}},
    {"NestedPair", std::string("\x82" "AB" "\x80" "C" "\x81\x81\n"), {"ABCABC", "<end>"}},
    {"PairHoldsLineFeed", std::string("\x81" "\r\n" "a\x80" "b\x80"), {"a", "b", "<end>"}},
    {"FifteenNestedPairsExpand", Chain(15), {"ab" + std::string(14, 'c'), "<end>"}},
    {"SixteenNestedPairsEndReading", Chain(16), {"<end>"}},
    {"CodeWithoutPair", std::string("\x81" "AB" "x\x85\n"), {"<corrupt>"}},
    {"TruncatedPairTable", std::string("\x83" "AB" "C"), {"<corrupt>"}},
    {"SelfReferringPair", std::string("\x81" "!\x80" "\x80\n"), {"<corrupt>"}},
    {"Line254", std::string(254, 'x') + "\r\n", {std::string(254, 'x'), "<end>"}},
    {"Line255", std::string(255, 'x') + "\r\n", {"<long>"}},
    {"Line5000", std::string(5000, 'x') + "\n", {"<long>"}},
    {"NulByteKept", std::string("a\0b\n", 4), {std::string("a\0b", 3), "<end>"}},
};

class ReaderRules : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderRules, ReadsLines)
{
    EXPECT_EQ(Lines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Table, ReaderRules, ::testing::ValuesIn(kReaderCases),
                         [](const ::testing::TestParamInfo<ReaderCase> &i) { return std::string(i.param.name); });

TEST(StrFileReader, RewindReadsTheHeaderAgain)
{
    std::string path = strtest::WriteScratch("rewind", std::string("\x81" "AB" "\x80\n"));
    CStrFileReader reader;
    ASSERT_TRUE(reader.Open(path.c_str()));
    char line[255];
    unsigned n = 0;
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_EQ(reader.ReadLine(line, sizeof line, &n), CStrFileReader::LineRead);
        EXPECT_STREQ(line, "AB");
        EXPECT_EQ(reader.ReadLine(line, sizeof line, &n), CStrFileReader::LineEnd);
        reader.Rewind();
    }
}

TEST(StrFileReader, MissingFileDoesNotOpen)
{
    CStrFileReader reader;
    EXPECT_FALSE(reader.Open("no-such-string-table.bin"));
    EXPECT_FALSE(reader.Open(""));
}

} // namespace
