#include "base/CDebugFile.h"
#include "base/Platform.h"
#include "base/TextHelpers.h"
#include <cstdarg>
#include <cstring>
#include <ctime>

CDebugFile *g_DebugFile = nullptr;

CDebugFile &Log()
{
    static CDebugFile s_closed;
    return g_DebugFile ? *g_DebugFile : s_closed;
}

CDebugFile::CDebugFile()
    : m_file(nullptr), m_error(ErrNone), m_entryNumber(0), m_lineCount(0),
      m_lineLimit(2147483647), m_flush(false), m_restarting(false)
{
    m_path[0] = '\0';
    std::memset(m_line, 0, sizeof m_line);
}

CDebugFile::~CDebugFile() { Close(); }

const char *CDebugFile::ErrorText(int code)
{
    switch (code) {
    case ErrNone:    return "No Error occured!";
    case ErrAppend:  return "Cannot open File to append!";
    case ErrRewrite: return "Cannot open File to rewrite!";
    case ErrNoName:  return "No filename specified!";
    case ErrWrite:   return "Could not write file! Disk full?";
    default:         return "Unknown error code";
    }
}

const char *CDebugFile::ErrorText() const { return ErrorText(m_error); }

void CDebugFile::ErrorMessage() const { PlatformWarningBox(ErrorText(), "ErrorMessage"); }

static bool IsBlankName(const char *name)
{
    if (!name) return true;
    for (; *name; ++name)
        if (*name != ' ' && *name != '\t') return false;
    return true;
}

bool CDebugFile::Open(const char *name, bool rewrite)
{
    if (m_file) return true;
    if (IsBlankName(name)) { m_error = ErrNoName; return false; }

    if (std::strchr(name, '\\')) {
        SafeCopy(m_path, name, sizeof m_path);
    } else {
        char dir[TextSize];
        PlatformWindowsDirectory(dir, sizeof dir);
        std::snprintf(m_path, sizeof m_path, "%s", JoinPath(dir, name, nullptr));
    }

    m_file = std::fopen(m_path, rewrite ? "w" : "a");
    if (!m_file) {
        m_error = rewrite ? ErrRewrite : ErrAppend;
        return false;
    }
    m_lineCount = 0;
    WriteStamp("opened");
    return true;
}

void CDebugFile::WriteStamp(const char *word)
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    std::tm *t = std::localtime(&now);
    if (t) local = *t;
    char timeText[16], dateText[16];
    std::snprintf(timeText, sizeof timeText, "%02d:%02d:%02d",
                  local.tm_hour, local.tm_min, local.tm_sec);
    std::snprintf(dateText, sizeof dateText, "%02d/%02d/%02d",
                  local.tm_mon + 1, local.tm_mday, local.tm_year % 100);
    std::snprintf(m_line, sizeof m_line, "%s %s %s\n", word, timeText, dateText);
    PutLine(m_line);
}

void CDebugFile::Close()
{
    if (!m_file) return;
    bool wasRestarting = m_restarting;
    m_restarting = true; // the closing entry never starts the file over
    WriteStamp("closed");
    m_restarting = wasRestarting;
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

void CDebugFile::ApplyLineFeedRule(char *text, unsigned size)
{
    if (!text || size < 2) return;
    size_t n = std::strlen(text);
    size_t end = n;
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    if (end > 0 && text[end - 1] == '\n') {
        text[end] = '\0';
        return;
    }
    // Keep room for the line feed: a full buffer loses its last character.
    if (n + 1 >= size) n = size - 2;
    text[n] = '\n';
    text[n + 1] = '\0';
}

void CDebugFile::WriteFormatted(bool lineFeed, const char *format, va_list args)
{
    if (!m_file) return;
    if (!format) { PutLine("NULL\n"); return; }
    // The entry is cut to the work buffer; vsnprintf never writes past it.
    std::vsnprintf(m_line, sizeof m_line, format, args);
    if (lineFeed) ApplyLineFeedRule(m_line, sizeof m_line);
    PutLine(m_line);
}

int CDebugFile::WriteLine(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    WriteFormatted(true, format, args);
    va_end(args);
    return 0;
}

int CDebugFile::Write(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    WriteFormatted(false, format, args);
    va_end(args);
    return 0;
}

int CDebugFile::WriteValue(int value, const char *format)
{
    if (!m_file) return 0;
    std::snprintf(m_line, sizeof m_line, format ? format : "%i", value);
    ApplyLineFeedRule(m_line, sizeof m_line);
    PutLine(m_line);
    return 0;
}

void CDebugFile::PutLine(const char *text)
{
    if (!m_file || !text) return;
    bool failed = std::fputs(text, m_file) < 0;
    // With flushing on, a write that cannot reach the disk shows at the flush.
    if (!failed && m_flush) failed = std::fflush(m_file) != 0;
    if (failed) {
        m_error = ErrWrite;
        std::fclose(m_file);
        m_file = nullptr;
        return;
    }
    m_line[0] = '\0';
    ++m_entryNumber;
    ++m_lineCount;
    if (m_lineCount >= m_lineLimit && !m_restarting) {
        m_restarting = true;
        m_lineCount = 0;
        Close();
        std::fflush(nullptr);
        char path[TextSize];
        SafeCopy(path, m_path, sizeof path);
        Open(path, true);
        m_restarting = false;
    }
}
