#include "RegistryFixture.h"
#include "registry/CRegBinary.h"
#include "registry/CRegDword.h"
#include "registry/CRegExpandSz.h"
#include "registry/CRegKey.h"
#include "registry/CRegMultiSz.h"
#include "registry/CRegSz.h"
#include <cstring>
#include <memory>

namespace {
class RegValue : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        MakeKey("V");
        m_key.reset(new CRegKey(HKEY_LOCAL_MACHINE, "V", KEY_ALL_ACCESS));
        ASSERT_EQ(m_key->GetError(nullptr), 0);
    }
    void TearDown() override
    {
        m_key.reset();
        RegistryTest::TearDown();
    }
    HKEY Key() { return m_key->GetHandle(); }
    std::vector<BYTE> Stored(const char *name, DWORD *type = nullptr)
    {
        DWORD t = 0;
        std::vector<BYTE> data;
        ReadValue("V", name, &t, &data);
        if (type) *type = t;
        return data;
    }
    std::unique_ptr<CRegKey> m_key;
};

std::vector<BYTE> Bytes(const char *data, size_t size)
{
    return std::vector<BYTE>(data, data + size);
}
} // namespace

TEST_F(RegValue, ConstructorChecksKeyAndName)
{
    CRegValue empty(nullptr, nullptr);
    EXPECT_EQ(empty.GetError(nullptr), 0);
    CRegValue noKey(nullptr, "x");
    EXPECT_EQ(noKey.GetError(nullptr), REGERR_HANDLE);
    CRegValue noName(Key(), nullptr);
    EXPECT_EQ(noName.GetError(nullptr), REGERR_VALUENAME);
    EXPECT_EQ(noName.Exists(), 0);
}

TEST_F(RegValue, MissingValueIsWrittenByCreate)
{
    CRegSz text(Key(), "new");
    EXPECT_EQ(text.Exists(), 0);
    EXPECT_EQ(text.GetSize(), 0u);
    EXPECT_EQ(text.Get(), nullptr);
    EXPECT_EQ(text.GetError(nullptr), REGERR_TYPE);
    text.Reset();
    CRegSz again(Key(), "new");
    EXPECT_EQ(again.Create("abc"), 0);
    EXPECT_EQ(again.Exists(), 1);
    EXPECT_EQ(Stored("new"), Bytes("abc", 4));
}

TEST_F(RegValue, SzCreateStoresTheZeroSetDoesNot)
{
    CRegSz created(Key(), "c");
    EXPECT_EQ(created.Create("abc"), 0);
    EXPECT_EQ(Stored("c").size(), 4u);
    EXPECT_EQ(created.GetSize(), 4u);
    CRegSz set(Key(), "s");
    EXPECT_EQ(set.Set("abc"), 0);
    // The object writes 3 bytes; NT's registry adds the zero that follows
    // them in memory, so 3 or 4 bytes may be stored.
    EXPECT_EQ(set.GetSize(), 3u);
    EXPECT_LE(Stored("s").size(), 4u);
    EXPECT_GE(Stored("s").size(), 3u);
    CRegSz readCreated(Key(), "c"), readSet(Key(), "s");
    EXPECT_STREQ(readCreated.Get(), "abc");
    EXPECT_STREQ(readSet.Get(), "abc");
    EXPECT_EQ(set.Set(nullptr), REGERR_PARAMETER);
}

TEST_F(RegValue, StringWithoutItsZeroIsReadTerminated)
{
    const char rawBytes[] = "abcdefXY"; // no zero after the six bytes written
    PutValue("V", "raw", REG_SZ, rawBytes, 6);
    CRegSz raw(Key(), "raw");
    ASSERT_NE(raw.Get(), nullptr);
    EXPECT_STREQ(raw.Get(), "abcdef");
    EXPECT_EQ(raw.GetSize(), 6u);
}

