#include "base/CFNList.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include <cstring>
#include <new>

CFNList::CFNList() { Log().WriteLine("CFNList()"); }

BOOL CFNList::ScanLine(const char *section, const char *line)
{
    CFname *element = new (std::nothrow) CFname;
    if (!element) return FALSE;
    Log().WriteLine("CFNList::ScanLine '%s'", line ? line : "");
    SafeCopy(element->section, section, sizeof element->section);
    if (IsBlank(line)) {
        m_error = ListErrorLine;
        delete element;
        return FALSE;
    }
    SafeCopy(element->name, line, sizeof element->name);
    char *comma = std::strchr(element->name, ',');
    if (comma) *comma = '\0';
    Squeeze(element->name);
    if (!AddElement(element)) {
        delete element;
        return FALSE;
    }
    return TRUE;
}

BOOL CFNList::RemoveMatching(const CFNList &other)
{
    for (ListNode *theirs = other.GetHeadNode(); theirs && m_count > 0; theirs = theirs->next) {
        const char *name = static_cast<const CFname *>(theirs->element)->name;
        unsigned index = 0;
        for (ListNode *mine = m_head; mine; mine = mine->next, ++index) {
            if (std::strcmp(static_cast<const CFname *>(mine->element)->name, name) == 0) {
                RemoveAt(index);
                break;
            }
        }
    }
    return TRUE;
}
