// Reads arbitrary bytes as a list file through all three list kinds. The
// first line of the input is also used as the sections text.
#include "base/CFNList.h"
#include "base/CKVList.h"
#include "base/CObjList.h"
#include "controller/CardTypeTable9x.h"
#include "controller/CardTypeTableNt.h"
#include "controller/SetupContextHost.h"
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {
std::string ScratchFile()
{
    char name[64];
    // Memory-backed when possible: the target opens the file once per section.
    const char *dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::snprintf(name, sizeof name, "%s/qeb_fuzz_list_%d.inf", dir, static_cast<int>(getpid()));
    return name;
}

template <class List> void Walk(List &list, const char *file, const char *sections)
{
    list.FillListFromFile(file, sections);
    list.FillListFromFile(file, "Files, Drv");
    for (ListElement *e = list.GetFilesFromSection("Win"); e; e = list.GetFilesFromSection(nullptr)) {
    }
    list.GetFilesFromSection(sections);
    list.GetLast();
    list.RemoveAt(list.GetCount() / 2);
    list.RemoveAt(list.GetCount() ? list.GetCount() - 1 : 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string file = ScratchFile();
    static CardTypeTableNt nt;
    static CardTypeTable9x nine;
    FILE *f = std::fopen(file.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    std::string sections(reinterpret_cast<const char *>(data),
                         strnlen(reinterpret_cast<const char *>(data), size));
    size_t lineEnd = sections.find('\n');
    if (lineEnd != std::string::npos) sections.resize(lineEnd);

    ResetHostSetup();
    bool ntFamily = size > 0 && (data[0] & 1);
    g_HostSetup.osVersion = ntFamily ? 7 : 5;
    g_HostSetup.table = ntFamily ? static_cast<const CardTypeTable *>(&nt) : &nine;
    g_HostSetup.driverKind = size > 1 ? data[1] % 4 : 0;
    g_HostSetup.installPath = "C:\\IDriver";
    g_HostSetup.windowsDirectory = "C:\\WINDOWS";
    g_HostSetup.systemDirectory = ntFamily ? "C:\\WINDOWS\\system32" : "C:\\WINDOWS\\SYSTEM";

    CFNList names;
    Walk(names, file.c_str(), sections.c_str());
    CFNList others;
    others.FillListFromFile(file.c_str(), "Keep");
    names.RemoveMatching(others);

    CKVList pairs;
    Walk(pairs, file.c_str(), sections.c_str());

    static const int types[] = {0, 16, 24, 32, 64, 65, 80, 90, 99};
    CObjList copies;
    copies.SetCardType(types[(size > 2 ? data[2] : 0) % (sizeof types / sizeof types[0])]);
    Walk(copies, file.c_str(), sections.c_str());
    copies.GetSizeOfAllFiles();
    char path[260];
    for (unsigned i = 0; i < copies.GetCount(); ++i) copies.GetDestPath(i, path, sizeof path);
    char tiny[8];
    if (copies.GetCount()) copies.GetDestPath(0, tiny, sizeof tiny);
    return 0;
}
