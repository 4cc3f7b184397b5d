#include "controller/Protocols.h"
#include "base/TextHelpers.h"
#include "controller/SetupContext.h"
#include <cstdio>
#include <cstring>

namespace {
const char *const s_names[16] = {
    "DSS1", "CT1", "VN3",    "NI1",    "AUSTEL",  "5ESS",         "1TR6",        "GSM",
    "P2M",  "P2P", "LEASEDLINE", "DIG64S", "DIG64S2", "DoubleDIG64S", "DIGS01/TS01", "DIGS02/TS02",
};

struct Recognition {
    const char *text;
    int code;
};

// Longer names come before the shorter ones they contain.
const Recognition s_recognition[20] = {
    {"DSS1 P2P", 9},     {"1TR6 P2P", 9},     {"P2P", 9},      {"DSS1 P2M", 8},
    {"1TR6 P2M", 8},     {"P2M", 8},          {"LEASEDLINE", 10}, {"DoubleDIG64S", 13},
    {"DIG64S2", 12},     {"DIG64S", 11},      {"DIGS01/TS01", 14}, {"DIGS02/TS02", 15},
    {"DSS1", 0},         {"CT1", 1},          {"VN3", 2},      {"NI1", 3},
    {"AUSTEL", 4},       {"5ESS", 5},         {"1TR6", 6},     {"GSM", 7},
};
} // namespace

const char *ProtocolName(int code)
{
    if (code < 0 || code > 15) return "unbekannt";
    return s_names[code];
}

const char *ProtocolDisplayName(int code)
{
    if (code < 0) return "unbekannt";
    if (code <= 7) return ProtocolName(code);
    switch (code) {
    case 11: return SetupText(71);
    case 12: return SetupText(72);
    case 13: return SetupText(73);
    case 14: return SetupText(70);
    case 15: return SetupText(69);
    default: return "unbekannt";
    }
}

BOOL IsServerProtocol(int code) { return code >= 10 && code <= 15; }

const char *ProtocolPairName(int protocol, int serverProtocol)
{
    static char s_pair[TextSize255];
    if (IsServerProtocol(serverProtocol))
        std::snprintf(s_pair, sizeof s_pair, "%s", ProtocolName(serverProtocol));
    else
        std::snprintf(s_pair, sizeof s_pair, "%s %s", ProtocolName(protocol),
                      ProtocolName(serverProtocol));
    return s_pair;
}

int ProtocolCodeFromName(const char *text)
{
    if (!text) return ProtNotSet;
    for (const Recognition &r : s_recognition)
        if (std::strstr(text, r.text)) return r.code;
    return ProtNotSet;
}
