// Measures the write cache of the registry helpers: the twelve values of one
// controller key written in a row, how often a key is opened for that, and
// the time per helper call beside a bare RegSetValueExA on an open key.
// Works in a scratch key that stands in for HKEY_LOCAL_MACHINE.
#include "registry/CRegKey.h"
#include "registry/RegHelpers.h"
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
const char *const kScratch = "Software\\QebRegBenchmark";
const char *const kCtrlKey = "SOFTWARE\\QEB\\ISDN\\1";

void DeleteTree(HKEY parent, const char *name)
{
    HKEY key;
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        char sub[512];
        while (RegEnumKeyA(key, 0, sub, sizeof sub) == ERROR_SUCCESS) DeleteTree(key, sub);
        RegCloseKey(key);
    }
    RegDeleteKeyA(parent, name);
}

double Seconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to, const LARGE_INTEGER &freq)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(freq.QuadPart);
}

// The twelve values of one controller: texts and numbers, as a write-back does.
void WriteController(int round)
{
    RegCreateValue(kCtrlKey, "CardType", "QEB-PCI", 0);
    RegCreateValue(kCtrlKey, "Protocol", "DSS1", 0);
    RegCreateValue(kCtrlKey, "ServerProtocol", "P2M", 0);
    RegCreateValue(kCtrlKey, "SPID", "0123456789", 0);
    RegCreateValue(kCtrlKey, "SPID2", "9876543210", 0);
    RegCreateValue(kCtrlKey, "DN", "555-0100", 0);
    RegCreateValue(kCtrlKey, "DN2", "555-0101", 0);
    RegCreateValue(kCtrlKey, "Driver", "%SystemRoot%\\system32\\drivers\\qeb.sys", 0);
    RegCreateValue(kCtrlKey, "IoAddress", static_cast<DWORD>(0x150));
    RegCreateValue(kCtrlKey, "Interrupt", static_cast<DWORD>(5));
    RegCreateValue(kCtrlKey, "CardID", static_cast<DWORD>(round));
    RegCreateValue(kCtrlKey, "State", static_cast<DWORD>(0));
}
} // namespace

int main(int argc, char **argv)
{
    int rounds = argc > 1 ? std::atoi(argv[1]) : 500;
    if (rounds < 1) rounds = 1;
    DeleteTree(HKEY_CURRENT_USER, kScratch);
    HKEY scratch;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &scratch, nullptr) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, scratch) != ERROR_SUCCESS) {
        std::printf("RegBenchmark: cannot set up the scratch key\n");
        return 1;
    }
    HKEY ctrl;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kCtrlKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &ctrl,
                    nullptr);

    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);

    // One controller key, written once: how many opens does it take?
    CloseWriteKey();
    long before = CRegKey::OpenCount();
    WriteController(0);
    long opensOneRun = CRegKey::OpenCount() - before;

    before = CRegKey::OpenCount();
    QueryPerformanceCounter(&t0);
    for (int r = 0; r < rounds; ++r) WriteController(r);
    QueryPerformanceCounter(&t1);
    long opensAll = CRegKey::OpenCount() - before;
    double helper = Seconds(t0, t1, freq) / (rounds * 12.0);

    // The same writes with the cache released before every round.
    before = CRegKey::OpenCount();
    QueryPerformanceCounter(&t0);
    for (int r = 0; r < rounds; ++r) {
        CloseWriteKey();
        WriteController(r);
    }
    QueryPerformanceCounter(&t1);
    long opensReleased = CRegKey::OpenCount() - before;
    double released = Seconds(t0, t1, freq) / (rounds * 12.0);

    // Bare RegSetValueExA on an open handle, same data sizes.
    const char text[] = "0123456789";
    DWORD number = 5;
    QueryPerformanceCounter(&t0);
    for (int r = 0; r < rounds; ++r)
        for (int i = 0; i < 12; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "Bare%d", i);
            if (i < 8)
                RegSetValueExA(ctrl, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text),
                               sizeof text);
            else
                RegSetValueExA(ctrl, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number),
                               sizeof number);
        }
    QueryPerformanceCounter(&t1);
    double bare = Seconds(t0, t1, freq) / (rounds * 12.0);

    CloseWriteKey();
    CloseReadKey();
    RegCloseKey(ctrl);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(scratch);
    DeleteTree(HKEY_CURRENT_USER, kScratch);

    std::printf("rounds of twelve values          : %d\n", rounds);
    std::printf("key opens for one controller key : %ld\n", opensOneRun);
    std::printf("key opens for all cached rounds  : %ld\n", opensAll);
    std::printf("key opens, cache released/round  : %ld\n", opensReleased);
    std::printf("helper call, cached write key    : %.2f us\n", helper * 1e6);
    std::printf("helper call, key opened per round: %.2f us\n", released * 1e6);
    std::printf("bare RegSetValueExA              : %.2f us\n", bare * 1e6);
    return opensOneRun == 1 ? 0 : 2;
}
