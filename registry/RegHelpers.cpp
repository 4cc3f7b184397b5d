#include "registry/RegHelpers.h"
#include "app/ProgramState.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include "config/GetStringByID.h"
#include "controller/CControllerInfo.h"
#include "controller/CardTypeTable.h"
#include "registry/CRegBinary.h"
#include "registry/CRegDword.h"
#include "registry/CRegExpandSz.h"
#include "registry/CRegKey.h"
#include "registry/CRegMultiSz.h"
#include "registry/CRegSz.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
CRegKey *s_readKey = nullptr;
CRegKey *s_writeKey = nullptr;

enum : REGSAM { ReadAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, WriteAccess = KEY_ALL_ACCESS };

const char *Shown(const char *text) { return text ? text : "(null)"; }

bool SamePath(const char *a, const char *b)
{
    if (!a || !b) return false;
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, a, -1, b,
                          -1) == CSTR_EQUAL;
}

int OpenCached(CRegKey *&cache, const char *path, REGSAM access)
{
    if (IsBlank(path)) return 0;
    if (cache && cache->GetError(nullptr) == REGERR_NONE && SamePath(cache->GetPath(), path))
        return 1;
    delete cache;
    cache = new (std::nothrow) CRegKey(HKEY_LOCAL_MACHINE, path, access);
    return 1;
}

bool InOrder(CRegKey *key) { return key && key->GetError(nullptr) == REGERR_NONE; }

// JoinPath into a buffer of the caller, so that nested helpers keep it.
void JoinInto(char *buffer, size_t size, const char *a, const char *b)
{
    SafeCopy(buffer, JoinPath(a, b), size);
}

// Reads a REG_SZ value of an open key into text; leaves text alone otherwise.
void ReadString(HKEY key, const char *value, char *text, size_t size)
{
    CRegSz sz(key, value);
    if (const char *s = sz.Get()) SafeCopy(text, s, size);
}

CardTypeTable *Table() { return g_ControllerList ? g_ControllerList->GetCardTypeTable() : nullptr; }
bool IsActiveType(int cardType) { return Table() && Table()->IsActive(cardType); }
} // namespace

int OpenReadKey(const char *path) { return OpenCached(s_readKey, path, ReadAccess); }
int OpenWriteKey(const char *path) { return OpenCached(s_writeKey, path, WriteAccess); }

int CloseReadKey()
{
    delete s_readKey;
    s_readKey = nullptr;
    return 1;
}

int CloseWriteKey()
{
    delete s_writeKey;
    s_writeKey = nullptr;
    return 1;
}

CRegKey *ReadKeyCache() { return s_readKey; }
CRegKey *WriteKeyCache() { return s_writeKey; }

int RegDoesKeyExist(const char *path)
{
    Log().Write("RegDoesKeyExist : '%s'", Shown(path));
    // A blank path never reports the key left open by an earlier call.
    int result = OpenReadKey(path) && InOrder(s_readKey);
    Log().WriteLine(result ? "TRUE" : "FALSE");
    return result;
}

int RegDoesValueExist(const char *path, const char *value)
{
    Log().Write("RegDoesValueExist: '%s','%s'", Shown(path), Shown(value));
    int result = OpenReadKey(path) && s_readKey ? s_readKey->ValueExists(value) : 0;
    Log().WriteLine(result ? "TRUE" : "FALSE");
    return result;
}

int RegGetNumOfSubKeys(const char *path)
{
    Log().Write("RegGetNumOfSubKeys'%s':", Shown(path));
    int result = 0;
    if (OpenReadKey(path) && s_readKey) result = static_cast<int>(s_readKey->GetNumberOfSubKeys());
    Log().WriteLine("'%d'", result);
    return result;
}

