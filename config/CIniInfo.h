// The reader of setup.ini: the texts and switches of one installation medium.
#pragma once
#include "base/Win32Types.h"
#include "config/IniKeyEdit.h"
#include "config/IniKeywords.h"

class CardTypeTable;
class CObjList;
class CKVList;

// Error codes of GetInformation (StringIds).
enum IniErrorCode { IniErrCardType = 1002, IniErrSections = 1003, IniErrSectionMissing = 1005,
                    IniErrDriver = 1047 };

class CIniInfo {
public:
    enum { TextSize = 255 };

    CIniInfo();
    virtual ~CIniInfo();                                            // 0

    virtual int GetInformation(const char *configurationFile);      // 1
    virtual int GetLanguage() const { return m_language; }          // 2
    virtual BOOL HasAddInfo40() const { return (m_addInfo0 & 0x40) != 0; }   // 3
    virtual BOOL HasAddInfo200() const                               // 4
    {
        return (m_addInfo0 & 0x200) != 0 && (m_addInfo0 & 0x40) != 0;
    }
    virtual BOOL HasAddInfo80() const { return (m_addInfo0 & 0x80) != 0; }   // 5
    virtual int GetCardType() const { return m_cardType; }          // 6
    virtual long GetSizeOfAllFiles() const;                         // 7
    virtual int GetErrorCode() const { return m_errorCode; }        // 8
    virtual int SetErrorCode(int code) { return m_errorCode = code; }   // 9
    virtual int GetOS() const { return m_os; }                      // 10
    virtual const char *GetAddText() const { return m_addText; }    // 11
    virtual const char *GetMainText() const { return m_mainText; }  // 12
    virtual const char *GetIDriver();                               // 13
    virtual const char *GetCopyRight() const { return m_copyRight; }    // 14
    virtual const char *GetProgGroup() const { return m_progGroup; }    // 15
    virtual const char *GetManuClass() const { return m_manuClass; }    // 16
    virtual int GetAddInfoLow() const { return m_addInfo0 & 0x3; }  // 17
    virtual BOOL HasAddInfo10() const { return (m_addInfo0 & 0x10) != 0; }   // 18
    virtual BOOL HasAddInfo20() const { return (m_addInfo0 & 0x20) != 0; }   // 19
    virtual int GetDriver() const { return m_driver; }              // 20
    virtual BOOL GetDriverExtension(char *buffer, int length);      // 21
    virtual void ClearErrorCode() { m_errorCode = 0; }              // 22
    virtual const char *GetLanguageName(int index);                 // 23
    virtual BOOL IsDebug();                                         // 24
    virtual BOOL HasClassInstaller() const;                         // 25
    virtual const char *GetClassInstaller() const { return m_classInstaller; }   // 26
    virtual BOOL HasAddInfo100() const { return (m_addInfo0 & 0x100) != 0; }  // 27

    CardTypeTable *GetCardTypeTable() const { return m_cardTypeTable; }
    int GetMode() const { return m_mode; }
    int GetAddInfo(int n) const { return n == 0 ? m_addInfo0 : n == 1 ? m_addInfo1 : m_addInfo2; }
    const char *GetLogo() const { return m_logo; }
    const char *GetDebug() const { return m_Debug; }
    int GetTransparent() const { return m_transparent; }
    int GetStretch() const { return m_stretch; }

protected:
    // The pieces of the list classes and the card type table that setup.ini
    // reading uses, one function each.
    CardTypeTable *CreateCardTypeTable();
    // Card type id of a registry name, 0 when the table has no such type.
    int ResolveCardType(const char *registryName);
    bool FileListIsEmpty() const;
    void SetFileListCardType(int cardType);
    void ClearFileList();
    // 0 on success, otherwise the list's error code.
    int FillFileList(const char *configurationFile, const char *sections);
    int FillCardTypeList(const char *configurationFile);
    bool IsActiveType(int cardType) const;

    void ReadText(const char *file, const char *key, const char *defaultValue, char *buffer);
    int ReadKeyword(const char *file, const char *key, const IniKeyword *table, unsigned rows,
                    int current);
    int ReadInt(const char *file, const char *key);

    CObjList *m_AllFilesList;      // the file list of the Sections key
    CKVList *m_CardTypeList;       // section CardType
    CardTypeTable *m_cardTypeTable;
    int m_errorCode;
    int m_language;
    int m_cardType;
    int m_addInfo0;
    int m_addInfo1;
    int m_addInfo2;
    int m_os;
    int m_driver;
    char m_addText[TextSize];
    char m_mainText[TextSize];
    int m_mode;
    char m_iDriver[TextSize];
    char m_copyRight[TextSize];
    char m_progGroup[TextSize];
    char m_manuClass[TextSize];
    char m_Debug[TextSize];
    char m_classInstaller[TextSize];
    char m_logo[TextSize];
    int m_transparent;
    int m_stretch;
};
