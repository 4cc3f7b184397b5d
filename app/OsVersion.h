// Identification of the running Windows version.
#pragma once
#include <windows.h>

int GetOsVersion();
// The rules of GetOsVersion applied to a version structure already read:
// ok is the result of GetVersionExA, version the result of GetVersion().
int ClassifyOsVersion(BOOL ok, const OSVERSIONINFOA &info, DWORD version);