int RegGetValue(const char *path, const char *value, DWORD *number)
{
    Log().Write("RegGetValue: '%s','%s'->", Shown(path), Shown(value));
    if (IsBlank(value) || !number || !OpenReadKey(path)) return 0;
    *number = 0;
    if (s_readKey) {
        CRegDword dword(s_readKey->GetHandle(), value);
        DWORD read = dword.Get();
        if (dword.GetError(nullptr) == REGERR_TYPE) {
            CRegBinary binary(s_readKey->GetHandle(), value);
            if (const BYTE *bytes = binary.Get()) {
                DWORD size = binary.GetSize();
                std::memcpy(number, bytes, size < sizeof *number ? size : sizeof *number);
            }
        } else {
            *number = read;
        }
    }
    Log().WriteLine("'%d'", static_cast<int>(*number));
    return 1;
}

int RegGetValue(const char *path, const char *value, char *text, size_t size)
{
    Log().Write("RegGetValue: '%s','%s'->", Shown(path), Shown(value));
    if (!value || !text || size == 0) return 0;
    text[0] = '\0';
    if (!OpenReadKey(path)) return 0;
    if (s_readKey) ReadString(s_readKey->GetHandle(), value, text, size);
    Log().WriteLine("'%s'", text);
    return 1;
}

int RegGetValue(HKEY root, const char *path, const char *value, char *text, size_t size)
{
    Log().Write("RegGetValue: '%s','%s'->", Shown(path), Shown(value));
    if (IsBlank(value) || !text || size == 0) return 0;
    text[0] = '\0';
    CRegKey *key = new (std::nothrow) CRegKey(root, path, ReadAccess);
    if (!key) return 0;
    ReadString(key->GetHandle(), value, text, size);
    delete key;
    Log().WriteLine("'%s'", text);
    return 1;
}

int RegCreateValue(const char *path, const char *value, const char *data, DWORD multiSzLength)
{
    Log().Write("RegCreateValue: '%s','%s'", Shown(path), Shown(value));
    if (multiSzLength != 0) {
        Log().Write(" Multisz\n");
        // Walk the list within its length, also when it lacks the final zero.
        for (DWORD at = 0; data && at < multiSzLength;) {
            size_t n = strnlen(data + at, multiSzLength - at);
            if (n == 0) break;
            char line[CDebugFile::TextSize];
            size_t shown = n < sizeof line - 1 ? n : sizeof line - 1;
            std::memcpy(line, data + at, shown);
            line[shown] = '\0';
            Log().WriteLine("\t'%s'", line);
            at += static_cast<DWORD>(n) + 1;
        }
    } else {
        Log().WriteLine(" '%s'", Shown(data));
    }
    if (!value || !data || !OpenWriteKey(path)) return 0;
    if (!s_writeKey) return 1;
    HKEY key = s_writeKey->GetHandle();
    if (multiSzLength != 0) {
        CRegMultiSz list(key, value);
        list.Create(data, multiSzLength);
    } else if (std::strchr(data, '%')) {
        CRegExpandSz expandable(key, value);
        expandable.Create(data);
    } else {
        CRegSz text(key, value);
        text.Create(data);
    }
    return 1;
}

int RegCreateValue(const char *path, const char *value, DWORD number)
{
    Log().WriteLine("RegCreateValue: '%s','%s',%d", Shown(path), Shown(value),
                    static_cast<int>(number));
    if (IsBlank(value) || !OpenWriteKey(path)) return 0;
    if (!s_writeKey) return 1;
    CRegDword dword(s_writeKey->GetHandle(), value);
    dword.Create(number);
    return 1;
}

int RegCreateSubkey(const char *path, const char *subkey)
{
    Log().WriteLine("RegCreateSubkey: '%s','%s'", Shown(path), Shown(subkey));
    if (IsBlank(subkey) || !OpenWriteKey(path) || !s_writeKey) return 0;
    s_writeKey->CreateSubKey(subkey, nullptr);
    return 1;
}

int RegDelValue(const char *path, const char *value)
{
    Log().Write("RegDelValue: '%s'->'%s'", Shown(path), Shown(value));
    if (IsBlank(value) || !OpenWriteKey(path)) return 0;
    int result = s_writeKey && s_writeKey->DeleteValue(value) == REGERR_NONE;
    Log().WriteLine(result ? "TRUE" : "FALSE");
    return result;
}

