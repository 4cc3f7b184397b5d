#include "config/CStringTable.h"

CStringTable::CStringTable(const char *, const char *, CDebugFile *) : m_error(false)
{
    m_errorText[0] = '\0';
}

CStringTable::~CStringTable() = default;

const char *CStringTable::LookupText(unsigned) const { return nullptr; }
