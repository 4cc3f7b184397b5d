// Small text and path helpers shared by every subsystem. Functions that
// return a static buffer keep it valid until their own next call.
#pragma once
#include <cstddef>

enum { DirTextSize = 260, TextSize255 = 255, WhitespaceLimit = 130 };

// Bounded copy: at most size-1 characters, always terminated (size > 0).
char *SafeCopy(char *dst, const char *src, size_t size);
// Bounded append: the result stays within size bytes, always terminated.
char *SafeAppend(char *dst, const char *src, size_t size);

bool IsBlank(const char *text);
bool HasSpace(const char *text);
void AddBackslash(char *text, size_t size);
void CutTrailingChar(char *text, char c);
char *CutAfterLastBackslash(char *path, char *copy = nullptr, size_t copySize = DirTextSize);
void RemoveWhitespace(char *text);
const char *JoinPath(const char *first, const char *second, char *buffer = nullptr,
                     size_t size = DirTextSize);
const char *JoinPathSecond(const char *first, const char *second);
const char *JoinPathTrimmed(const char *first, const char *second, char *buffer = nullptr,
                            size_t size = DirTextSize);
char *NextToken(const char *text, char separator);
bool IsCommentLine(const char *text);
void RemoveSubstring(char *text, const char *sub);
const char *JoinWithSpace(const char *first, const char *second);
void DoubleBackslashes(char *path, size_t size);
