// Host stand-ins of the platform functions, for the native test build.
#include "base/Platform.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

const char *PlatformCharNext(const char *p) { return (p && *p) ? p + 1 : p; }

// The host "Windows directory" is $QEB_WINDIR, or the current directory.
unsigned PlatformWindowsDirectory(char *buffer, unsigned size)
{
    if (!buffer || size == 0) return 0;
    const char *dir = std::getenv("QEB_WINDIR");
    if (!dir) dir = ".";
    size_t n = std::strlen(dir);
    if (n >= size) { buffer[0] = '\0'; return 0; }
    std::memcpy(buffer, dir, n + 1);
    return static_cast<unsigned>(n);
}

int g_PlatformWarningCount = 0;
char g_PlatformLastWarning[512];

void PlatformWarningBox(const char *text, const char *caption)
{
    ++g_PlatformWarningCount;
    std::snprintf(g_PlatformLastWarning, sizeof g_PlatformLastWarning, "%s|%s",
                  caption ? caption : "", text ? text : "");
}

long PlatformFileSize(const char *path)
{
    struct stat st;
    if (!path || stat(path, &st) != 0) return -1;
    return static_cast<long>(st.st_size);
}

int g_PlatformErrorCount = 0;
char g_PlatformLastError[512];

void PlatformErrorBox(const char *text, const char *caption)
{
    ++g_PlatformErrorCount;
    std::snprintf(g_PlatformLastError, sizeof g_PlatformLastError, "%s|%s",
                  caption ? caption : "", text ? text : "");
}

// The host looks in the current directory only.
long PlatformFindFileSize(const char *name)
{
    if (!name || !*name) return -1;
    return PlatformFileSize(name);
}
