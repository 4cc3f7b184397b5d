#include "config/CInfInfo.h"
#include "base/CDebugFile.h"
#include "base/Platform.h"
#include "base/TextHelpers.h"
#include "controller/CardTypeTable.h"
#include "controller/SetupContext.h"
#include <cstdio>

CInfInfo::CInfInfo() : m_status(0) { Log().WriteLine("CInfInfo"); }

CInfInfo::~CInfInfo()
{
    Log().WriteLine("~CInfInfo");
    m_AllFilesList.RemoveAll();
}

BOOL CInfInfo::GetInformation(const char *infFile)
{
    if (!infFile) infFile = "";
    Log().WriteLine("CInfInfo::GetInformation(\"%s\")", infFile);
    char path[DirTextSize];
    int n = std::snprintf(path, sizeof path, "%s%s", SetupProgramDirectory(), infFile);
    if (n < 0 || static_cast<size_t>(n) >= sizeof path) {
        Log().WriteLine("'%s' nicht gefunden", infFile);
        return FALSE;
    }
    if (PlatformFileSize(path) < 0) return TRUE;

    char sections[ListSectionsSize];
    SafeCopy(sections, SetupText(2115), sizeof sections);
    if (!m_AllFilesList.FillListFromFile(path, sections)) {
        Log().WriteLine("FALSE==m_AllFilesList.FillListFromFile()");
        return FALSE;
    }
    if (!m_KillThemList.FillListFromFile(path, sections)) {
        Log().WriteLine("FALSE==m_KillThemList.FillListFromFile()");
        return FALSE;
    }
    const CardTypeTable *table = SetupCardTypeTable();
    const char *registryName = table ? table->GetRegistryName(SetupCardType()) : "";
    char keepSections[ListSectionsSize];
    std::snprintf(keepSections, sizeof keepSections, "%s%s%s", registryName, ".", SetupText(2106));
    CFNList ourKeepThemList;
    if (!ourKeepThemList.FillListFromFile(path, keepSections)) {
        Log().WriteLine("FALSE==ourKeepThemList.FillListFromFile()");
        return FALSE;
    }
    m_KillThemList.RemoveMatching(ourKeepThemList);
    return TRUE;
}
