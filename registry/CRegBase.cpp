#include "registry/CRegBase.h"
#include <cstdio>
#include <cstring>

namespace {
const char *const s_englishTexts[CRegBase::TextCount] = {
    "No Error %s",
    "Invalid registry handle! %s",
    "Invalid value name! %s",
    "Invalid path! %s",
    "Type mismatch! %s",
    "Access denied! %s",
    "Memory is low! %s",
    "No more items! %s",
    "update() was not called! %s",
    "unspecified error! %s",
    "a required parameter is missing! %s",
    "GetFirst() was not called %s",
    "String not found %s",
    "Descriptor was not allocated %s",
    "Descriptor was not initialized %s",
    "ERROR_ACL_INIT %s",
    "More data available, variable too small %s",
    "There are more subkeys %s",
    "Subkey or value already exist. %s",
    "Cannot create subdirectory in root directory",
    "",
    "",
    "",
    "ERROR_LASTERROR %s",
};

const char *const s_germanTexts[CRegBase::TextCount] = {
    "Kein Fehler %s",
    "Ungültiger Registry-Handle! %s",
    "Ungültiger Value-Name! %s",
    "Ungültiger Pfad! %s",
    "Typen stimmen nicht überein! %s",
    "Zugriffsfehler! %s",
    "Speicher ist knapp! %s",
    "Keine weiteren Einträge! %s",
    "Update() nicht aufgerufen! %s",
    "Unspezifizierter Fehler %s",
    "Ein benötigter Parameter fehlt! %s",
    "GetFirst() wurde nicht aufgerufen %s",
    "String nicht gefunden %s",
    "Descriptor konnte nicht erzeugt werden %s",
    "Descriptor wurde nicht initialisiert %s",
    "ERROR_ACL_INIT %s",
    "Es sind mehr Daten vorhanden, als in der Variablen gespeichert werden können %s",
    "Es gibt weitere SubKeys %s",
    "Subkey oder Value existiert bereits %s",
    "Im Rootverzeichnis können keine Unterverzeichnisse erzeugt werden.",
    "",
    "",
    "",
    "ERROR_LASTERROR %s",
};
} // namespace

CRegBase::CRegBase()
    : m_errorCode(REGERR_NONE), m_furtherErrors(0), m_language(0), m_textTable(s_englishTexts)
{
}

CRegBase::~CRegBase() = default;

void CRegBase::Reset()
{
    m_errorCode = REGERR_NONE;
    m_furtherErrors = 0;
}

const char *CRegBase::ErrorText(int code, int language)
{
    if (code < 0 || code >= TextCount) return "";
    return language ? s_germanTexts[code] : s_englishTexts[code];
}

int CRegBase::GetError(char *text)
{
    if (text) {
        char work[MessageSize];
        const char *format =
            (m_errorCode >= 0 && m_errorCode < TextCount) ? m_textTable[m_errorCode] : "";
        const char *argument = m_furtherErrors ? "TRUE" : "FALSE";
        // Every text has at most one %s; the one without ignores the argument.
        if (std::strstr(format, "%s"))
            std::snprintf(work, sizeof work, format, argument);
        else
            std::snprintf(work, sizeof work, "%s", format);
        std::memcpy(text, work, std::strlen(work) + 1);
    }
    return m_errorCode;
}

int CRegBase::MapWin32Result(LONG result)
{
    switch (result) {
    case ERROR_SUCCESS:           return REGERR_NONE;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:    return REGERR_PATH;
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_HANDLE:    return REGERR_ACCESS;
    case ERROR_NOT_ENOUGH_MEMORY: return REGERR_MEMORY;
    case ERROR_INVALID_PARAMETER: return REGERR_ROOTSUBKEY;
    case ERROR_MORE_DATA:         return REGERR_MOREDATA;
    case ERROR_NO_MORE_ITEMS:     return REGERR_NOMOREITEMS;
    default:                      return REGERR_UNSPECIFIED;
    }
}

int CRegBase::SetWin32Error(LONG result)
{
    if (result != ERROR_SUCCESS) SetError(MapWin32Result(result));
    return m_errorCode;
}

int CRegBase::SetError(int code)
{
    if (m_errorCode == REGERR_NONE)
        m_errorCode = code;
    else
        m_furtherErrors = 1;
    return 1;
}

int CRegBase::ClearErrorCode()
{
    m_errorCode = REGERR_NONE;
    return 0;
}

int CRegBase::SetLanguage(int language)
{
    m_language = language;
    m_textTable = language ? s_germanTexts : s_englishTexts;
    return 1;
}
