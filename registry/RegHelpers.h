// Logged registry helpers below HKEY_LOCAL_MACHINE and their two cached key
// objects: a read key (query and enumerate) and a write key (full access).
// Every call writes its arguments and outcome to the debug log.
#pragma once
#include <windows.h>
#include <cstddef>

class CRegKey;

enum { RegTextSize = 255 };

// Caches: 0 for a blank path; otherwise 1, also when the new key failed to
// open (the cached object then holds the error) or could not be allocated.
int OpenReadKey(const char *path);
int OpenWriteKey(const char *path);
int CloseReadKey();
int CloseWriteKey();
CRegKey *ReadKeyCache();
CRegKey *WriteKeyCache();

int RegDoesKeyExist(const char *path);
int RegDoesValueExist(const char *path, const char *value);
int RegGetNumOfSubKeys(const char *path);

// Text buffers hold size bytes (255 unless given); longer data is cut.
int RegGetValue(const char *path, const char *value, DWORD *number);
int RegGetValue(const char *path, const char *value, char *text, size_t size = RegTextSize);
int RegGetValue(HKEY root, const char *path, const char *value, char *text,
                size_t size = RegTextSize);

// multiSzLength: 0 for a text; otherwise the byte size of a multi-string list.
int RegCreateValue(const char *path, const char *value, const char *data, DWORD multiSzLength);
int RegCreateValue(const char *path, const char *value, DWORD number);
int RegCreateSubkey(const char *path, const char *subkey);
int RegDelValue(const char *path, const char *value);
int RegRemoveAllKeys(const char *path);
int RegIsKeyAccessible(const char *path, int *reason);
int RegMultiSzInsert(const char *path, const char *value, const char *existing,
                     const char *newText);

// Moves the subkey source below path to destination.
int RegMoveController(const char *path, const char *source, const char *destination);
// Searches below path for the key whose value text 2078 contains text; found
// gets its path relative to HKEY_LOCAL_MACHINE (foundSize bytes).
int RegMoveController(const char *path, const char *text, char *found, size_t foundSize);

int RegGetSoftPath(char *path, const char *text, size_t size = RegTextSize);
int RegGetAutostart();
int RegGetSerialPort();
int GetCurrentIrDAComPort();
int RegGetCtrlValue(int index, const char *value, char *text, size_t size = RegTextSize);
int RegGetErrorMsg(char *message, size_t size = RegTextSize);
