// The program's trace log: one text file, closed until opened, every write
// dropped while closed.
#pragma once
#include <cstdarg>
#include <cstdio>

class CDebugFile {
public:
    enum { ErrNone = 1, ErrAppend = 2, ErrRewrite = 3, ErrNoName = 4, ErrWrite = 5 };
    enum { TextSize = 255 };

    CDebugFile();
    virtual ~CDebugFile();

    bool Open(const char *name, bool rewrite);
    void Close();
    bool IsOpen() const { return m_file != nullptr; }
    int WriteLine(const char *format, ...);
    int Write(const char *format, ...);
    int WriteValue(int value, const char *format);
    void ErrorMessage() const;
    void SetFlush(bool on) { m_flush = on; }

    int GetError() const { return m_error; }
    const char *GetPath() const { return m_path; }
    const char *ErrorText() const;
    static const char *ErrorText(int code);
    void SetLineLimit(int limit) { m_lineLimit = limit; }
    int GetLineCount() const { return m_lineCount; }

    // Line-feed rule: the text ends with exactly one line feed; blanks after
    // the last line feed are dropped. Works in place within size bytes.
    static void ApplyLineFeedRule(char *text, unsigned size);

private:
    void PutLine(const char *text);
    void WriteStamp(const char *word);
    void WriteFormatted(bool lineFeed, const char *format, va_list args);

    FILE *m_file;
    int m_error;
    int m_entryNumber;
    int m_lineCount;
    int m_lineLimit;
    char m_path[TextSize];
    char m_line[TextSize];
    bool m_flush;
    bool m_restarting; // the line-limit restart writes its own entries
};

// The one log object of the run (created by WinMain, destroyed by InfoClose).
extern CDebugFile *g_DebugFile;
// The log object, or a closed one that drops every write while none exists.
CDebugFile &Log();