TEST_F(RegValue, ExistingButUnreadValueGivesCode8)
{
    CRegSz early(Key(), "later");
    PutString("V", "later", "now there");
    EXPECT_EQ(early.IsUpdated(), 0);
    EXPECT_EQ(early.GetError(nullptr), REGERR_UPDATE);
    early.ClearErrorCode();
    EXPECT_EQ(early.Update(), 0);
    EXPECT_STREQ(early.Get(), "now there");
}

TEST_F(RegValue, DwordOnBinaryIsATypeMismatch)
{
    BYTE bytes[4] = {1, 0, 0, 0};
    PutValue("V", "b", REG_BINARY, bytes, 4);
    CRegDword number(Key(), "b");
    EXPECT_EQ(number.Get(), 0u);
    EXPECT_EQ(number.GetError(nullptr), REGERR_TYPE);
    CRegDword fresh(Key(), "d");
    EXPECT_EQ(fresh.Create(0x12345678), 0);
    CRegDword read(Key(), "d");
    EXPECT_EQ(read.Get(), 0x12345678u);
    EXPECT_EQ(read.Equals(0x12345678), 1);
    EXPECT_EQ(read.Equals(1), 0);
    // A stored number shorter than four bytes is read without overrun.
    PutValue("V", "short", REG_DWORD, "\x05", 1);
    CRegDword shortNumber(Key(), "short");
    EXPECT_EQ(shortNumber.Get(), 5u);
}

TEST_F(RegValue, GetDataChecksBufferAndType)
{
    PutString("V", "t", "hello");
    CRegValue value(Key(), "t");
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    DWORD type = 0, size = 5; // one byte too small
    EXPECT_EQ(value.GetData(buffer, &type, &size), nullptr);
    EXPECT_EQ(value.GetError(nullptr), REGERR_MEMORY);
    EXPECT_EQ(buffer[0], 'x');
    value.ClearErrorCode();
    type = REG_DWORD;
    size = sizeof buffer;
    EXPECT_EQ(value.GetData(buffer, &type, &size), nullptr);
    EXPECT_EQ(value.GetError(nullptr), REGERR_TYPE);
    value.ClearErrorCode();
    type = 0;
    EXPECT_EQ(value.GetData(buffer, &type, &size), buffer);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(buffer, "hello");
    EXPECT_EQ(value.GetData(nullptr, &type, &size), nullptr);
    EXPECT_EQ(value.GetError(nullptr), REGERR_PARAMETER);
}

TEST_F(RegValue, StringContainsLowersTheCallersText)
{
    PutString("V", "s", "qeb isdn controller");
    CRegSz value(Key(), "s");
    char text[] = "ISDN";
    EXPECT_EQ(value.Contains(text, 0), 1);
    EXPECT_STREQ(text, "isdn");
    char upper[] = "ISDN";
    EXPECT_EQ(value.Contains(upper, 1), 0);
    EXPECT_EQ(value.Contains(nullptr, 0), 0);
    EXPECT_EQ(value.GetError(nullptr), REGERR_PARAMETER);
    PutValue("V", "e", REG_EXPAND_SZ, "%SystemRoot%\\x", 15);
    CRegExpandSz expandable(Key(), "e");
    char root[] = "systemroot";
    EXPECT_EQ(expandable.Contains(root, 0), 1);
    EXPECT_STREQ(expandable.Get(), "%SystemRoot%\\x");
    CRegSz wrong(Key(), "e");
    EXPECT_EQ(wrong.Get(), nullptr);
}

TEST_F(RegValue, StringContainsSeesOnlyTheFirst255Characters)
{
    std::string stored(300, 'a');
    stored.replace(100, 4, "near");
    stored.replace(280, 3, "far");
    PutString("V", "long", stored);
    CRegSz value(Key(), "long");
    char nearText[] = "near", farText[] = "far";
    EXPECT_EQ(value.Contains(nearText, 1), 1);
    EXPECT_EQ(value.Contains(farText, 1), 0);
    std::string longText(1000, 'a');
    EXPECT_EQ(value.Contains(&longText[0], 1), 0);
}

