#include "controller/CardTypeTable.h"
#include "base/CDebugFile.h"
#include "base/Platform.h"
#include <cctype>
#include <cstdlib>

const CardStringRow CardStringTable[CardTypeRows] = {
    {16, 16, {"k4setup.inf", "K4", "K4", "k4test.exe"}},
    {18, 18, {"k4psetup.inf", "K4p", "K4plus", "k4ptest.exe"}},
    {17, 17, {"kpcmset.inf", "K4pcmcia", "K4 PCMCIA", "kpcmtest.exe"}},
    {21, 21, {"zusbset.inf", "K4usb", "Zando Card USB", "zusbtst.exe"}},
    {24, 24, {"zsetup.inf", "ZANDOK4", "Zando Card", "ztest.exe"}},
    {26, 26, {"zpnpset.inf", "ZANDOpnp", "Zando Card PnP", "zpnptest.exe"}},
    {27, 27, {"zpciset.inf", "ZANDOpci", "Zando Card PCI", "zpcitest.exe"}},
    {25, 25, {"zpcmset.inf", "ZANDOpcmcia", "Zando Card PCMCIA", "zpcmtest.exe"}},
    {32, 32, {"p7setup.inf", "P7at", "P7", "p7test.exe"}},
    {36, 32, {"p7pciset.inf", "P7pci", "P7 PCI", "p7test.exe"}},
    {35, 35, {"ppcmset.inf", "P7pcmcia", "P7 PCMCIA", "ppcmtest.exe"}},
    {38, 38, {"p7usbset.inf", "P7usb", "P7 USB", "p7test.exe"}},
    {90, 90, {"sioset.inf", "GSMserial", "SerialLink GSM", "test.exe"}},
    {80, 80, {"J2setup.inf", "J2", "J2", "j2test.exe"}},
    {28, 28, {"gsmset.inf", "ZANDOXv", "Zando GSM V.24", "test.exe"}},
    {22, 22, {"gsmset.inf", "K4IrDA", "Zando GSM IrDA", "test.exe"}},
    {64, 64, {"wpcmset.inf", "W3", "W3", "w3test.exe"}},
    {65, 65, {"w5setup.inf", "W5", "W5", "w5test.exe"}},
};

// Bus code, then IsActive, IsMobile, HasSerialNumber, HasIoAndIrq,
// IsComPort, PnpNotice, PlugNotice, HasTestLink.
const CardFlagRow CardFlagTable[CardTypeRows] = {
    {16, Isa, {0, 0, 0, 1, 0, 0, 0, 1}},
    {18, Isa, {0, 0, 1, 1, 0, 0, 0, 1}},
    {17, Pcmcia, {0, 0, 0, 1, 0, 0, 1, 1}},
    {21, Usb, {0, 0, 0, 0, 0, 0, 1, 0}},
    {24, Isa, {0, 0, 0, 1, 0, 0, 0, 1}},
    {26, IsaPnp, {0, 0, 0, 1, 0, 1, 0, 1}},
    {27, Pci, {0, 0, 0, 1, 0, 1, 0, 1}},
    {25, Pcmcia, {0, 0, 0, 1, 0, 0, 1, 1}},
    {32, Isa, {1, 0, 1, 1, 0, 0, 0, 1}},
    {36, Pci, {1, 0, 1, 1, 0, 1, 0, 1}},
    {35, Pcmcia, {1, 0, 1, 1, 0, 1, 0, 1}},
    {38, Usb, {1, 0, 1, 0, 0, 0, 1, 1}},
    {90, Serial, {0, 0, 0, 0, 1, 0, 0, 0}},
    {80, Isa, {1, 0, 1, 1, 0, 0, 0, 0}},
    {28, Serial, {0, 1, 0, 0, 0, 0, 0, 0}},
    {22, Serial, {0, 1, 0, 0, 0, 0, 0, 0}},
    {64, Pcmcia, {1, 1, 1, 1, 0, 0, 1, 1}},
    {65, Pcmcia, {1, 1, 1, 1, 0, 0, 1, 0}},
};

const CardBase9xRow CardBase9xTable[CardTypeRows] = {
    {16, 0}, {18, 1}, {17, 9},  {21, 2},  {24, 3}, {26, 4}, {27, 5}, {25, 6},  {32, 7},
    {36, 7}, {35, 7}, {38, 11}, {90, 8},  {80, 7}, {28, 8}, {22, 8}, {64, 12}, {65, 13},
};

// Type id, base-name index, column A, column B, UseWriteReadme.
const CardBaseNtRow CardBaseNtTable[CardTypeRows] = {
    {16, 0, 0, 1, 1},  {18, 1, 0, 1, 1}, {17, 9, 0, 0, 1}, {21, 2, 0, 0, 0}, {24, 3, 0, 1, 1},
    {26, 4, 0, 0, 1},  {27, 5, 0, 0, 1}, {25, 6, 0, 0, 1}, {32, 7, 0, 1, 1}, {36, 7, 0, 0, 1},
    {35, 7, 0, 0, 1},  {38, 11, 0, 0, 1}, {90, 8, 0, 1, 0}, {80, 7, 1, 0, 1}, {28, 8, 0, 1, 0},
    {22, 8, 0, 1, 0},  {64, 7, 0, 0, 1}, {65, 7, 0, 0, 0},
};

