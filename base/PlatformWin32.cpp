#include "base/Platform.h"
#include <windows.h>

const char *PlatformCharNext(const char *p) { return CharNextA(p); }

unsigned PlatformWindowsDirectory(char *buffer, unsigned size)
{
    if (!buffer || size == 0) return 0;
    UINT n = GetWindowsDirectoryA(buffer, size);
    if (n == 0 || n >= size) { buffer[0] = '\0'; return 0; }
    return n;
}

void PlatformWarningBox(const char *text, const char *caption)
{
    MessageBoxA(NULL, text, caption, MB_OK | MB_ICONWARNING);
}

long PlatformFileSize(const char *path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!path || !GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return -1;
    if (data.nFileSizeHigh != 0 || data.nFileSizeLow > 0x7FFFFFFFu) return -1;
    return static_cast<long>(data.nFileSizeLow);
}

void PlatformErrorBox(const char *text, const char *caption)
{
    MessageBoxA(NULL, text, caption, MB_OK | MB_ICONERROR);
}

long PlatformFindFileSize(const char *name)
{
    if (!name || !*name) return -1;
    OFSTRUCT found;
    found.cBytes = sizeof found;
    if (OpenFile(name, &found, OF_EXIST) == HFILE_ERROR) return -1;
    return PlatformFileSize(found.szPathName);
}
