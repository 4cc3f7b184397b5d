// Scratch string-table files for the tests: written into the current
// directory, loaded with CStringTable.
#pragma once
#include "base/CDebugFile.h"
#include "config/CStringTable.h"
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace strtest {

inline std::string WriteScratch(const std::string &name, const std::string &bytes)
{
    std::string path = "strtab-" + name + ".tmp";
    FILE *f = std::fopen(path.c_str(), "wb");
    if (f) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return path;
}

inline CDebugFile &ClosedLog()
{
    static CDebugFile log;
    return log;
}

inline std::unique_ptr<CStringTable> Load(const std::string &bytes, const char *language = "english",
                                          const std::string &name = "case")
{
    std::string path = WriteScratch(name, bytes);
    return std::unique_ptr<CStringTable>(new CStringTable(path.c_str(), language, &ClosedLog()));
}

// Loaded without a parse error: either no error or only the missing
// required ids of a small test table.
inline bool ParsedCleanly(const CStringTable &t)
{
    return !t.HasError() ||
           std::strncmp(t.GetErrorText(), "Internal string table isn't consistent", 38) == 0;
}

// The directory of the sources, from the path of this header.
inline std::string SourceRoot()
{
    std::string here = __FILE__;
    size_t at = here.rfind("tests");
    return at == std::string::npos ? std::string(".") : here.substr(0, at);
}

inline std::string ReadBytes(const std::string &path)
{
    std::string data;
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) return data;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.append(buffer, n);
    std::fclose(f);
    return data;
}

} // namespace strtest
