// Registry tests run on the real registry: each test gets a scratch key of
// its own, seen by the code under test as HKEY_LOCAL_MACHINE, and a fresh
// debug log whose entries it can read back.
#pragma once
#include "app/ProgramState.h"
#include "base/CDebugFile.h"
#include "controller/CControllerInfo.h"
#include "controller/CardTypeTable.h"
#include "registry/RegHelpers.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

class TestControllerInfo : public CControllerInfo {
public:
    void SetAddInfo0(int value) { m_addInfo0 = value; }
};

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Everything written to the log since the last call, without the
    // opened/closed stamps; the log starts over afterwards.
    std::string TakeLog();

    // Direct access to the scratch key (HKEY_LOCAL_MACHINE of the code under test).
    HKEY Root() const { return m_scratch; }
    void MakeKey(const std::string &path);
    bool KeyExists(const std::string &path);
    void PutValue(const std::string &key, const std::string &name, DWORD type,
                  const void *data, DWORD size);
    void PutString(const std::string &key, const std::string &name, const std::string &text);
    void PutDword(const std::string &key, const std::string &name, DWORD number);
    // Type and bytes of a value; false when it does not exist.
    bool ReadValue(const std::string &key, const std::string &name, DWORD *type,
                   std::vector<BYTE> *data);
    std::string KeyClass(const std::string &path);

    TestControllerInfo *m_controller = nullptr;

private:
    void OpenLog();

    HKEY m_scratch = nullptr;
    std::string m_scratchPath;
    std::string m_logPath;
    CDebugFile *m_log = nullptr;
    int m_savedOs = 0;
};
