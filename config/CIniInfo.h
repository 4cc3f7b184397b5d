// The reader of setup.ini: the texts and switches of one installation medium.
#pragma once
#include <windows.h>

class CardTypeTable;

class CIniInfo {
public:
    CIniInfo();
    virtual ~CIniInfo();

    virtual int GetInformation(const char *configurationFile);
    virtual int GetCardType() const { return m_cardType; }
    virtual int GetErrorCode() const { return m_errorCode; }
    virtual int SetErrorCode(int code) { return m_errorCode = code; }
    virtual int GetOS() const { return m_os; }
    virtual const char *GetAddText() const { return m_addText; }
    virtual const char *GetMainText() const { return m_mainText; }
    virtual const char *GetCopyRight() const { return m_copyRight; }
    virtual BOOL HasAddInfo20() const { return (m_addInfo0 & 0x20) != 0; }
    virtual BOOL HasAddInfo80() const { return (m_addInfo0 & 0x80) != 0; }
    virtual int GetDriver() const { return m_driver; }
    virtual void ClearErrorCode() { m_errorCode = 0; }
    virtual const char *GetLanguageName(int index);
    virtual int GetLanguage() const { return m_language; }

    CardTypeTable *GetCardTypeTable() const { return m_cardTypeTable; }
    BOOL HasAddInfo10() const { return (m_addInfo0 & 0x10) != 0; }

protected:
    CardTypeTable *m_cardTypeTable;
    int m_errorCode;
    int m_language;
    int m_cardType;
    int m_addInfo0;
    int m_os;
    int m_driver;
    char m_addText[255];
    char m_mainText[255];
    char m_copyRight[255];
};