TEST_F(RegValue, BinaryContains)
{
    BYTE bytes[6] = {0, 1, 2, 0, 3, 4};
    PutValue("V", "b", REG_BINARY, bytes, 6);
    CRegBinary value(Key(), "b");
    BYTE inside[3] = {2, 0, 3}, outside[2] = {4, 0}, all[7] = {0, 1, 2, 0, 3, 4, 0};
    EXPECT_EQ(value.Contains(inside, 3), 1);
    EXPECT_EQ(value.Contains(outside, 2), 0);
    EXPECT_EQ(value.Contains(all, 7), 0);
    EXPECT_EQ(value.Contains(nullptr, 1), 0);
    EXPECT_EQ(m_key->BinaryValueContains("b", inside, 3), 1);
    EXPECT_EQ(m_key->DwordValueEquals("b", 0), 0);
}

TEST_F(RegValue, MultiSzFindAndInsertArithmetic)
{
    PutValue("V", "m", REG_MULTI_SZ, "one\0Two\0three\0", 15);
    CRegMultiSz list(Key(), "m");
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.Find("one", 1), 0u);
    EXPECT_EQ(list.GetError(nullptr), 0);
    EXPECT_EQ(list.Find("two", 0), 4u);
    EXPECT_EQ(list.Find("two", 1), 0u);
    EXPECT_EQ(list.GetError(nullptr), REGERR_NOTFOUND);
    list.ClearErrorCode();
    EXPECT_EQ(list.InsertBefore("new", "three", 0), 0);
    EXPECT_EQ(Stored("m"), Bytes("one\0Two\0new\0three\0", 19));
    EXPECT_EQ(list.InsertBefore("x", "missing", 0), REGERR_NOTFOUND);
    EXPECT_EQ(Stored("m"), Bytes("one\0Two\0new\0three\0", 19));
    list.ClearErrorCode();
    EXPECT_EQ(list.RemoveAt(4), 0); // "Two": 4 bytes out, 2 zero bytes in
    EXPECT_EQ(Stored("m"), Bytes("one\0new\0three\0\0\0", 17));
    EXPECT_EQ(list.Remove("NEW", 0), 0);
    EXPECT_EQ(list.Contains("three", 1), 1);
    EXPECT_EQ(list.Contains("new", 0), 0);
    list.ClearErrorCode();
    EXPECT_EQ(list.InsertAt("end", 100), REGERR_PARAMETER);
}

TEST_F(RegValue, MultiSzRemoveTheOnlyStringLeavesThreeZeros)
{
    PutValue("V", "m", REG_MULTI_SZ, "a\0", 3);
    CRegMultiSz list(Key(), "m");
    EXPECT_EQ(list.RemoveAt(0), 0);
    EXPECT_EQ(Stored("m"), Bytes("\0\0\0", 3));
}

TEST_F(RegValue, MultiSzWithoutFinalZeroAndEmptyList)
{
    PutValue("V", "open", REG_MULTI_SZ, "ab\0cd", 5);
    CRegMultiSz open(Key(), "open");
    EXPECT_EQ(open.GetCount(), 2);
    EXPECT_EQ(open.Find("cd", 1), 3u);
    EXPECT_EQ(open.GetError(nullptr), 0);
    PutValue("V", "empty", REG_MULTI_SZ, "\0", 1);
    CRegMultiSz empty(Key(), "empty");
    EXPECT_EQ(empty.GetCount(), 1);
    EXPECT_STREQ(empty.GetFirst(), "");
    EXPECT_EQ(empty.GetNext(), nullptr);
    CRegMultiSz none(Key(), "none");
    EXPECT_EQ(none.GetNext(), nullptr);
    EXPECT_EQ(none.GetError(nullptr), REGERR_GETFIRST);
    BYTE binary[4] = {'x', 'y', 'z', 'w'};
    PutValue("V", "bin", REG_BINARY, binary, 4);
    CRegMultiSz wrongType(Key(), "bin");
    EXPECT_EQ(wrongType.Get(), nullptr);
    EXPECT_EQ(wrongType.GetError(nullptr), REGERR_TYPE);
}
