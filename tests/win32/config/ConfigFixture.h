// Scratch directories with a setup.ini and the built string table, and the
// one controller object that GetStringByID reaches.
#pragma once
#include "../../robot/Robot.h"
#include "app/ProgramState.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include "config/CStringTable.h"
#include "config/GetStringByID.h"
#include "controller/CControllerInfo.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace cfgtest {

inline std::string ScratchDir(const std::string &name)
{
    std::string root = robot::BuildDir() + "\\test-config";
    CreateDirectoryA(root.c_str(), NULL);
    std::string dir = root + "\\" + name;
    CreateDirectoryA(dir.c_str(), NULL);
    return dir;
}

inline std::string SourceTable() { return robot::UnixToWindowsPath(std::getenv("QEB_SOURCE_DIR")) + "\\media\\QEBstr.txt"; }
inline std::string BuiltTable() { return robot::SampleMediumDir() + "\\QEBstr.bin"; }

// A program directory with setup.ini and QEBstr.bin; g_ControllerList built on it.
class ControllerFixture : public ::testing::Test {
protected:
    void Build(const std::string &name, const std::string &setupIni)
    {
        m_dir = ScratchDir(name);
        m_ini = m_dir + "\\setup.ini";
        robot::WriteFile(m_ini, setupIni);
        CopyFileA(BuiltTable().c_str(), (m_dir + "\\QEBstr.bin").c_str(), FALSE);
        SafeCopy(ProgramDirectory, (m_dir + "\\").c_str(), sizeof ProgramDirectory);
        if (!g_DebugFile) g_DebugFile = new CDebugFile; // closed: the table needs a log object
        m_savedOs = OsVersion;
        OsVersion = WinNT40;
        g_ControllerList = new CControllerInfo;
    }
    void TearDown() override
    {
        delete g_ControllerList;
        g_ControllerList = nullptr;
        ReleaseStringRing();
        ProgramDirectory[0] = '\0';
        if (m_savedOs) OsVersion = m_savedOs;
    }
    std::string m_dir, m_ini;
    int m_savedOs = 0;
};

} // namespace cfgtest
