#include "config/CIniInfo.h"
#include "app/ProgramState.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include "config/GetStringByID.h"
#include "config/UtDrive.h"
#include "controller/CControllerInfo.h"
#include "base/CKVList.h"
#include "base/CObjList.h"
#include "controller/CardTypeTable9x.h"
#include "controller/CardTypeTableNt.h"
#include <windows.h>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>

namespace {
const char *const kSection = "Setup";
const char *const kDefaultCopyRight = "Copyright (C) QEB Kommunikationstechnik GmbH";

void Lower(char *text)
{
    for (char *p = text; *p; ++p) *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
}
} // namespace

CIniInfo::CIniInfo()
    : m_AllFilesList(nullptr), m_CardTypeList(nullptr), m_cardTypeTable(nullptr), m_errorCode(0),
      m_language(1), m_cardType(0), m_addInfo0(0), m_addInfo1(0), m_addInfo2(0), m_os(1),
      m_driver(0), m_mode(0), m_transparent(1), m_stretch(1)
{
    m_AllFilesList = new (std::nothrow) CObjList;
    m_CardTypeList = new (std::nothrow) CKVList;
    Log().WriteLine("CIniInfo");
    m_addText[0] = m_mainText[0] = m_iDriver[0] = m_copyRight[0] = '\0';
    m_progGroup[0] = m_manuClass[0] = m_Debug[0] = m_classInstaller[0] = m_logo[0] = '\0';

    char language[TextSize] = "";
    ReadText(JoinPath(ProgramDirectory, "setup.ini"), "Language", "", language);
    m_language = ChooseLanguage(language, static_cast<unsigned>(GetThreadLocale()));

    m_cardTypeTable = CreateCardTypeTable();
}

CIniInfo::~CIniInfo()
{
    Log().WriteLine("~CIniInfo");
    ClearFileList();
    delete m_cardTypeTable;
    delete m_AllFilesList;
    delete m_CardTypeList;
}

void CIniInfo::ReadText(const char *file, const char *key, const char *defaultValue, char *buffer)
{
    GetPrivateProfileStringA(kSection, key, defaultValue, buffer, TextSize, file);
    buffer[TextSize - 1] = '\0';
    Log().WriteLine("%s: '%s'", key, buffer);
}

int CIniInfo::ReadKeyword(const char *file, const char *key, const IniKeyword *table,
                          unsigned rows, int current)
{
    char value[TextSize] = "";
    ReadText(file, key, "", value);
    int found = LookupIniKeyword(table, rows, value);
    return found ? found : current;
}

int CIniInfo::ReadInt(const char *file, const char *key)
{
    int value = static_cast<int>(GetPrivateProfileIntA(kSection, key, 0, file));
    Log().WriteLine("%s: %d", key, value);
    return value;
}

int CIniInfo::GetInformation(const char *configurationFile)
{
    const char *file = configurationFile ? configurationFile : "";
    Log().WriteLine("CIniInfo::GetInformation '%s'", file);

    ReadText(file, "AddText", "", m_addText);
    ReadText(file, "MainText", "", m_mainText);
    ReadText(file, "IDriver", "C:\\IDriver", m_iDriver);
    ReadText(file, "CopyRight", kDefaultCopyRight, m_copyRight);
    ReadText(file, "ProgGroup", "QEB", m_progGroup);
    ReadText(file, "ManuClass", "QEB ISDN-Controller", m_manuClass);
    ReadText(file, "Logo", "", m_logo);
    ReadText(file, "Debug", "0", m_Debug);
    ReadText(file, "ClassInstaller", "", m_classInstaller);

    m_os = ReadKeyword(file, "OS", g_OsKeywords, IniKeywordRows, m_os);
    m_mode = ReadKeyword(file, "Mode", g_ModeKeywords, IniKeywordRows, m_mode);
    m_driver = ReadKeyword(file, "Driver", g_DriverKeywords, IniKeywordRows, m_driver);
    if (m_driver == 0) {
        m_errorCode = IniErrDriver;
        return FALSE;
    }

    char cardType[TextSize] = "";
    ReadText(file, "CardType", "", cardType);
    m_cardType = ResolveCardType(cardType);
    if (m_cardType == 0) {
        m_errorCode = IniErrCardType;
        return FALSE;
    }

    if (!FileListIsEmpty()) {
        MessageBoxA(NULL, "#1111", "Error", MB_OK);
        return FALSE;
    }
    SetFileListCardType(IsActiveType(m_cardType) ? 0 : m_cardType);

    m_addInfo0 = ReadInt(file, "AddInfo0");
    m_addInfo1 = ReadInt(file, "AddInfo1");
    m_addInfo2 = ReadInt(file, "AddInfo2");

    char digit[TextSize] = "";
    ReadText(file, "Transparent", "1", digit);
    m_transparent = static_cast<unsigned char>(digit[0]) - '0';
    ReadText(file, "Stretch", "1", digit);
    m_stretch = static_cast<unsigned char>(digit[0]) - '0';

    char sections[TextSize] = "";
    ReadText(file, "Sections", "", sections);
    ClearFileList();
    int listError = FillFileList(file, sections);
    if (listError != 0) {
        m_errorCode = listError;
        return FALSE;
    }
    listError = FillCardTypeList(file);
    if (listError == 0) return TRUE;
    if (listError == IniErrSectionMissing) {
        m_errorCode = 0;
        return TRUE;
    }
    m_errorCode = listError;
    return FALSE;
}

