#include "app/OsVersion.h"
#include "app/ProgramState.h"

int ClassifyOsVersion(BOOL ok, const OSVERSIONINFOA &info, DWORD version)
{
    if (!ok) return WinUnsupported;
    switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        return Win3x32s;
    case VER_PLATFORM_WIN32_WINDOWS: {
        unsigned build = info.dwBuildNumber & 0xFFFFu;
        if (build <= 1080) return Win95;
        if (build <= 1111) return Win95b20;
        if (build <= 1500) return Win95b21;
        if (info.dwMajorVersion > 4 || (info.dwMajorVersion == 4 && info.dwMinorVersion >= 10))
            return Win98;
        return WinUnsupported;
    }
    case VER_PLATFORM_WIN32_NT:
        switch (LOBYTE(LOWORD(version))) {
        case 4: return WinNT40;
        case 5: return WinNT50;
        default: return WinNT351;
        }
    default:
        return WinUnsupported;
    }
}

int GetOsVersion()
{
    OSVERSIONINFOA info;
    ZeroMemory(&info, sizeof info);
    info.dwOSVersionInfoSize = sizeof info; // 148 bytes
    BOOL ok = GetVersionExA(&info);
    return ClassifyOsVersion(ok, info, ok ? GetVersion() : 0);
}
