#include "config/CIniInfo.h"
#include "base/CDebugFile.h"
#include "controller/CardTypeTable.h"

CIniInfo::CIniInfo()
    : m_cardTypeTable(new CardTypeTable), m_errorCode(0), m_language(1), m_cardType(0),
      m_addInfo0(0), m_os(1), m_driver(0)
{
    Log().WriteLine("CIniInfo");
    m_addText[0] = m_mainText[0] = m_copyRight[0] = '\0';
}

CIniInfo::~CIniInfo()
{
    Log().WriteLine("~CIniInfo");
    delete m_cardTypeTable;
}

int CIniInfo::GetInformation(const char *configurationFile)
{
    Log().WriteLine("CIniInfo::GetInformation '%s'", configurationFile);
    return 1;
}

const char *CIniInfo::GetLanguageName(int index)
{
    static const char *last = "";
    static const char *const names[] = {"deutsch", "english"};
    if (index >= 0 && index < 2) last = names[index];
    return last;
}