const char *const BaseNameTable[BaseNameCount] = {
    "k4base", "k4pbase",  "zusbbase", "zbase", "zpnpbase", "zpcibase", "zpcmbase",
    "p7cbase", "sergsm",  "kpcmbase", "ppcmbase", "p7usb", "wpcmbase", "w5base",
};

const char *const EnumNameTable[7] = {
    "", "root\\qebisdn", "isapnp", "pci", "pcmcia", "usb", "root\\qebisdn",
};

void FreeCardTypeList(CardTypeList *list)
{
    if (!list) return;
    std::free(list->ids);
    std::free(list);
}

namespace {
const CardTypeArrays s_ownArrays = {CardStringTable, CardFlagTable, CardBase9xTable,
                                    CardBaseNtTable};

bool EqualNoCase(const char *a, const char *b)
{
    for (;; ++a, ++b) {
        int ca = std::tolower(static_cast<unsigned char>(*a));
        int cb = std::tolower(static_cast<unsigned char>(*b));
        // Only ASCII letters are folded.
        if (static_cast<unsigned char>(*a) >= 0x80) ca = static_cast<unsigned char>(*a);
        if (static_cast<unsigned char>(*b) >= 0x80) cb = static_cast<unsigned char>(*b);
        if (ca != cb) return false;
        if (ca == 0) return true;
    }
}
} // namespace

CardTypeTable::CardTypeTable() { Construct(s_ownArrays); }

CardTypeTable::CardTypeTable(const CardTypeArrays &checked) { Construct(checked); }

void CardTypeTable::Construct(const CardTypeArrays &checked)
{
    inconsistent = 1;
    if (CheckRows(checked)) {
        inconsistent = 0;
        return;
    }
    PlatformErrorBox("IsTableConsistent()==FALSE", "...");
}

BOOL CardTypeTable::RowsAgree(const CardTypeArrays &arrays)
{
    if (!arrays.strings || !arrays.flags || !arrays.base9x || !arrays.baseNt) return FALSE;
    for (int i = 0; i < CardTypeRows; ++i) {
        int type = arrays.strings[i].type;
        if (arrays.flags[i].type != type || arrays.base9x[i].type != type ||
            arrays.baseNt[i].type != type)
            return FALSE;
    }
    return TRUE;
}

BOOL CardTypeTable::CheckRows(const CardTypeArrays &arrays)
{
    BOOL ok = RowsAgree(arrays);
    inconsistent = ok ? 0 : 1;
    return ok;
}

BOOL CardTypeTable::IsTableConsistent() { return CheckRows(s_ownArrays); }

const CardStringRow *CardTypeTable::FindStrings(int type) const
{
    if (inconsistent) return nullptr;
    for (const CardStringRow &row : CardStringTable)
        if (row.type == type) return &row;
    return nullptr;
}

const CardFlagRow *CardTypeTable::FindFlags(int type) const
{
    if (inconsistent) return nullptr;
    for (const CardFlagRow &row : CardFlagTable)
        if (row.type == type) return &row;
    return nullptr;
}

const CardBase9xRow *CardTypeTable::Find9x(int type) const
{
    if (inconsistent) return nullptr;
    for (const CardBase9xRow &row : CardBase9xTable)
        if (row.type == type) return &row;
    return nullptr;
}

const CardBaseNtRow *CardTypeTable::FindNt(int type) const
{
    if (inconsistent) return nullptr;
    for (const CardBaseNtRow &row : CardBaseNtTable)
        if (row.type == type) return &row;
    return nullptr;
}

const char *CardTypeTable::GetCardString(int type, int column) const
{
    if (column < 0 || column >= CardStringCount) return "";
    const CardStringRow *row = FindStrings(type);
    return row ? row->text[column] : "";
}

BOOL CardTypeTable::GetCardFlag(int type, int flag) const
{
    if (flag < 0 || flag >= CardFlagCount) return FALSE;
    const CardFlagRow *row = FindFlags(type);
    return row && row->flag[flag] ? TRUE : FALSE;
}

int CardTypeTable::GetCardBus(int type) const
{
    const CardFlagRow *row = FindFlags(type);
    return row ? row->bus : 0;
}

int CardTypeTable::GetBaseType(int type) const
{
    const CardStringRow *row = FindStrings(type);
    return row ? row->baseType : 0;
}

int CardTypeTable::FindCardType(int column, const char *text) const
{
    if (inconsistent || !text || column < 0 || column >= CardStringCount) return 0;
    for (const CardStringRow &row : CardStringTable)
        if (EqualNoCase(row.text[column], text)) return row.type;
    return 0;
}

CardTypeList *CardTypeTable::ListCardTypes(int flag, int value) const
{
    if (inconsistent || flag < 0 || flag >= CardFlagCount) return nullptr;
    DWORD count = 0;
    for (const CardFlagRow &row : CardFlagTable)
        if ((row.flag[flag] ? 1 : 0) == value) ++count;
    if (count == 0) return nullptr;
    CardTypeList *list = static_cast<CardTypeList *>(std::malloc(sizeof(CardTypeList)));
    int *ids = static_cast<int *>(std::malloc(count * sizeof(int)));
    if (!list || !ids) {
        std::free(list);
        std::free(ids);
        Log().WriteLine("ListCardTypes: kein Speicher");
        return nullptr;
    }
    DWORD n = 0;
    for (const CardFlagRow &row : CardFlagTable)
        if ((row.flag[flag] ? 1 : 0) == value) ids[n++] = row.type;
    list->count = count;
    list->ids = ids;
    return list;
}
