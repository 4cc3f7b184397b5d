// Scratch file names for the portable tests. The name holds a backslash,
// so the log and the list readers take it as a path in both trees.
#pragma once
#include <cstdlib>
#include <string>
#ifndef _WIN32
#include <unistd.h>
#endif

inline std::string ScratchName(const char *name)
{
#ifdef _WIN32
    const char *dir = std::getenv("TEMP");
    return std::string(dir ? dir : "C:\\windows\\temp") + "\\" + name;
#else
    return std::string("/tmp/qeb-") + std::to_string(getpid()) + "\\" + name;
#endif
}
