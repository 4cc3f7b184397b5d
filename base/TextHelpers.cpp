#include "base/TextHelpers.h"
#include "base/Platform.h"
#include <cstring>

char *SafeCopy(char *dst, const char *src, size_t size)
{
    if (!dst || size == 0) return dst;
    if (!src) src = "";
    size_t n = std::strlen(src);
    if (n >= size) n = size - 1;
    std::memmove(dst, src, n);
    dst[n] = '\0';
    return dst;
}

char *SafeAppend(char *dst, const char *src, size_t size)
{
    if (!dst || size == 0) return dst;
    size_t used = strnlen(dst, size);
    if (used >= size) { dst[size - 1] = '\0'; return dst; }
    SafeCopy(dst + used, src, size - used);
    return dst;
}

static bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsBlank(const char *text)
{
    if (!text) return true;
    for (; *text; ++text)
        if (!IsWhite(*text)) return false;
    return true;
}

bool HasSpace(const char *text) { return text && std::strchr(text, ' ') != nullptr; }

void AddBackslash(char *text, size_t size)
{
    if (!text || size == 0) return;
    const char *last = nullptr;
    const char *p = text;
    while (*p) {
        last = p;
        const char *next = PlatformCharNext(p);
        if (next <= p) break;
        p = next;
    }
    // A lead byte of a double-byte character is never taken for a backslash.
    bool endsWithBackslash = last && *last == '\\' && p - last == 1;
    if (endsWithBackslash) return;
    size_t n = std::strlen(text);
    if (n + 1 < size) {
        text[n] = '\\';
        text[n + 1] = '\0';
    }
}

void CutTrailingChar(char *text, char c)
{
    if (!text) return;
    size_t n = std::strlen(text);
    if (n > 0 && text[n - 1] == c) text[n - 1] = '\0';
}

char *CutAfterLastBackslash(char *path, char *copy, size_t copySize)
{
    char *work = path;
    if (copy) {
        SafeCopy(copy, path, copySize);
        work = copy;
    }
    if (!work) return work;
    char *slash = std::strrchr(work, '\\');
    if (slash) slash[1] = '\0';
    return work;
}

void RemoveWhitespace(char *text)
{
    if (IsBlank(text)) return;
    size_t out = 0;
    for (const char *p = text; *p; ++p) {
        if (IsWhite(*p)) continue;
        if (out >= WhitespaceLimit) break;
        text[out++] = *p;
    }
    text[out] = '\0';
}

// The join rule shared by the three JoinPath forms.
static const char *JoinInto(const char *first, const char *second, char *buffer, size_t size,
                            char *own, size_t ownSize, bool trim)
{
    if (IsBlank(first)) return second;
    char *out = buffer;
    size_t outSize = size;
    if (IsBlank(second) || !buffer) { out = own; outSize = ownSize; }
    SafeCopy(out, first, outSize);
    if (trim) RemoveWhitespace(out);
    AddBackslash(out, outSize);
    if (!IsBlank(second)) SafeAppend(out, second, outSize);
    return out;
}

const char *JoinPath(const char *first, const char *second, char *buffer, size_t size)
{
    static char s_joined[DirTextSize];
    return JoinInto(first, second, buffer, size, s_joined, sizeof s_joined, false);
}

const char *JoinPathSecond(const char *first, const char *second)
{
    static char s_joined[DirTextSize];
    return JoinInto(first, second, nullptr, 0, s_joined, sizeof s_joined, false);
}

const char *JoinPathTrimmed(const char *first, const char *second, char *buffer, size_t size)
{
    static char s_joined[DirTextSize];
    return JoinInto(first, second, buffer, size, s_joined, sizeof s_joined, true);
}

char *NextToken(const char *text, char separator)
{
    static char s_copy[TextSize255];
    static char *s_pos = nullptr;
    if (text) {
        std::memset(s_copy, 0, sizeof s_copy);
        SafeCopy(s_copy, text, sizeof s_copy);
        s_pos = s_copy;
    } else if (!s_pos || *s_pos == '\0') {
        return nullptr;
    }
    char *token = s_pos;
    char *found = std::strchr(s_pos, separator);
    if (found && separator != '\0') {
        *found = '\0';
        s_pos = found + 1;
    } else {
        s_pos = nullptr;
    }
    return token;
}

bool IsCommentLine(const char *text)
{
    if (!text) return false;
    while (*text == ' ' || *text == '\t') ++text;
    return *text == ';';
}

void RemoveSubstring(char *text, const char *sub)
{
    if (!text || !sub || !*sub) return;
    char *found = std::strstr(text, sub);
    if (!found) return;
    const char *rest = found + std::strlen(sub);
    if (IsBlank(rest))
        *found = '\0';
    else
        std::memmove(found, rest, std::strlen(rest) + 1);
}

const char *JoinWithSpace(const char *first, const char *second)
{
    static char s_joined[TextSize255];
    if (IsBlank(second)) return first;
    if (IsBlank(first)) { s_joined[0] = '\0'; return s_joined; }
    SafeCopy(s_joined, first, sizeof s_joined);
    SafeAppend(s_joined, " ", sizeof s_joined);
    SafeAppend(s_joined, second, sizeof s_joined);
    return s_joined;
}

void DoubleBackslashes(char *path, size_t size)
{
    if (IsBlank(path) || size == 0) return;
    char out[TextSize255 + 1] = "";
    const char *p = path;
    bool first = true;
    while (*p) {
        while (*p == '\\') ++p;
        if (!*p) break;
        const char *end = std::strchr(p, '\\');
        size_t len = end ? static_cast<size_t>(end - p) : std::strlen(p);
        if (!first) SafeAppend(out, "\\\\", sizeof out);
        size_t used = std::strlen(out);
        size_t room = sizeof out - 1 - used;
        if (len > room) len = room;
        std::memcpy(out + used, p, len);
        out[used + len] = '\0';
        first = false;
        p = end ? end : p + std::strlen(p);
    }
    SafeCopy(path, out, size);
}
