#include "base/CObjList.h"
#include "base/CDebugFile.h"
#include "base/Platform.h"
#include "base/TextHelpers.h"
#include "controller/CardTypeTable.h"
#include "controller/Names.h"
#include "controller/SetupContext.h"
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
enum { FieldCount = 7 };

// The piece of text up to the next "," (or the end); moves text behind it.
// Returns false when there is no further piece.
bool NextPiece(const char *&text, char *piece, size_t size)
{
    if (!text) return false;
    const char *comma = std::strchr(text, ',');
    size_t n = comma ? static_cast<size_t>(comma - text) : std::strlen(text);
    size_t copy = n < size ? n : size - 1;
    std::memcpy(piece, text, copy);
    piece[copy] = '\0';
    text = comma ? comma + 1 : nullptr;
    return true;
}

long ToLong(const char *text)
{
    long value = std::strtol(text, nullptr, 10);
    return value;
}

int ToInt(const char *text)
{
    long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}
} // namespace

CObjList::CObjList() : m_cardType(0) { Log().WriteLine("CObjList"); }

CObjList::~CObjList() { Log().WriteLine("~CObjList"); }

BOOL CObjList::ScanLine(const char *section, const char *line)
{
    ObjEntry *entry = new (std::nothrow) ObjEntry;
    if (!entry) return FALSE;
    Log().WriteLine("CObjList::ScanLine '%s'", line ? line : "");
    const char *equals = line ? std::strchr(line, '=') : nullptr;
    if (!equals) {
        m_error = ListErrorLine;
        delete entry;
        return FALSE;
    }
    size_t sourceLength = static_cast<size_t>(equals - line);
    if (sourceLength >= sizeof entry->source) sourceLength = sizeof entry->source - 1;
    std::memcpy(entry->source, line, sourceLength);
    entry->source[sourceLength] = '\0';
    Squeeze(entry->source);

    const char *rest = equals + 1;
    char piece[ListTextSize];
    NextPiece(rest, piece, sizeof piece);
    Squeeze(piece);
    SafeCopy(entry->destination, IsBlank(piece) ? entry->source : piece, sizeof entry->destination);

    bool sizeGiven = false;
    for (int field = 0; field < FieldCount && NextPiece(rest, piece, sizeof piece); ++field) {
        if (IsBlank(piece)) continue;
        switch (field) {
        case 0: entry->value1 = ToInt(piece); break;
        case 1: entry->compressed = ToInt(piece) != 0; break;
        case 2: entry->expand = ToInt(piece) != 0; break;
        case 3: entry->readOnly = ToInt(piece) != 0; break;
        case 4: entry->backup = ToInt(piece) != 0; break;
        case 5: entry->checkSize = ToInt(piece) != 0; break;
        case 6: entry->size = ToLong(piece); sizeGiven = true; break;
        }
    }
    if (!sizeGiven) {
        long found = PlatformFindFileSize(entry->source);
        entry->size = found > 0 ? found : 0;
    }
    if (entry->checkSize && entry->size == 0) {
        m_error = ListErrorSize;
        delete entry;
        return FALSE;
    }
    SafeCopy(entry->section, section, sizeof entry->section);
    if (!AddElement(entry)) {
        delete entry;
        return FALSE;
    }
    if (m_cardType != 0) {
        for (char *p = entry->destination; *p; ++p)
            *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
        // A type without driver base name has neither protocol files nor a
        // driver: its bare extensions must not produce nameless driver copies.
        const CardTypeTable *table = SetupCardTypeTable();
        if (table && table->GetBaseName(m_cardType)[0]) {
            static const int protocols[] = {6, 0, 3};
            for (int protocol : protocols) {
                const char *file = ProtocolFileName(m_cardType, protocol);
                if (file[0] && std::strstr(entry->destination, file)) AddDriverCopy(entry, protocol);
            }
        }
    }
    return TRUE;
}

long CObjList::GetSizeOfAllFiles() const
{
    // The sum saturates instead of wrapping around, at every step.
    long long sum = 0;
    for (ListNode *node = m_head; node; node = node->next) {
        long long size = static_cast<const ObjEntry *>(node->element)->size;
        if (size > 0 && sum > LLONG_MAX - size)
            sum = LLONG_MAX;
        else if (size < 0 && sum < LLONG_MIN - size)
            sum = LLONG_MIN;
        else
            sum += size;
    }
    if (sum > LONG_MAX) sum = LONG_MAX;
    if (sum < LONG_MIN) sum = LONG_MIN;
    long result = static_cast<long>(sum);
    Log().WriteLine("CObjList::GetSizeOfAllFiles %d", static_cast<int>(result));
    return result;
}

BOOL CObjList::GetDestDir(const ObjEntry *entry, char *buffer, unsigned length) const
{
    if (!buffer || !entry || length == 0) return FALSE;
    SafeCopy(buffer, SetupInstallPath(), length);
    const char *section = entry->section;
    char dir[DirTextSize];
    if (std::strstr(section, "WinSys32")) {
        SetupSystemDirectory(dir, sizeof dir);
        SafeCopy(buffer, dir, length);
    } else if (std::strstr(section, "WinSys")) {
        SetupSystemDirectory(dir, sizeof dir);
        if (SetupIsWinNT()) {
            // The 16-bit system directory beside the 32-bit one.
            char *found = std::strstr(dir, "32");
            if (found) std::memmove(found, found + 2, std::strlen(found + 2) + 1);
        }
        SafeCopy(buffer, dir, length);
    } else if (std::strstr(section, "Win")) {
        SetupWindowsDirectory(dir, sizeof dir);
        SafeCopy(buffer, dir, length);
    } else if (std::strstr(section, "Drv")) {
        SetupSystemDirectory(dir, sizeof dir);
        SafeCopy(buffer, dir, length);
        if (SetupIsWin9x()) SafeAppend(buffer, "32", length);
        SafeAppend(buffer, "\\", length);
        SafeAppend(buffer, SetupText(2083), length);
    }
    return TRUE;
}

BOOL CObjList::GetDestPath(unsigned index, char *buffer, unsigned length) const
{
    const ObjEntry *entry = static_cast<const ObjEntry *>(GetAt(index));
    if (!GetDestDir(entry, buffer, length)) return FALSE;
    SafeAppend(buffer, "\\", length);
    SafeAppend(buffer, entry->destination, length);
    return TRUE;
}

void CObjList::SetCardType(int type) { m_cardType = type; }

BOOL CObjList::AddDriverCopy(const ObjEntry *entry, int protocol)
{
    if (!entry) return FALSE;
    ObjEntry *copy = new (std::nothrow) ObjEntry(*entry);
    if (!copy) return FALSE;
    SafeCopy(copy->destination, DriverFileName(m_cardType, 0), sizeof copy->destination);
    bool drv = SetupIsWinNT() || SetupDriverKind() == 3;
    SafeCopy(copy->section, drv ? "Drv" : "WinSys", sizeof copy->section);
    copy->protocol = protocol;
    if (!AddElement(copy)) {
        delete copy;
        return FALSE;
    }
    return TRUE;
}
