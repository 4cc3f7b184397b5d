#include "config/CIniInfo.h"
#include "base/CDebugFile.h"
#include "app/ProgramState.h"
#include "controller/CardTypeTable9x.h"
#include "controller/CardTypeTableNt.h"
#include <cstring>

CIniInfo::CIniInfo()
    : m_cardTypeTable(nullptr), m_errorCode(0), m_language(1), m_cardType(0),
      m_addInfo0(0), m_os(1), m_driver(0)
{
    Log().WriteLine("CIniInfo");
    if (IsWinNT())
        m_cardTypeTable = new CardTypeTableNt;
    else if (IsWin9x())
        m_cardTypeTable = new CardTypeTable9x;
    else
        Log().WriteLine("Unbekanntes OS im CCI Konstruktor");
    m_addText[0] = m_mainText[0] = m_copyRight[0] = '\0';
}

CIniInfo::~CIniInfo()
{
    Log().WriteLine("~CIniInfo");
    delete m_cardTypeTable;
}

namespace {
struct Keyword {
    const char *word;
    int value;
};

// First row whose keyword is contained in the lower-cased value; 0 for none.
int LookupKeyword(const char *file, const char *key, const Keyword *table, int rows)
{
    char value[255] = "";
    GetPrivateProfileStringA("Setup", key, "", value, sizeof value, file);
    Log().WriteLine("%s: '%s'", key, value);
    CharLowerA(value);
    for (int i = 0; i < rows; ++i)
        if (value[0] && std::strstr(value, table[i].word)) return table[i].value;
    return 0;
}
} // namespace

int CIniInfo::GetInformation(const char *configurationFile)
{
    Log().WriteLine("CIniInfo::GetInformation '%s'", configurationFile);
    static const Keyword os[] = {{"win95", 1}, {"win98", 3}, {"winnt", 2}};
    static const Keyword driver[] = {{"vxd", 1}, {"sys", 2}, {"wdm", 3}};
    if (int v = LookupKeyword(configurationFile, "OS", os, 3)) m_os = v;
    if (int v = LookupKeyword(configurationFile, "Driver", driver, 3)) m_driver = v;
    if (m_driver == 0) {
        m_errorCode = 1047;
        return 0;
    }
    m_addInfo0 = GetPrivateProfileIntA("Setup", "AddInfo0", 0, configurationFile);
    return 1;
}

const char *CIniInfo::GetLanguageName(int index)
{
    static const char *last = "";
    static const char *const names[] = {"deutsch", "english"};
    if (index >= 0 && index < 2) last = names[index];
    return last;
}