int RegRemoveAllKeys(const char *path)
{
    Log().WriteLine("RegRemoveAllKeys '%s'", Shown(path));
    if (!path) return 0;
    const char *last = std::strrchr(path, '\\');
    // Without a last component nothing names the key to remove.
    if (!last || IsBlank(last + 1)) return 0;
    size_t parentLength = static_cast<size_t>(last - path);
    char *parent = static_cast<char *>(std::malloc(parentLength + 1));
    if (!parent) return 0;
    std::memcpy(parent, path, parentLength);
    parent[parentLength] = '\0';
    int opened = OpenWriteKey(parent);
    std::free(parent);
    if (!opened) return 0;
    if (s_writeKey) s_writeKey->DeleteSubKeyTree(last + 1);
    return 1;
}

int RegIsKeyAccessible(const char *path, int *reason)
{
    Log().Write("RegIsKeyAccessible: '%s' ", Shown(path));
    if (!OpenWriteKey(path) || !s_writeKey) {
        Log().WriteLine("FALSE");
        return 0;
    }
    int code = s_writeKey->GetError(nullptr);
    if (reason) {
        switch (code) {
        case REGERR_NONE:   *reason = 0; break;
        case REGERR_PATH:   *reason = 1; break;
        case REGERR_ACCESS: *reason = 2; break;
        default:            *reason = 3; break;
        }
    }
    int result = code == REGERR_NONE || code == REGERR_PATH;
    Log().WriteLine(result ? "TRUE" : "FALSE");
    return result;
}

int RegMultiSzInsert(const char *path, const char *value, const char *existing,
                     const char *newText)
{
    if (IsBlank(value) || IsBlank(existing) || IsBlank(newText)) return 0;
    if (!OpenWriteKey(path) || !s_writeKey) return 0;
    CRegMultiSz *list = new (std::nothrow) CRegMultiSz(s_writeKey->GetHandle(), value);
    if (!list) return 0;
    if (!list->Contains(newText, 0)) {
        list->ClearErrorCode();
        list->InsertBefore(newText, existing, 0);
    }
    int result = list->GetError(nullptr) == REGERR_NONE;
    delete list;
    return result;
}

int RegMoveController(const char *path, const char *source, const char *destination)
{
    Log().WriteLine("RegMoveController: '%s','%s','%s'", Shown(path), Shown(source),
                    Shown(destination));
    if (!OpenWriteKey(path)) return 0;
    if (s_writeKey) s_writeKey->MoveKey(source, destination);
    return 1;
}

int RegMoveController(const char *path, const char *text, char *found, size_t foundSize)
{
    Log().WriteLine("RegMoveController: '%s','%s'", Shown(path), Shown(text));
    if (!found || foundSize == 0) return 0;
    found[0] = '\0';
    if (!OpenReadKey(path)) return 0;
    if (s_readKey && s_readKey->FindKeyWithText(GetStringByID(2078), text, 0))
        SafeCopy(found, s_readKey->GetFoundPath(), foundSize);
    Log().WriteLine("gefunden unter: '%s'", found);
    return 1;
}

int RegGetSoftPath(char *path, const char *text, size_t size)
{
    if (!path || !text || size == 0) return 0;
    Log().WriteLine("RegGetSoftPath '%s'", text);
    path[0] = '\0';
    if (!IsWinNT()) return 0;
    CloseReadKey();
    s_readKey = new (std::nothrow) CRegKey(HKEY_LOCAL_MACHINE, GetStringByID(2004), ReadAccess);
    if (s_readKey) {
        int found = s_readKey->FindKeyWithText(GetStringByID(2017), text, 0);
        Log().Write(found ? "Manu gefunden ->" : "Manu nicht gefunden ->");
        SafeCopy(path, s_readKey->GetFoundPath(), size);
        Log().WriteLine("'%s'", path);
    }
    return !IsBlank(path);
}

