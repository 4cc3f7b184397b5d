#include "RegistryFixture.h"
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {
void DeleteTree(HKEY parent, const char *name)
{
    HKEY key;
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        char sub[512];
        while (RegEnumKeyA(key, 0, sub, sizeof sub) == ERROR_SUCCESS) DeleteTree(key, sub);
        RegCloseKey(key);
    }
    RegDeleteKeyA(parent, name);
}
} // namespace

void RegistryTest::SetUp()
{
    m_savedOs = OsVersion;
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_scratchPath = std::string("Software\\QebRegistryTests\\") + info->test_suite_name() + "." +
                    info->name();
    for (char &c : m_scratchPath)
        if (c == '/') c = '_';
    DeleteTree(HKEY_CURRENT_USER, m_scratchPath.c_str());
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, m_scratchPath.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &m_scratch, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_scratch), ERROR_SUCCESS);
    OsVersion = WinNT40; // the controller object builds the NT card type table
    m_controller = new TestControllerInfo;
    g_ControllerList = m_controller;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    m_logPath = std::string(temp) + "qeb-registry-test.log";
    OpenLog();
}

void RegistryTest::OpenLog()
{
    m_log = new CDebugFile;
    ASSERT_TRUE(m_log->Open(m_logPath.c_str(), true));
    g_DebugFile = m_log;
}

void RegistryTest::TearDown()
{
    CloseReadKey();
    CloseWriteKey();
    g_DebugFile = nullptr;
    delete m_log;
    m_log = nullptr;
    g_ControllerList = nullptr;
    delete m_controller;
    m_controller = nullptr;
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    if (m_scratch) RegCloseKey(m_scratch);
    m_scratch = nullptr;
    DeleteTree(HKEY_CURRENT_USER, m_scratchPath.c_str());
    OsVersion = m_savedOs;
}

std::string RegistryTest::TakeLog()
{
    g_DebugFile = nullptr;
    delete m_log;
    m_log = nullptr;
    std::ifstream in(m_logPath, std::ios::binary);
    std::string line, text;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Lookups of texts the string table lacks report themselves; not ours.
        if (line.rfind("GetStringByID()", 0) == 0) continue;
        if (line.rfind("opened ", 0) == 0 || line.rfind("closed ", 0) == 0) continue;
        // A closing stamp can follow an entry left open on the same line.
        size_t stamp = line.find("closed ");
        if (stamp != std::string::npos && stamp > 0) line.erase(stamp);
        text += line;
        text += '\n';
    }
    in.close();
    OpenLog();
    return text;
}

void RegistryTest::MakeKey(const std::string &path)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(m_scratch, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS)
        << path;
    RegCloseKey(key);
}

bool RegistryTest::KeyExists(const std::string &path)
{
    HKEY key;
    if (RegOpenKeyExA(m_scratch, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void RegistryTest::PutValue(const std::string &key, const std::string &name, DWORD type,
                            const void *data, DWORD size)
{
    MakeKey(key);
    HKEY handle;
    ASSERT_EQ(RegOpenKeyExA(m_scratch, key.c_str(), 0, KEY_ALL_ACCESS, &handle), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(handle, name.c_str(), 0, type, static_cast<const BYTE *>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(handle);
}

void RegistryTest::PutString(const std::string &key, const std::string &name,
                             const std::string &text)
{
    PutValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void RegistryTest::PutDword(const std::string &key, const std::string &name, DWORD number)
{
    PutValue(key, name, REG_DWORD, &number, sizeof number);
}

bool RegistryTest::ReadValue(const std::string &key, const std::string &name, DWORD *type,
                             std::vector<BYTE> *data)
{
    HKEY handle;
    if (RegOpenKeyExA(m_scratch, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LONG result = RegQueryValueExA(handle, name.c_str(), nullptr, type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        data->assign(size, 0);
        result = RegQueryValueExA(handle, name.c_str(), nullptr, type, data->data(), &size);
        data->resize(size);
    }
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

std::string RegistryTest::KeyClass(const std::string &path)
{
    HKEY key;
    if (RegOpenKeyExA(m_scratch, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return "(missing)";
    char name[64] = "";
    DWORD length = sizeof name;
    RegQueryInfoKeyA(key, name, &length, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return name;
}
