// Malformed and oversized list files: defined errors, nothing written
// outside a buffer (the host build runs this under AddressSanitizer).
#include "base/CFNList.h"
#include "base/CKVList.h"
#include "base/CObjList.h"
#include "ListFiles.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
} // namespace

struct LongLineCase {
    size_t length;
    std::vector<size_t> pieces; // lengths of the names read
};

class LongLines : public ::testing::TestWithParam<LongLineCase> {};

// A line is read in pieces of at most 129 characters; each piece is a line.
TEST_P(LongLines, ReadInPiecesOf129)
{
    const LongLineCase &c = GetParam();
    std::string name(c.length, 'n');
    ListFile file("qeb_bad_long.inf", "[Files]\n" + name + "\nlast\n");
    CFNList list;
    ASSERT_TRUE(list.FillListFromFile(file.Name(), "Files"));
    std::vector<std::string> names = Names(list);
    ASSERT_EQ(names.size(), c.pieces.size() + 1);
    for (size_t i = 0; i < c.pieces.size(); ++i) EXPECT_EQ(names[i].size(), c.pieces[i]) << i;
    EXPECT_EQ(names.back(), "last");
}

// RemoveWhitespace keeps at most 130 characters of a name.
INSTANTIATE_TEST_SUITE_P(Table, LongLines, ::testing::Values(
    LongLineCase{128, {128}},
    LongLineCase{129, {129}},          // its line feed alone is a blank piece
    LongLineCase{130, {129, 1}},
    LongLineCase{10000, []{ std::vector<size_t> v(77, 129); v.push_back(67); return v; }()}));

TEST(BadInput, LongObjAndKvLinesAreCutNotOverflowed)
{
    std::string longName(10000, 'x');
    CObjList objects;
    std::string line = longName + " = " + longName + ",1,0,0,0,0,0,5\n";
    ASSERT_TRUE(objects.ScanLine(longName.c_str(), line.c_str()));
    const ObjEntry *e = static_cast<const ObjEntry *>(objects.GetFirst());
    EXPECT_LT(std::strlen(e->source), sizeof e->source);
    EXPECT_LT(std::strlen(e->destination), sizeof e->destination);
    EXPECT_EQ(std::strlen(e->section), sizeof e->section - 1);

    CKVList pairs;
    std::string kv = longName + "=" + longName + "\n";
    ASSERT_TRUE(pairs.ScanLine(longName.c_str(), kv.c_str()));
    const KVEntry *p = static_cast<const KVEntry *>(pairs.GetFirst());
    EXPECT_LT(std::strlen(p->key), sizeof p->key);
    EXPECT_LT(std::strlen(p->value), sizeof p->value);
}

TEST(BadInput, SectionNameOf300CharactersIsNotFound)
{
    std::string section(300, 's');
    ListFile file("qeb_bad_sect.inf", "[" + section + "]\na\n[" + section.substr(0, 120) +
                                          "]\nb\n[Other]\n");
    CFNList list;
    EXPECT_FALSE(list.FillListFromFile(file.Name(), section.c_str()));
    EXPECT_EQ(list.GetError(), 1005);
    ASSERT_TRUE(list.FillListFromFile(file.Name(), "Other"));
    EXPECT_FALSE(list.FillListFromSection(section.c_str()));
    EXPECT_EQ(list.GetError(), 1005);
    EXPECT_EQ(list.GetCount(), 0u);
}

TEST(BadInput, FileNameOf300CharactersIs1001)
{
    std::string name(300, 'f');
    CFNList list;
    EXPECT_FALSE(list.FillListFromFile(name.c_str(), "Files"));
    EXPECT_EQ(list.GetError(), 1001);
}

TEST(BadInput, SectionListOf1000NamesIsRefused)
{
    std::string sections;
    for (int i = 0; i < 1000; ++i) sections += (i ? "," : "") + std::string("S") + std::to_string(i);
    ListFile file("qeb_bad_many.inf", "[S0]\na\n[S1]\nb\n");
    CFNList list;
    EXPECT_FALSE(list.FillListFromFile(file.Name(), sections.c_str()));
    EXPECT_EQ(list.GetError(), 1005);
    EXPECT_EQ(list.GetCount(), 0u);
    // 255 characters still fit.
    std::string fits = "S0,S1";
    fits += std::string(255 - fits.size(), ' ');
    CFNList ok;
    EXPECT_TRUE(ok.FillListFromFile(file.Name(), fits.c_str()));
    EXPECT_EQ(Names(ok), (std::vector<std::string>{"a", "b"}));
}

TEST(BadInput, NulBytesEndTheTextOfTheirPiece)
{
    std::string content = "[Files]\nab";
    content += '\0';
    content += "hidden\nc\n";
    ListFile file("qeb_bad_nul.inf", content);
    CFNList list;
    ASSERT_TRUE(list.FillListFromFile(file.Name(), "Files"));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"ab", "c"}));
}

TEST(BadInput, CarriageReturnOnlyFileIsOneLongLine)
{
    // The header line holds everything: the section is found and empty.
    ListFile file("qeb_bad_cr.inf", "[Files]\ra\rb\r");
    CFNList list;
    EXPECT_TRUE(list.FillListFromFile(file.Name(), "Files"));
    EXPECT_EQ(list.GetCount(), 0u);
    // With the header on a line of its own, the rest is one line.
    ListFile second("qeb_bad_cr2.inf", "[Files]\na\rb\rc\r");
    CFNList other;
    ASSERT_TRUE(other.FillListFromFile(second.Name(), "Files"));
    EXPECT_EQ(Names(other), (std::vector<std::string>{"abc"}));
}
