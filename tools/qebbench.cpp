// Load benchmark of the string table: loads the plain and the compressed
// file many times each and prints the time per load. Both forms must give
// the same entries; a difference or a load error ends with result 1.
//
//   qebbench <plain file> <compressed file> [language] [loads]
#include "base/CDebugFile.h"
#include "config/CStringTable.h"
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double MillisecondsPerLoad(const char *path, const char *language, int loads, CDebugFile *log)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < loads; ++i) {
        CStringTable table(path, language, log);
        if (table.HasError()) {
            std::printf("%s: %s\n", path, table.GetErrorText());
            return -1;
        }
    }
    std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / loads;
}

bool SameEntries(const CStringTable &a, const CStringTable &b)
{
    if (a.GetEntryCount() != b.GetEntryCount()) return false;
    for (unsigned i = 0; i < a.GetEntryCount(); ++i) {
        const StrEntry *x = a.GetEntry(i), *y = b.GetEntry(i);
        if (x->id != y->id || std::strcmp(x->text ? x->text : "", y->text ? y->text : "") != 0)
            return false;
        unsigned nx = x->placeholders ? x->placeholders->count : 0;
        unsigned ny = y->placeholders ? y->placeholders->count : 0;
        if (nx != ny) return false;
        for (unsigned k = 0; k < nx; ++k)
            if (x->placeholders->values[k] != y->placeholders->values[k]) return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::printf("usage: qebbench <plain file> <compressed file> [language] [loads]\n");
        return 2;
    }
    const char *language = argc > 3 ? argv[3] : "english";
    int loads = argc > 4 ? std::atoi(argv[4]) : 2000;
    if (loads < 1) loads = 1;
    CDebugFile log; // closed: the loads write nothing
    {
        CStringTable plain(argv[1], language, &log), packed(argv[2], language, &log);
        if (plain.HasError() || packed.HasError()) {
            std::printf("load error: %s %s\n", plain.GetErrorText(), packed.GetErrorText());
            return 1;
        }
        if (!SameEntries(plain, packed)) {
            std::printf("the two files give different entries\n");
            return 1;
        }
        std::printf("%u entries, language %s\n", plain.GetEntryCount(), language);
    }
    double plainMs = MillisecondsPerLoad(argv[1], language, loads, &log);
    double packedMs = MillisecondsPerLoad(argv[2], language, loads, &log);
    if (plainMs < 0 || packedMs < 0) return 1;
    std::printf("plain:      %.4f ms per load (%d loads)\n", plainMs, loads);
    std::printf("compressed: %.4f ms per load (%d loads)\n", packedMs, loads);
    std::printf("ratio compressed/plain: %.2f\n", packedMs / plainMs);
    return 0;
}
