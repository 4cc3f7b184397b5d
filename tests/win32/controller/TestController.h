// A real g_ControllerList for one test, on the system family of the test's
// choice; the setup.ini switches that a test needs are set directly.
#pragma once
#include "app/ProgramState.h"
#include "controller/CControllerInfo.h"
#include <memory>

class TestControllerInfo : public CControllerInfo {
public:
    void SetDriverKind(int kind) { m_driver = kind; }
    void SetAddInfo0(int bits) { m_addInfo0 = bits; }
};

class ScopedController {
public:
    explicit ScopedController(int os) : m_savedOs(OsVersion)
    {
        OsVersion = os;
        m_info.reset(new TestControllerInfo);
        g_ControllerList = m_info.get();
    }
    ~ScopedController()
    {
        g_ControllerList = nullptr;
        m_info.reset();
        OsVersion = m_savedOs;
    }
    TestControllerInfo *operator->() { return m_info.get(); }

private:
    int m_savedOs;
    std::unique_ptr<TestControllerInfo> m_info;
};
