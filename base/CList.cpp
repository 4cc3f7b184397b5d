#include "base/CList.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

void LowerAscii(char *text)
{
    for (; *text; ++text) *text = static_cast<char>(std::tolower(static_cast<unsigned char>(*text)));
}

// Removes every space, tab, CR and LF, without a length limit.
void StripWhitespace(char *text)
{
    char *out = text;
    for (const char *p = text; *p; ++p)
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') *out++ = *p;
    *out = '\0';
}

// The header counts only where no ";" stands before it on the line.
bool HoldsHeader(const char *lowerLine, const char *header)
{
    const char *found = std::strstr(lowerLine, header);
    if (!found) return false;
    const char *semicolon = std::strchr(lowerLine, ';');
    return !semicolon || semicolon > found;
}

void FreeElement(ListElement *element)
{
    // Elements of every list kind are trivially destructible.
    ::operator delete(static_cast<void *>(element));
}

} // namespace

CList::CList() : m_count(0), m_error(0), m_head(nullptr), m_current(nullptr)
{
    Log().WriteLine("CList");
    m_file[0] = '\0';
    m_search[0] = '\0';
}

CList::~CList()
{
    RemoveAll();
    m_error = 0;
    Log().WriteLine("~CList");
}

void CList::Squeeze(char *text)
{
    if (!text) return;
    if (IsBlank(text)) {
        text[0] = '\0';
        return;
    }
    RemoveWhitespace(text);
}

unsigned CList::GetCount() const { return m_count; }

BOOL CList::FillListFromFile(const char *file, const char *sections)
{
    Log().WriteLine("CList::FillListFromFile '%s','%s'", file ? file : "", sections ? sections : "");
    char buffer[ListSectionsSize];
    if (IsBlank(sections)) {
        m_error = ListErrorNoSection;
        return FALSE;
    }
    // A sections text that does not fit is refused: reading only a part of
    // the sections would lose files without telling anyone.
    if (std::strlen(sections) >= sizeof buffer) {
        Log().WriteLine("Sektionsliste zu lang");
        m_error = ListErrorNotFound;
        return FALSE;
    }
    SafeCopy(buffer, sections, sizeof buffer);
    if (!file || std::strlen(file) >= sizeof m_file) {
        m_file[0] = '\0';
        Log().WriteLine("'%s' nicht gefunden", file ? file : "");
        m_error = ListErrorOpen;
        return FALSE;
    }
    SafeCopy(m_file, file, sizeof m_file);

    char *piece = buffer;
    for (;;) {
        char *comma = std::strchr(piece, ',');
        if (comma) *comma = '\0';
        if (!FillListFromSection(piece)) {
            if (m_error == 0) m_error = ListErrorNotFound;
            return FALSE;
        }
        if (!comma) break;
        piece = comma + 1;
    }
    return TRUE;
}

BOOL CList::FillListFromSection(const char *section)
{
    if (!section) section = "";
    Log().WriteLine("CList::FillListFromSection '%s'", section);
    // "[" + name + "]" must fit the header buffer; a longer name cannot
    // stand on a line piece anyway and is simply not found.
    char header[ListTextSize + 3];
    int n = std::snprintf(header, sizeof header, "[%s]", section);
    bool headerFits = n >= 0 && static_cast<size_t>(n) < sizeof header;
    LowerAscii(header);
    StripWhitespace(header);
    Log().WriteLine("Suche Sektion:%s", header);

    FILE *f = std::fopen(m_file, "r");
    if (!f) {
        Log().WriteLine("'%s' nicht gefunden", m_file);
        m_error = ListErrorOpen;
        return FALSE;
    }
    char line[ListLinePiece + 1];
    char lower[ListLinePiece + 1];
    bool found = false;
    while (std::fgets(line, sizeof line, f)) {
        SafeCopy(lower, line, sizeof lower);
        LowerAscii(lower);
        if (headerFits && HoldsHeader(lower, header)) {
            found = true;
            continue;
        }
        if (!found) continue;
        if (line[0] == '[') break;
        if (IsBlank(line) || IsCommentLine(line)) continue;
        if (!ScanLine(section, line)) {
            Log().WriteLine("Scan Fehler %d", GetError());
            std::fclose(f);
            return FALSE;
        }
    }
    std::fclose(f);
    if (!found) {
        m_error = ListErrorNotFound;
        Log().WriteLine("'%s' nicht gefunden", section);
        return FALSE;
    }
    return TRUE;
}

ListElement *CList::GetFilesFromSection(const char *text)
{
    Log().WriteLine("CList::GetFilesFromSection '%s'", text ? text : m_search);
    bool fresh = text != nullptr;
    if (fresh) {
        SafeCopy(m_search, text, sizeof m_search);
        m_current = nullptr;
    }
    if (IsBlank(m_search)) {
        m_error = ListErrorNoSection;
        m_search[0] = '\0';
        m_current = nullptr;
        return nullptr;
    }
    if (fresh) {
        for (ListNode *node = m_head; node; node = node->next) {
            if (std::strstr(node->element->section, m_search)) {
                m_current = node;
                return node->element;
            }
        }
        m_search[0] = '\0';
        m_current = nullptr;
        m_error = ListErrorNotFound;
        return nullptr;
    }
    if (!m_current) return nullptr;
    m_current = m_current->next;
    if (m_current && std::strstr(m_current->element->section, m_search)) return m_current->element;
    m_current = nullptr;
    return nullptr;
}

ListElement *CList::GetFirst() const { return m_head ? m_head->element : nullptr; }

ListElement *CList::GetLast() const
{
    ListNode *tail = GetTailNode();
    return tail ? tail->element : nullptr;
}

ListElement *CList::GetAt(unsigned index) const
{
    ListNode *node = GetNodeAt(index);
    return node ? node->element : nullptr;
}

ListNode *CList::GetHeadNode() const { return m_head; }

ListNode *CList::GetTailNode() const
{
    ListNode *node = m_head;
    while (node && node->next) node = node->next;
    return node;
}

BOOL CList::Clear() { return RemoveAll(); }

int CList::GetError() const { return m_error; }

BOOL CList::AddElement(ListElement *element)
{
    Log().Write("CList::AddElement");
    if (m_count == 0)
        Log().WriteLine("erstes");
    else
        Log().WriteLine(" %d", static_cast<int>(m_count));
    ListNode *node = new (std::nothrow) ListNode;
    if (!node) return FALSE;
    node->element = element;
    node->next = nullptr;
    node->previous = GetTailNode();
    if (node->previous)
        node->previous->next = node;
    else
        m_head = node;
    ++m_count;
    return TRUE;
}

BOOL CList::RemoveAll()
{
    Log().WriteLine("CList::RemoveAll");
    while (m_head) RemoveAt(0);
    m_current = nullptr;
    return TRUE;
}

BOOL CList::RemoveAt(unsigned index)
{
    ListNode *node = GetNodeAt(index);
    if (!node) return FALSE;
    if (node->previous)
        node->previous->next = node->next;
    else
        m_head = node->next;
    if (node->next) node->next->previous = node->previous;
    // A running section search never keeps a freed node.
    if (m_current == node) m_current = nullptr;
    FreeElement(node->element);
    delete node;
    --m_count;
    return TRUE;
}

ListNode *CList::GetNodeAt(unsigned index) const
{
    if (!m_head || index >= m_count) return nullptr;
    ListNode *node = m_head;
    for (unsigned i = 0; i < index && node; ++i) node = node->next;
    return node;
}
