#include "base/CFNList.h"
#include "base/CKVList.h"
#include "base/CObjList.h"
#include "ListFiles.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {


const ObjEntry *Obj(const CObjList &list, unsigned i)
{
    return static_cast<const ObjEntry *>(list.GetAt(i));
}

const char *kSetupIni =
    "[Setup]\n"
    "CardType=K4\n"
    "\n"
    "[WinSys]\n"
    "a.dll\n"
    "; b.dll is a comment\n"
    "   \t; so is this\n"
    "\n"
    "c.dll, 1, 2\n"
    "[Drv]\n"
    "  d .sys  \n"
    "[Other]\n"
    "e.txt\n";

} // namespace

TEST(ListFile, SectionListWithBlankReadsBothSections)
{
    ListFile file("qeb_lf_both.ini", kSetupIni);
    CFNList list;
    ASSERT_TRUE(list.FillListFromFile(file.Name(), "WinSys, Drv"));
    EXPECT_EQ(list.GetError(), 0);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"a.dll", "c.dll", "d.sys"}));
    EXPECT_STREQ(list.GetFirst()->section, "WinSys");
    // The section keeps the piece as given, blank included.
    EXPECT_STREQ(list.GetLast()->section, " Drv");
}

TEST(ListFile, MissingSecondSectionFailsWith1005AfterFirstElements)
{
    ListFile file("qeb_lf_missing.ini", kSetupIni);
    CFNList list;
    EXPECT_FALSE(list.FillListFromFile(file.Name(), "WinSys,Nowhere"));
    EXPECT_EQ(list.GetError(), 1005);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"a.dll", "c.dll"}));
}

struct HeaderCase {
    const char *content;
    const char *section;
    bool found;
    unsigned count;
};

class HeaderMatching : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderMatching, FindsHeaderAsWritten)
{
    const HeaderCase &c = GetParam();
    ListFile file("qeb_lf_header.ini", c.content);
    CFNList list;
    EXPECT_EQ(list.FillListFromFile(file.Name(), c.section) != 0, c.found);
    EXPECT_EQ(list.GetError(), c.found ? 0 : 1005);
    EXPECT_EQ(list.GetCount(), c.count);
}

INSTANTIATE_TEST_SUITE_P(Table, HeaderMatching, ::testing::Values(
    HeaderCase{"[WINSYS]\nx.dll\n", "WinSys", true, 1},
    HeaderCase{"[WinSys]\nx.dll\n", "WINSYS", true, 1},
    HeaderCase{"; [WinSys]\nx.dll\n", "WinSys", false, 0},
    HeaderCase{"x ; [WinSys]\nx.dll\n", "WinSys", false, 0},
    HeaderCase{"  [WinSys] ; here\nx.dll\n", "WinSys", true, 1},
    HeaderCase{"[Win Sys]\nx.dll\n", "Win Sys", false, 0},   // the line keeps its blank
    HeaderCase{"[winsys]\nx.dll\n", " Win Sys ", true, 1},   // the name loses its blanks
    HeaderCase{"[WinSys]\nx.dll\n [Next]\ny.dll\n", "WinSys", true, 3}, // "[" not first: a name
    HeaderCase{"[WinSys]\nx.dll\n[WinSys]\ny.dll\n", "WinSys", true, 2},
    HeaderCase{"[WinSys32]\nx.dll\n", "WinSys", false, 0},
    HeaderCase{"", "WinSys", false, 0}));

TEST(ListFile, BlankSectionsTextGives1003)
{
    ListFile file("qeb_lf_blank.ini", kSetupIni);
    CFNList list;
    EXPECT_FALSE(list.FillListFromFile(file.Name(), "  "));
    EXPECT_EQ(list.GetError(), 1003);
    CFNList other;
    EXPECT_FALSE(other.FillListFromFile(file.Name(), nullptr));
    EXPECT_EQ(other.GetError(), 1003);
}

