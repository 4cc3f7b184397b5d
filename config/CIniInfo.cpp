#include "config/CIniInfo.h"
#include "base/CDebugFile.h"
#include "app/ProgramState.h"
#include "controller/CardTypeTable9x.h"
#include "controller/CardTypeTableNt.h"

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
