#include "config/UtDrive.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include <windows.h>
#include <cstdio>

unsigned UTisRO(const char *drive, const char *path, int *out)
{
    char full[DirTextSize];
    std::snprintf(full, sizeof full, "%s%s", drive ? drive : "", path ? path : "");
    DWORD attributes = GetFileAttributesA(full);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (CreateDirectoryA(full, NULL)) {
            Log().WriteLine("UTisRO()::d");
            RemoveDirectoryA(full);
            return 0;
        }
        if (out) *out = 1;
        Log().WriteLine("UTisRO()::e");
        return GetLastError();
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (out) *out = 0;
        Log().WriteLine("UTisRO()::a");
        return 1000;
    }
    char probe[DirTextSize];
    std::snprintf(probe, sizeof probe, "%sqeb$%%$%%$%%", drive ? drive : "");
    if (CreateDirectoryA(probe, NULL)) {
        RemoveDirectoryA(probe);
        Log().WriteLine("UTisRO()::b");
        return 0;
    }
    if (out) *out = 1;
    Log().WriteLine("UTisRO()::c");
    return GetLastError();
}

namespace {
bool HasDriveLetter(const char *path)
{
    char c = path[0];
    return ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && path[1] == ':';
}
} // namespace

void UTcopyDriveLetter(char *target, const char *source, unsigned size)
{
    if (!target || !source || size == 0) return;
    char sourceDrive[3] = "";
    if (HasDriveLetter(source)) {
        sourceDrive[0] = source[0];
        sourceDrive[1] = ':';
        sourceDrive[2] = '\0';
    }
    Log().WriteLine("UTcopyDriveLetter(), SourceDrive: \"%s\"", sourceDrive);
    if (!sourceDrive[0]) return;
    char rest[DirTextSize];
    SafeCopy(rest, HasDriveLetter(target) ? target + 2 : target, sizeof rest);
    std::snprintf(target, size, "%s%s", sourceDrive, rest);
}
