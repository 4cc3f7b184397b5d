// What the portable units need of the platform, behind narrow functions.
// The Win32 build implements them with the API; the host build with stand-ins.
#pragma once
#include <cstddef>

// Next character in the system code page (CharNextA); never past the terminator.
const char *PlatformCharNext(const char *p);

// The Windows directory, without trailing backslash unless it is a root.
// Returns the length written (0 on failure); the buffer is always terminated.
unsigned PlatformWindowsDirectory(char *buffer, unsigned size);

// A message box without owner, warning icon, OK button.
void PlatformWarningBox(const char *text, const char *caption);

// Size of a file in bytes, or -1 when it cannot be read.
long PlatformFileSize(const char *path);

// A message box without owner, error icon, OK button.
void PlatformErrorBox(const char *text, const char *caption);

// Size of the file that OpenFile finds under a bare name (current directory,
// then the Windows and system directories and the path), or -1 when none.
long PlatformFindFileSize(const char *name);