int RegGetAutostart()
{
    Log().WriteLine("RegGetAutostart");
    if (!g_ControllerList || !IsActiveType(g_ControllerList->CardType)) return 1;
    char key[DirTextSize];
    if (g_ControllerList->HasAddInfo80()) {
        JoinInto(key, sizeof key, g_ControllerList->RegHard, GetStringByID(2048));
        const char *value = GetStringByID(2136);
        if (!RegDoesValueExist(key, value)) return 1;
        DWORD number = 0;
        RegGetValue(key, value, &number);
        return static_cast<int>(number);
    }
    if (IsWinNT()) {
        JoinInto(key, sizeof key, GetStringByID(2000), GetStringByID(2005));
        OpenReadKey(key);
        if (!s_readKey) return 1;
        CRegDword start(s_readKey->GetHandle(), "Start");
        DWORD number = start.Get();
        return (start.GetError(nullptr) != REGERR_NONE || number == 2) ? 1 : 0;
    }
    JoinInto(key, sizeof key, g_ControllerList->RegSoft, GetStringByID(2111));
    const char *value = GetStringByID(2113);
    if (!RegDoesValueExist(key, value)) return 1;
    char text[RegTextSize];
    RegGetValue(key, value, text, sizeof text);
    return !IsBlank(text);
}

int GetCurrentIrDAComPort()
{
    Log().WriteLine("GetCurrentIrDAComPort:");
    char text[RegTextSize];
    text[0] = '\0';
    RegGetValue("Enum\\Infrared\\VirtualPorts", "VirtualComPortName", text, sizeof text);
    size_t n = std::strlen(text);
    int port = (n > 0 && text[n - 1] >= '1' && text[n - 1] <= '9') ? text[n - 1] - '0' : 0;
    Log().WriteLine("Port:'%d'", port);
    return port;
}

int RegGetSerialPort()
{
    Log().WriteLine("RegGetSerialPort");
    if (!g_ControllerList) return 0;
    int cardType = g_ControllerList->CardType;
    if (cardType == 22) return GetCurrentIrDAComPort();
    if (!Table() || Table()->GetCardBus(cardType) != Serial) return 0;
    char key[DirTextSize];
    JoinInto(key, sizeof key, IsWin9x() ? g_ControllerList->RegSoft : g_ControllerList->RegHard,
             g_ControllerList->CtrlName);
    DWORD number = 0;
    RegGetValue(key, GetStringByID(2124), &number);
    return static_cast<int>(number);
}

int RegGetCtrlValue(int index, const char *value, char *text, size_t size)
{
    if (!IsWinNT() || !g_ControllerList) return 0;
    if (index < 0 || index > 3) return 0;
    if (!IsActiveType(g_ControllerList->CurrentCards[index].typ)) return 1;
    if (!text || size == 0 || IsBlank(value)) return 0;
    text[0] = '\0';
    char name[16];
    std::snprintf(name, sizeof name, "%d", index + 1);
    char key[DirTextSize];
    JoinInto(key, sizeof key, g_ControllerList->RegSoft, name);
    return RegGetValue(key, value, text, size);
}

int RegGetErrorMsg(char *message, size_t size)
{
    Log().Write("RegGetErrorMsg (): ");
    if (!message || size == 0 || IsWin9x()) return 0;
    message[0] = '\0';
    char text[256];
    text[0] = '\0';
    RegGetValue(g_ControllerList ? g_ControllerList->RegHard : "", GetStringByID(2013), text,
                sizeof text);
    Log().WriteLine("'%s'", text);
    if (IsBlank(text)) return 1;
    size_t out = 0;
    for (const char *p = text; *p; ++p)
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') text[out++] = *p;
    text[out] = '\0';
    static const struct { const char *key; unsigned id; const char *plain; } marks[] = {
        {"Error=0,", 1035, nullptr},   {"Error=1,", 1036, nullptr},
        {"Error=2,", 0, "Code 2"},     {"Error=3,", 1037, nullptr},
        {"Error=4,", 1038, nullptr},   {"Error=9999,", 0, "Code 9999"},
    };
    for (const auto &mark : marks) {
        if (std::strstr(text, mark.key)) {
            SafeCopy(message, mark.plain ? mark.plain : GetStringByID(mark.id), size);
            return 1;
        }
    }
    return 0;
}
