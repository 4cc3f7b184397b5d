#include "config/CStringTable.h"
#include "base/CDebugFile.h"
#include "config/CStrFileReader.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

char s_emptyText[1] = "";

enum { IdMaximum = 0x7FFFFFFF, PlaceholderMaximum = 1000000 };

struct IdRange {
    unsigned first, last;
};
const IdRange s_requiredIds[] = {
    {10, 16},     {20, 95},     {500, 508},   {600, 619},   {1000, 1057}, {1200, 1202},
    {2000, 2145}, {3000, 3014}, {4000, 4001}, {5000, 5015}, {5500, 5558},
};

bool IsWhite(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsComment(unsigned char c) { return c == ';' || c == '#'; }

bool SameNameIgnoringCase(const char *a, const char *b)
{
    for (; *a && *b; ++a, ++b) {
        char x = *a, y = *b;
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return *a == *b;
}

// The text of id 1057 as the format of the missing-id message: only its first
// "%d" takes the id; any other "%" stays as written, so a text of the file can
// never act as a printf format.
void FormatMissingId(char *out, size_t size, const char *format, int id)
{
    char number[16];
    std::snprintf(number, sizeof number, "%d", id);
    size_t n = 0;
    bool replaced = false;
    for (const char *p = format; *p && n + 1 < size; ++p) {
        if (!replaced && p[0] == '%' && p[1] == 'd') {
            for (const char *q = number; *q && n + 1 < size; ++q) out[n++] = *q;
            replaced = true;
            ++p;
            continue;
        }
        out[n++] = *p;
    }
    out[n] = '\0';
}

} // namespace

CStringTable::CStringTable(const char *path, const char *language, CDebugFile *log)
    : m_entries(nullptr), m_entryCount(0), m_currentEntry(0), m_fileName(nullptr), m_done(false),
      m_lineType(NoLine), m_state(0), m_lineNumber(0), m_error(false), m_sectionMode(Outside),
      m_log(log), m_reader(nullptr), m_languageName(language), m_indySeen(false),
      m_languageSeen(false), m_highestId(0), m_index(nullptr)
{
    m_line[0] = '\0';
    m_errorText[0] = '\0';
    if (!path) path = "";
    size_t n = std::strlen(path);
    m_fileName = static_cast<char *>(std::malloc(n + 1));
    if (m_fileName) std::memcpy(m_fileName, path, n + 1);

    if (!language || !*language) {
        SetError(ErrSection);
        return;
    }
    if (!log) {
        SetError(ErrLog);
        return;
    }
    m_reader = new (std::nothrow) CStrFileReader;
    if (!m_reader || !m_fileName || !m_reader->Open(m_fileName)) {
        SetError(ErrOpen);
        return;
    }
    Load();
    for (unsigned i = 0; i < m_entryCount; ++i)
        if (m_entries[i].text && m_entries[i].text != s_emptyText) ApplyTextEscapes(m_entries[i].text);
    if (m_error) return;
    if (m_indySeen && m_languageSeen) CheckRequiredIds();
    else SetError(ErrSection);
}

CStringTable::~CStringTable()
{
    for (unsigned i = 0; i < m_entryCount; ++i) {
        if (m_entries[i].text != s_emptyText) std::free(m_entries[i].text);
        if (m_entries[i].placeholders) {
            std::free(m_entries[i].placeholders->values);
            std::free(m_entries[i].placeholders);
        }
    }
    std::free(m_entries);
    std::free(m_index);
    std::free(m_fileName);
    delete m_reader;
}

void CStringTable::Load()
{
    ReadAllLines(false);
    unsigned counted = m_currentEntry;
    m_reader->Rewind();
    m_done = false;
    m_currentEntry = 0;
    m_lineNumber = 0;
    m_sectionMode = Outside;
    if (m_error || counted == 0) return;

    m_entries = static_cast<StrEntry *>(std::calloc(counted, sizeof(StrEntry)));
    if (!m_entries) {
        SetError(ErrOverflow);
        return;
    }
    m_entryCount = counted;
    for (unsigned i = 0; i < m_entryCount; ++i) m_entries[i].id = -1;
    ReadAllLines(true);
    BuildIndex();
}

void CStringTable::ReadAllLines(bool storing)
{
    while (!m_done) {
        unsigned length = 0;
        int r = m_reader->ReadLine(m_line, sizeof m_line, &length);
        if (r == CStrFileReader::LineEnd) break;
        if (r == CStrFileReader::LineTooLong) {
            SetError(ErrOverflow);
            break;
        }
        if (r == CStrFileReader::LineCorrupt) {
            SetError(ErrCorrupt);
            break;
        }
        ParseLine(m_line, length, storing);
        if (m_error) break;
        ++m_lineNumber;
    }
    m_done = true;
}

void CStringTable::ParseLine(const char *line, unsigned length, bool storing)
{
    char text[TextLimit + 2];
    unsigned textLength = 0;
    char name[TextLimit + 2];
    unsigned nameLength = 0;
    unsigned long long id = 0;
    unsigned long long number = 0;
    m_state = 0;
    m_lineType = NoLine;
    bool active = m_sectionMode != Outside;
    // The entry that placeholder numbers of this line belong to.
    auto target = [&]() -> long {
        if (m_lineType == EntryLine) return static_cast<long>(m_currentEntry);
        return static_cast<long>(m_currentEntry) - 1;
    };
    auto pushNumber = [&](unsigned column) {
        long t = target();
        if (t < 0) {
            SetError(ErrContinuation, column);
            return;
        }
        if (storing) AddPlaceholder(static_cast<unsigned>(t), static_cast<int>(number));
    };

    unsigned column = 0;
    bool endOfLine = false;
    for (; column < length && !endOfLine && !m_error; ++column) {
        unsigned char c = static_cast<unsigned char>(line[column]);
        if (!active && m_state == 0) {
            if (IsComment(c)) endOfLine = true;
            else if (c == '[') {
                m_state = 6;
                m_lineType = SectionLine;
            }
            continue;
        }
        switch (m_state) {
        case 0:
            if (IsComment(c)) endOfLine = true;
            else if (IsDigit(c)) {
                id = static_cast<unsigned>(c - '0');
                m_state = 1;
                m_lineType = EntryLine;
            } else if (c == '"') {
                textLength = 0;
                m_state = 3;
                m_lineType = ContinuationLine;
            } else if (IsWhite(c)) {
            } else if (c == '[') {
                m_state = 6;
                m_lineType = SectionLine;
            } else SetError(ErrSyntax, column);
            break;
        case 1:
            if (IsDigit(c)) {
                id = id * 10 + static_cast<unsigned>(c - '0');
                if (id > IdMaximum) SetError(ErrSyntax, column);
            } else if (IsWhite(c)) {
                if (storing && m_currentEntry < m_entryCount) {
                    m_entries[m_currentEntry].id = static_cast<int>(id);
                    if (id > m_highestId) m_highestId = static_cast<unsigned>(id);
                }
                m_state = 2;
            } else SetError(ErrSyntax, column);
            break;
        case 2:
            if (c == '"') {
                textLength = 0;
                m_state = 3;
            } else if (!IsWhite(c)) SetError(ErrSyntax, column);
            break;
        case 3:
            if (c == '\0') {
                SetError(ErrSyntax, column);
            } else if (c != '"') {
                if (textLength >= TextLimit) {
                    SetError(ErrOverflow, column);
                    break;
                }
                text[textLength++] = static_cast<char>(c);
            } else if (textLength > 0 && text[textLength - 1] == '\\') {
                text[textLength - 1] = '"';
            } else {
                text[textLength] = '\0';
                if (m_lineType == EntryLine) {
                    if (storing && m_currentEntry < m_entryCount) {
                        StrEntry &e = m_entries[m_currentEntry];
                        if (textLength == 0) {
                            if (!e.text) e.text = s_emptyText;
                        } else if (!AppendText(m_currentEntry, text, textLength)) {
                            SetError(ErrOverflow, column);
                        }
                    }
                } else if (textLength > 0) {
                    if (m_currentEntry == 0) SetError(ErrContinuation, column);
                    else if (storing && !AppendText(m_currentEntry - 1, text, textLength))
                        SetError(ErrOverflow, column);
                }
                m_state = 4;
            }
            break;
        case 4:
            if (IsWhite(c)) {
            } else if (IsComment(c)) endOfLine = true;
            else if (IsDigit(c)) {
                number = static_cast<unsigned>(c - '0');
                m_state = 5;
            } else SetError(ErrSyntax, column);
            break;
        case 5:
            if (IsDigit(c)) {
                number = number * 10 + static_cast<unsigned>(c - '0');
                if (number > PlaceholderMaximum) number = PlaceholderMaximum;
            } else if (IsWhite(c)) {
                pushNumber(column);
                m_state = 4;
            } else if (IsComment(c)) {
                pushNumber(column);
                m_state = 4;
                endOfLine = true;
            }
            break;
        case 6:
            if (IsLetter(c)) {
                if (nameLength >= TextLimit) {
                    SetError(ErrOverflow, column);
                    break;
                }
                name[nameLength++] = static_cast<char>(c);
            } else if (c == ']') {
                name[nameLength] = '\0';
                m_state = 7;
                endOfLine = true; // the rest of the line is cut off
            } else SetError(ErrSyntax, column);
            break;
        default:
            endOfLine = true;
            break;
        }
    }
    if (m_error) return;

    switch (m_state) {
    case 0:
        break;
    case 1:
    case 2:
    case 3:
        SetError(ErrSyntax, length);
        break;
    case 5:
        pushNumber(length);
        if (m_error) return;
        // fall through
    case 4:
        if (m_lineType == EntryLine) ++m_currentEntry;
        break;
    case 7:
        if (SameNameIgnoringCase(name, "indy")) {
            m_sectionMode = IndySection;
            m_indySeen = true;
        } else if (SameNameIgnoringCase(name, m_languageName)) {
            m_sectionMode = LanguageSection;
            m_languageSeen = true;
        } else {
            m_sectionMode = Outside;
        }
        break;
    case 6:
        SetError(ErrToken, length);
        break;
    default:
        break;
    }
}

bool CStringTable::AppendText(unsigned entry, const char *text, unsigned length)
{
    StrEntry &e = m_entries[entry];
    size_t old = (e.text && e.text != s_emptyText) ? std::strlen(e.text) : 0;
    char *base = (e.text && e.text != s_emptyText) ? e.text : nullptr;
    char *grown = static_cast<char *>(std::realloc(base, old + length + 1));
    if (!grown) return false;
    std::memcpy(grown + old, text, length);
    grown[old + length] = '\0';
    e.text = grown;
    return true;
}

void CStringTable::AddPlaceholder(unsigned entry, int value)
{
    if (entry >= m_entryCount) return;
    StrEntry &e = m_entries[entry];
    if (!e.placeholders) {
        e.placeholders = static_cast<StrEntry::PlaceholderList *>(
            std::calloc(1, sizeof(StrEntry::PlaceholderList)));
        if (!e.placeholders) return;
    }
    StrEntry::PlaceholderList &list = *e.placeholders;
    if (list.count == list.capacity) {
        unsigned capacity = list.capacity ? list.capacity * 2 : 4;
        int *grown = static_cast<int *>(std::realloc(list.values, capacity * sizeof(int)));
        if (!grown) return;
        list.values = grown;
        list.capacity = capacity;
    }
    list.values[list.count++] = value;
}

void CStringTable::BuildIndex()
{
    if (m_highestId + 1 >= IndexLimit) return;
    m_index = static_cast<int *>(std::malloc((m_highestId + 1) * sizeof(int)));
    if (!m_index) return;
    for (unsigned i = 0; i <= m_highestId; ++i) m_index[i] = -1;
    for (unsigned i = 0; i < m_entryCount; ++i)
        if (m_entries[i].id >= 0) m_index[m_entries[i].id] = static_cast<int>(i);
}

const StrEntry *CStringTable::FindEntry(unsigned id) const
{
    if (!m_entries || id > m_highestId) return nullptr;
    if (m_index) {
        int at = m_index[id];
        return at < 0 ? nullptr : &m_entries[at];
    }
    for (unsigned i = 0; i < m_entryCount; ++i)
        if (m_entries[i].id >= 0 && static_cast<unsigned>(m_entries[i].id) == id) return &m_entries[i];
    return nullptr;
}

const char *CStringTable::LookupText(unsigned id) const
{
    const StrEntry *e = FindEntry(id);
    return e ? e->text : nullptr;
}

void CStringTable::CheckRequiredIds()
{
    int missing = -1;
    for (const IdRange &r : s_requiredIds) {
        for (unsigned id = r.first; id <= r.last; ++id) {
            if (!FindEntry(id)) {
                missing = static_cast<int>(id);
                break;
            }
        }
    }
    if (missing >= 0) SetError(ErrMissingId, 0, missing);
}

void CStringTable::ApplyTextEscapes(char *text)
{
    if (!text) return;
    char *out = text;
    for (const char *p = text; *p; ++p) {
        if (*p != '\\' || !p[1]) {
            *out++ = *p;
            continue;
        }
        char c;
        switch (p[1]) {
        case 'a': c = '\a'; break;
        case 'b': c = '\b'; break;
        case 'f': c = '\f'; break;
        case 'v': c = '\v'; break;
        case 't': c = '\t'; break;
        case 'n': c = '\n'; break;
        case 'r': c = '\r'; break;
        case '\\': c = '\\'; break;
        default: c = 0; break;
        }
        if (c) {
            *out++ = c;
            ++p;
        } else {
            *out++ = *p;
        }
    }
    *out = '\0';
}

void CStringTable::SetError(int type, unsigned column, int id)
{
    if (m_error) return;
    const char *file = m_fileName ? m_fileName : "";
    unsigned line = m_lineNumber + 1;
    switch (type) {
    case ErrSyntax:
    case ErrToken:
        std::snprintf(m_errorText, sizeof m_errorText,
                      "Error in column %u line %u of file \"%s\": %s", column + 1, line, file,
                      type == ErrSyntax ? "wrong syntax" : "unknown token type");
        break;
    case ErrContinuation:
        std::snprintf(m_errorText, sizeof m_errorText,
                      "Error in line %u of file \"%s\": unreferenced continuation line", line, file);
        break;
    case ErrOverflow:
        std::snprintf(m_errorText, sizeof m_errorText,
                      "Error in line %u of file \"%s\": buffer overflow", line, file);
        break;
    case ErrOpen:
        std::snprintf(m_errorText, sizeof m_errorText,
                      "Couldn't open file \"%s\" : file not found!", file);
        break;
    case ErrMissingId: {
        const char *own = LookupText(1057);
        if (own && *own) FormatMissingId(m_errorText, sizeof m_errorText, own, id);
        else
            std::snprintf(m_errorText, sizeof m_errorText,
                          "Internal string table isn't consistent. No string for ID #%d found!", id);
        break;
    }
    case ErrSection: {
        const char *section = (!m_languageName || !*m_languageName) ? "unknLanguage"
                              : !m_indySeen                          ? "indy"
                                                                     : m_languageName;
        std::snprintf(m_errorText, sizeof m_errorText, "Section [%s] not found in file \"%s\"",
                      section, file);
        break;
    }
    case ErrLog:
        std::snprintf(m_errorText, sizeof m_errorText, "Invalid pointer to Debug-File!");
        break;
    default:
        std::snprintf(m_errorText, sizeof m_errorText, "Unknown error in line %u of file \"%s\"",
                      line, file);
        break;
    }
    m_error = true;
    m_done = true;
    if (m_log) m_log->WriteLine("%s", m_errorText);
}
