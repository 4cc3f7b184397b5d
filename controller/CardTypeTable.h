// The card type table: everything that depends on the card type, by type id.
// Four parallel constant arrays of eighteen rows, every row beginning with
// the type id. The Windows NT and Windows 9x variants differ in the driver
// base names and the NT-only columns (the five virtual operations).
#pragma once
#include "base/Win32Types.h"

enum CardBusValue { Isa = 1, IsaPnp = 2, Pci = 3, Pcmcia = 4, Usb = 5, Serial = 6 };

enum CardString { CardInfFile = 0, CardRegistryName = 1, CardDisplayName = 2, CardTestProgram = 3 };

enum CardFlag {
    FlagIsActive = 0,
    FlagIsMobile = 1,
    FlagHasSerialNumber = 2,
    FlagHasIoAndIrq = 3,
    FlagIsComPort = 4,
    FlagPnpNotice = 5,
    FlagPlugNotice = 6,
    FlagHasTestLink = 7
};

enum { CardTypeRows = 18, CardFlagCount = 8, CardStringCount = 4, BaseNameCount = 14 };

struct CardStringRow {
    int type;
    int baseType;
    const char *text[CardStringCount];
};
struct CardFlagRow {
    int type;
    LONG bus;
    LONG flag[CardFlagCount];
};
struct CardBase9xRow {
    int type;
    int index;
};
struct CardBaseNtRow {
    int type;
    int index;
    int columnA;
    int columnB;
    int useWriteReadme;
};

// The four arrays the table is checked against (the table's own by default).
struct CardTypeArrays {
    const CardStringRow *strings;
    const CardFlagRow *flags;
    const CardBase9xRow *base9x;
    const CardBaseNtRow *baseNt;
};

extern const CardStringRow CardStringTable[CardTypeRows];
extern const CardFlagRow CardFlagTable[CardTypeRows];
extern const CardBase9xRow CardBase9xTable[CardTypeRows];
extern const CardBaseNtRow CardBaseNtTable[CardTypeRows];
extern const char *const BaseNameTable[BaseNameCount];
extern const char *const EnumNameTable[7];

// The list of ListCardTypes: the caller frees ids and the block (free).
struct CardTypeList {
    DWORD count;
    int *ids;
};
void FreeCardTypeList(CardTypeList *list);

class CardTypeTable {
public:
    // Slot 0: driver base name; 1: NT column B; 2: NT column A;
    // 3: UseWriteReadme; 4: enumerator name.
    virtual const char *GetBaseName(int type) const = 0;
    virtual int GetNtColumnB(int type) const = 0;
    virtual int GetNtColumnA(int type) const = 0;
    virtual BOOL UseWriteReadme(int type) const = 0;
    virtual const char *GetEnumName(int type) const = 0;
    // Behind the five slots: CIniInfo deletes the variant through this class.
    virtual ~CardTypeTable() = default;

    const char *GetCardString(int type, int column) const;
    BOOL GetCardFlag(int type, int flag) const;
    int GetCardBus(int type) const;
    int GetBaseType(int type) const;
    int FindCardType(int column, const char *text) const;
    CardTypeList *ListCardTypes(int flag, int value) const;

    BOOL IsTableConsistent();
    BOOL IsInconsistent() const { return inconsistent != 0; }

    BOOL IsActive(int type) const { return GetCardFlag(type, FlagIsActive); }
    BOOL IsPassive(int type) const { return !GetCardFlag(type, FlagIsActive); }
    BOOL IsMobile(int type) const { return GetCardFlag(type, FlagIsMobile); }
    BOOL HasSerialNumber(int type) const { return GetCardFlag(type, FlagHasSerialNumber); }
    BOOL HasIoAndIrq(int type) const { return GetCardFlag(type, FlagHasIoAndIrq); }
    BOOL IsComPort(int type) const { return GetCardFlag(type, FlagIsComPort); }
    BOOL PnpNotice(int type) const { return GetCardFlag(type, FlagPnpNotice); }
    BOOL PlugNotice(int type) const { return GetCardFlag(type, FlagPlugNotice); }
    BOOL HasTestLink(int type) const { return GetCardFlag(type, FlagHasTestLink); }
    const char *GetInfFile(int type) const { return GetCardString(type, CardInfFile); }
    const char *GetRegistryName(int type) const { return GetCardString(type, CardRegistryName); }
    const char *GetDisplayName(int type) const { return GetCardString(type, CardDisplayName); }
    const char *GetTestProgram(int type) const { return GetCardString(type, CardTestProgram); }
    const char *GetBaseDisplayName(int type) const
    {
        return GetCardString(GetBaseType(type), CardDisplayName);
    }

    // Whether the four arrays agree on the type id of every row.
    static BOOL RowsAgree(const CardTypeArrays &arrays);

protected:
    CardTypeTable();
    // Checks the given arrays instead of the table's own.
    explicit CardTypeTable(const CardTypeArrays &checked);

    const CardBase9xRow *Find9x(int type) const;
    const CardBaseNtRow *FindNt(int type) const;

    LONG inconsistent;

private:
    void Construct(const CardTypeArrays &checked);
    BOOL CheckRows(const CardTypeArrays &arrays);
    const CardStringRow *FindStrings(int type) const;
    const CardFlagRow *FindFlags(int type) const;
};
