// Drive checks of an installation directory.
#pragma once

// 0 when the directory drive + path can be written, otherwise an error code;
// out is set when creating the directory (or the probe) failed.
unsigned UTisRO(const char *drive, const char *path, int *out);
// The target's drive letter becomes the source's (target holds size bytes).
void UTcopyDriveLetter(char *target, const char *source, unsigned size = 255);
