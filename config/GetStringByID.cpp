#include "config/GetStringByID.h"
#include "base/CDebugFile.h"
#include "config/StringResult.h"
#include "controller/CControllerInfo.h"
#include "controller/Names.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
enum { RingSize = 10 };
char *s_ring[RingSize];
int s_next = 0;

const char *StoreInRing(const char *text)
{
    std::free(s_ring[s_next]);
    s_ring[s_next] = nullptr;
    size_t n = std::strlen(text);
    if (n > StringResultLimit) n = StringResultLimit;
    char *copy = static_cast<char *>(std::malloc(n + 1));
    if (!copy) return "";
    std::memcpy(copy, text, n);
    copy[n] = '\0';
    s_ring[s_next] = copy;
    s_next = (s_next + 1) % RingSize;
    return copy;
}
} // namespace

const char *OurControllerName()
{
    if (!g_ControllerList) return "";
    const char *name = ControllerName(g_ControllerList->GetCardType());
    return name ? name : "";
}

const char *GetStringByID(unsigned id)
{
    if (!g_ControllerList) {
        Log().WriteLine("GetStringByID()::g_ControllerList==NULL!");
        return "FALSE==pre!";
    }
    if (!g_ControllerList->m_strTable) {
        Log().WriteLine("GetStringByID()::g_ControllerList->m_strTable==NULL!");
        return "FALSE==pre!";
    }
    const StrEntry *entry = g_ControllerList->m_strTable->FindEntry(id);
    if (!entry) {
        Log().WriteLine("GetStringByID()::pse==NULL!");
        char missing[64];
        std::snprintf(missing, sizeof missing, "(string #%u not found)", id);
        return StoreInRing(missing);
    }
    if (!entry->text) return StoreInRing("unknown");
    if (!entry->placeholders || entry->placeholders->count == 0) return StoreInRing(entry->text);

    // The controller name is looked up only when a placeholder asks for it.
    bool needsName = false;
    for (unsigned i = 0; i < entry->placeholders->count; ++i)
        if (entry->placeholders->values[i] == 1) needsName = true;
    char name[256] = "";
    if (needsName) std::snprintf(name, sizeof name, "%s", OurControllerName());
    const char *values[4] = {nullptr, name, g_ControllerList->GetProgGroup(),
                             g_ControllerList->GetManuClass()};
    char result[StringResultLimit + 1];
    BuildStringResult(id, entry->text, entry->placeholders->values, entry->placeholders->count,
                      values, result, sizeof result);
    return StoreInRing(result);
}

const char *GetString(unsigned id) { return GetStringByID(id); }
const char *GetText(unsigned id) { return GetStringByID(id); }

const char *GetProtocolPageText(int value)
{
    return GetStringByID(value == 8 ? 55 : value == 9 ? 54 : 56);
}

void ReleaseStringRing()
{
    for (char *&slot : s_ring) {
        std::free(slot);
        slot = nullptr;
    }
    s_next = 0;
}
