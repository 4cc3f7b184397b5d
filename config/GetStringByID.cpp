#include "config/GetStringByID.h"
#include "base/CDebugFile.h"
#include "controller/CControllerInfo.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
enum { RingSize = 10, ResultLimit = 1023 };
char *s_ring[RingSize];
int s_next = 0;

const char *StoreInRing(const char *text)
{
    std::free(s_ring[s_next]);
    size_t n = std::strlen(text);
    if (n > ResultLimit) n = ResultLimit;
    char *copy = static_cast<char *>(std::malloc(n + 1));
    if (!copy) return "";
    std::memcpy(copy, text, n);
    copy[n] = '\0';
    s_ring[s_next] = copy;
    s_next = (s_next + 1) % RingSize;
    return copy;
}
} // namespace

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
    const char *text = g_ControllerList->m_strTable->LookupText(id);
    if (!text) {
        Log().WriteLine("GetStringByID()::pse==NULL!");
        char missing[64];
        std::snprintf(missing, sizeof missing, "(string #%u not found)", id);
        return StoreInRing(missing);
    }
    return StoreInRing(text);
}

void ReleaseStringRing()
{
    for (char *&slot : s_ring) {
        std::free(slot);
        slot = nullptr;
    }
    s_next = 0;
}