TEST(ListFile, MissingFileGives1001)
{
    CFNList list;
    EXPECT_FALSE(list.FillListFromFile("qeb_lf_does_not_exist.ini", "WinSys"));
    EXPECT_EQ(list.GetError(), 1001);
}

TEST(ListFile, BlankLineOfFileListIs1006)
{
    CFNList list;
    EXPECT_FALSE(list.ScanLine("WinSys", " \t\n"));
    EXPECT_EQ(list.GetError(), 1006);
    EXPECT_EQ(list.GetCount(), 0u);
}

struct KvCase {
    const char *line;
    bool ok;
    int error;
    const char *key, *value;
};

class KvLines : public ::testing::TestWithParam<KvCase> {};

TEST_P(KvLines, Scans)
{
    const KvCase &c = GetParam();
    CKVList list;
    EXPECT_EQ(list.ScanLine("Setup", c.line) != 0, c.ok);
    EXPECT_EQ(list.GetError(), c.error);
    ASSERT_EQ(list.GetCount(), c.ok ? 1u : 0u);
    if (c.ok) {
        const KVEntry *e = static_cast<const KVEntry *>(list.GetFirst());
        EXPECT_STREQ(e->key, c.key);
        EXPECT_STREQ(e->value, c.value);
        EXPECT_STREQ(e->section, "Setup");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, KvLines, ::testing::Values(
    KvCase{"Card Type = K 4 , rest\n", true, 0, "CardType", "K4"},
    KvCase{"Driver=vxd\n", true, 0, "Driver", "vxd"},
    KvCase{"Driver=\n", false, 0, "", ""},
    KvCase{"Driver=  ,x\n", false, 0, "", ""},
    KvCase{"no equals sign\n", false, 1006, "", ""}));

TEST(ListFile, KvBlankValueStopsSectionWithoutScannerError)
{
    ListFile file("qeb_lf_kv.ini", "[First]\nA=1\n[Setup]\nA=1\nB=\nC=3\n");
    CKVList list;
    ASSERT_TRUE(list.FillListFromFile(file.Name(), "First"));
    EXPECT_FALSE(list.FillListFromSection("Setup"));
    EXPECT_EQ(list.GetError(), 0);
    EXPECT_EQ(list.GetCount(), 2u);
    // Through FillListFromFile the failure gets its default code.
    CKVList viaFile;
    EXPECT_FALSE(viaFile.FillListFromFile(file.Name(), "Setup"));
    EXPECT_EQ(viaFile.GetError(), 1005);
    EXPECT_EQ(viaFile.GetCount(), 1u);
}

struct ObjCase {
    const char *line;
    const char *source, *destination;
    int value1;
    bool compressed, expand, readOnly, backup, checkSize;
    long size;
};

class ObjLines : public ::testing::TestWithParam<ObjCase> {};

TEST_P(ObjLines, ScansFieldsAndDefaults)
{
    const ObjCase &c = GetParam();
    CObjList list;
    ASSERT_TRUE(list.ScanLine("Prog", c.line));
    ASSERT_EQ(list.GetCount(), 1u);
    const ObjEntry *e = Obj(list, 0);
    EXPECT_STREQ(e->section, "Prog");
    EXPECT_STREQ(e->source, c.source);
    EXPECT_STREQ(e->destination, c.destination);
    EXPECT_EQ(e->value1, c.value1);
    EXPECT_EQ(e->compressed, c.compressed);
    EXPECT_EQ(e->expand, c.expand);
    EXPECT_EQ(e->readOnly, c.readOnly);
    EXPECT_EQ(e->backup, c.backup);
    EXPECT_EQ(e->checkSize, c.checkSize);
    EXPECT_EQ(e->size, c.size);
    EXPECT_EQ(e->protocol, 16);
}

INSTANTIATE_TEST_SUITE_P(Table, ObjLines, ::testing::Values(
    ObjCase{"qeb_absent.exe =\n", "qeb_absent.exe", "qeb_absent.exe", 1, false, false, false, false, false, 0},
    ObjCase{"a.ex_ = a.exe\n", "a.ex_", "a.exe", 1, false, false, false, false, false, 0},
    ObjCase{"a.ex_ = a.exe, , , , 1\n", "a.ex_", "a.exe", 1, false, false, true, false, false, 0},
    ObjCase{"a.ex_=,7,1,1,0,1,1,1234\n", "a.ex_", "a.ex_", 7, true, true, false, true, true, 1234},
    ObjCase{" s p a c e d = d e s t , 2 \n", "spaced", "dest", 2, false, false, false, false, false, 0},
    ObjCase{"a=b,1,1,1,1,1,0,99,extra,fields\n", "a", "b", 1, true, true, true, true, false, 99}));

TEST(ObjList, CheckSizeTakesSizeOfSourceFile)
{
    ListFile source("qeb_lf_source.bin", std::string(1234, 'x'));
    CObjList list;
    ASSERT_TRUE(list.ScanLine("Prog", "qeb_lf_source.bin = t.bin, 1, 0, 0, 0, 0, 1,\n"));
    EXPECT_EQ(Obj(list, 0)->size, 1234);
    EXPECT_TRUE(Obj(list, 0)->checkSize);
    ASSERT_TRUE(list.ScanLine("Prog", "qeb_lf_source.bin = t.bin\n"));
    EXPECT_EQ(Obj(list, 1)->size, 1234);
    // A given size wins over the file's.
    ASSERT_TRUE(list.ScanLine("Prog", "qeb_lf_source.bin = t.bin,1,0,0,0,0,1,5\n"));
    EXPECT_EQ(Obj(list, 2)->size, 5);
    EXPECT_EQ(list.GetSizeOfAllFiles(), 1234 + 1234 + 5);
}

TEST(ObjList, CheckSizeWithoutFileOrWithSizeZeroIs1004)
{
    const char *lines[] = {"qeb_lf_gone.bin = t.bin, 1, 0, 0, 0, 0, 1,\n",
                           "qeb_lf_gone.bin = t.bin, 1, 0, 0, 0, 0, 1, 0\n"};
    for (const char *line : lines) {
        CObjList list;
        EXPECT_FALSE(list.ScanLine("Prog", line)) << line;
        EXPECT_EQ(list.GetError(), 1004) << line;
        EXPECT_EQ(list.GetCount(), 0u);
    }
    CObjList list;
    EXPECT_FALSE(list.ScanLine("Prog", "no equals\n"));
    EXPECT_EQ(list.GetError(), 1006);
}

TEST(ObjList, FirstFailingLineStopsReadingAndKeepsEarlierElements)
{
    ListFile file("qeb_lf_stop.ini", "[Prog]\na=b\nbroken\nc=d\n");
    CObjList list;
    EXPECT_FALSE(list.FillListFromFile(file.Name(), "Prog"));
    EXPECT_EQ(list.GetError(), 1006);
    ASSERT_EQ(list.GetCount(), 1u);
    EXPECT_STREQ(Obj(list, 0)->source, "a");
}

TEST(ObjList, SizeSumSaturatesInsteadOfOverflowing)
{
    CObjList list;
    ASSERT_TRUE(list.ScanLine("P", "a=a,1,0,0,0,0,0,2147483647\n"));
    ASSERT_TRUE(list.ScanLine("P", "b=b,1,0,0,0,0,0,2147483647\n"));
    long sum = list.GetSizeOfAllFiles();
    EXPECT_GE(sum, 2147483647L);
}

namespace {
CFNList *FileList(std::initializer_list<std::pair<const char *, const char *>> items)
{
    CFNList *list = new CFNList;
    for (auto &item : items) {
        std::string line = std::string(item.second) + "\n";
        list->ScanLine(item.first, line.c_str());
    }
    return list;
}
} // namespace

TEST(List, RemoveAtLastOfThreeLeavesCorrectTail)
{
    std::unique_ptr<CFNList> list(FileList({{"S", "a"}, {"S", "b"}, {"S", "c"}}));
    EXPECT_FALSE(list->RemoveAt(3));
    EXPECT_EQ(list->GetCount(), 3u);
    ASSERT_TRUE(list->RemoveAt(2));
    EXPECT_EQ(list->GetCount(), 2u);
    ListNode *tail = list->GetTailNode();
    ASSERT_NE(tail, nullptr);
    EXPECT_EQ(tail->next, nullptr);
    EXPECT_STREQ(static_cast<CFname *>(tail->element)->name, "b");
    EXPECT_EQ(tail->previous, list->GetHeadNode());
    EXPECT_EQ(list->GetHeadNode()->next, tail);
    EXPECT_EQ(list->GetNodeAt(2), nullptr);
    EXPECT_EQ(list->GetAt(1), tail->element);
}

TEST(List, RemoveAtFirstAndMiddleRelinks)
{
    std::unique_ptr<CFNList> list(FileList({{"S", "a"}, {"S", "b"}, {"S", "c"}, {"S", "d"}}));
    ASSERT_TRUE(list->RemoveAt(1));
    ASSERT_TRUE(list->RemoveAt(0));
    EXPECT_EQ(Names(*list), (std::vector<std::string>{"c", "d"}));
    EXPECT_EQ(list->GetHeadNode()->previous, nullptr);
    EXPECT_EQ(list->GetTailNode()->previous, list->GetHeadNode());
    EXPECT_TRUE(list->Clear());
    EXPECT_EQ(list->GetCount(), 0u);
    EXPECT_EQ(list->GetHeadNode(), nullptr);
    EXPECT_EQ(list->GetFirst(), nullptr);
    EXPECT_EQ(list->GetLast(), nullptr);
    EXPECT_FALSE(list->RemoveAt(0));
}

TEST(List, SectionSearchReturnsOneContiguousRun)
{
    std::unique_ptr<CFNList> list(FileList({{"Prog", "p1"},
                                            {"WinSys", "w1"},
                                            {"WinSys32", "w2"},
                                            {"Prog", "p2"},
                                            {"WinSys", "w3"}}));
    std::vector<std::string> seen;
    for (ListElement *e = list->GetFilesFromSection("WinSys"); e; e = list->GetFilesFromSection(nullptr))
        seen.push_back(static_cast<CFname *>(e)->name);
    EXPECT_EQ(seen, (std::vector<std::string>{"w1", "w2"}));
    EXPECT_EQ(list->GetFilesFromSection(nullptr), nullptr);
    // Case-sensitive.
    EXPECT_EQ(list->GetFilesFromSection("winsys"), nullptr);
    EXPECT_EQ(list->GetError(), 1005);
    EXPECT_EQ(list->GetFilesFromSection(""), nullptr);
    EXPECT_EQ(list->GetError(), 1003);
}

TEST(List, RemovingTheSearchPositionEndsTheSearch)
{
    std::unique_ptr<CFNList> list(FileList({{"A", "a"}, {"A", "b"}}));
    ASSERT_NE(list->GetFilesFromSection("A"), nullptr);
    ASSERT_TRUE(list->RemoveAt(0));
    EXPECT_EQ(list->GetFilesFromSection(nullptr), nullptr);
}

TEST(FNList, RemoveMatchingRemovesOneCopyPerName)
{
    std::unique_ptr<CFNList> mine(FileList({{"S", "a.dll"}, {"S", "b.dll"}, {"S", "a.dll"}, {"S", "C.dll"}}));
    std::unique_ptr<CFNList> keep(FileList({{"K", "a.dll"}, {"K", "c.dll"}, {"K", "x.dll"}}));
    EXPECT_TRUE(mine->RemoveMatching(*keep));
    EXPECT_EQ(Names(*mine), (std::vector<std::string>{"b.dll", "a.dll", "C.dll"}));
}
