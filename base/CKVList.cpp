#include "base/CKVList.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include <cstring>
#include <new>

CKVList::CKVList() { Log().WriteLine("CKVList"); }

CKVList::~CKVList() { Log().WriteLine("~CKVList"); }

BOOL CKVList::ScanLine(const char *section, const char *line)
{
    Log().WriteLine("CKVList::ScanLine '%s'", line ? line : "");
    const char *equals = line ? std::strchr(line, '=') : nullptr;
    if (!equals) {
        m_error = ListErrorLine;
        return FALSE;
    }
    KVEntry *element = new (std::nothrow) KVEntry;
    if (!element) return FALSE;
    size_t keyLength = static_cast<size_t>(equals - line);
    if (keyLength >= sizeof element->key) keyLength = sizeof element->key - 1;
    std::memcpy(element->key, line, keyLength);
    element->key[keyLength] = '\0';
    Squeeze(element->key);

    SafeCopy(element->value, equals + 1, sizeof element->value);
    char *comma = std::strchr(element->value, ',');
    if (comma) *comma = '\0';
    Squeeze(element->value);
    // A key without value ends the section; it is not a line error.
    if (IsBlank(element->value)) {
        delete element;
        return FALSE;
    }
    SafeCopy(element->section, section, sizeof element->section);
    if (!AddElement(element)) {
        delete element;
        return FALSE;
    }
    return TRUE;
}