const char *CIniInfo::GetIDriver()
{
    if (IsBlank(m_iDriver)) return "";
    if (ProgramMode == InstallMode && g_ControllerList && IsBlank(g_ControllerList->szInstallPath)) {
        char drive[4] = "";
        const char *dir = m_iDriver;
        if (std::isalpha(static_cast<unsigned char>(m_iDriver[0])) && m_iDriver[1] == ':') {
            drive[0] = m_iDriver[0];
            drive[1] = ':';
            drive[2] = '\0';
            dir = m_iDriver + 2;
        }
        char directory[TextSize];
        SafeCopy(directory, dir, sizeof directory);
        int out = 0;
        if (UTisRO(drive, directory, &out) != 0) UTcopyDriveLetter(m_iDriver, WindowsDirectory, TextSize);
    }
    return m_iDriver;
}

BOOL CIniInfo::GetDriverExtension(char *buffer, int length)
{
    if (!buffer || length <= 0) return FALSE;
    if (length < 5) {
        Lower(buffer);
        return FALSE;
    }
    unsigned id = m_driver == IniDriverVxd ? 1044
                  : (m_driver == IniDriverSys || m_driver == IniDriverWdm) ? 1045 : 0;
    if (id == 0) {
        buffer[0] = '\0';
        return FALSE;
    }
    std::snprintf(buffer, static_cast<size_t>(length), ".%s", GetStringByID(id));
    Lower(buffer);
    return TRUE;
}

const char *CIniInfo::GetLanguageName(int index)
{
    static const char *last = "";
    if (index >= 0 && index < IniLanguageRows) last = g_Languages[index].keyword;
    return last;
}

BOOL CIniInfo::IsDebug()
{
    bool on = m_Debug[0] == '1';
    Log().WriteLine("m_Debug ist %s gesetzt!", on ? "" : "nicht");
    return on;
}

BOOL CIniInfo::HasClassInstaller() const { return !IsBlank(m_classInstaller); }

long CIniInfo::GetSizeOfAllFiles() const
{
    return m_AllFilesList ? m_AllFilesList->GetSizeOfAllFiles() : 0;
}

// The card type table of the running system; none on other systems.
CardTypeTable *CIniInfo::CreateCardTypeTable()
{
    if (IsWinNT()) return new (std::nothrow) CardTypeTableNt;
    if (IsWin9x()) return new (std::nothrow) CardTypeTable9x;
    Log().WriteLine("Unbekanntes OS im CCI Konstruktor");
    return nullptr;
}

int CIniInfo::ResolveCardType(const char *registryName)
{
    return m_cardTypeTable ? m_cardTypeTable->FindCardType(CardRegistryName, registryName) : 0;
}

bool CIniInfo::FileListIsEmpty() const { return !m_AllFilesList || m_AllFilesList->GetCount() == 0; }

void CIniInfo::SetFileListCardType(int cardType)
{
    if (m_AllFilesList) m_AllFilesList->SetCardType(cardType);
}

void CIniInfo::ClearFileList()
{
    if (m_AllFilesList) m_AllFilesList->RemoveAll();
}

// 0 on success, otherwise the error code of the list.
static int FillList(CList *list, const char *file, const char *sections)
{
    if (!list) return IniErrSections;
    return list->FillListFromFile(file, sections) ? 0 : list->GetError();
}

int CIniInfo::FillFileList(const char *file, const char *sections)
{
    return FillList(m_AllFilesList, file, sections);
}

int CIniInfo::FillCardTypeList(const char *file)
{
    return FillList(m_CardTypeList, file, "CardType");
}

bool CIniInfo::IsActiveType(int cardType) const
{
    return m_cardTypeTable && m_cardTypeTable->IsActive(cardType);
}
