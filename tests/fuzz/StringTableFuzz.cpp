// Reads arbitrary bytes as a string-table file, plain or compressed (the
// first byte decides), and looks up every id it stored.
#include "base/CDebugFile.h"
// The reader units are compiled into this target, so that the fuzzer's
// coverage instrumentation sees their branches.
#include "config/CStrFileReader.cpp"
#include "config/CStringTable.cpp"
#include "config/StringResult.cpp"
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {
std::string ScratchFile()
{
    const char *dir = std::getenv("TMPDIR");
    std::string base = dir && *dir ? dir : (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    return base + "/qeb-strfuzz-" + std::to_string(getpid()) + ".bin";
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = ScratchFile();
    static CDebugFile log; // closed: nothing is written
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);

    const char *language = (size > 1 && (data[size - 1] & 1)) ? "deutsch" : "english";
    CStringTable table(path.c_str(), language, &log);
    (void)table.GetErrorText();
    static const char *const values[4] = {nullptr, "QEB P7 PCI", "", "QEB ISDN-Controller"};
    char out[StringResultLimit + 1];
    for (unsigned i = 0; i < table.GetEntryCount(); ++i) {
        const StrEntry *e = table.GetEntry(i);
        if (e->id >= 0) {
            const StrEntry *found = table.FindEntry(static_cast<unsigned>(e->id));
            if (!found) __builtin_trap(); // every stored id must be found
        }
        if (e->text && e->placeholders)
            BuildStringResult(static_cast<unsigned>(e->id), e->text, e->placeholders->values,
                              e->placeholders->count, values, out, sizeof out);
    }
    (void)table.FindEntry(table.GetHighestId() + 1);
    return 0;
}
