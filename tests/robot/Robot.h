// Test robot: starts the program under test under Wine, finds its windows,
// reads and presses them, answers message boxes and takes screenshots.
// Every wait has a time-out, so a window that never comes fails the test.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace robot {

// Paths of the build tree as Windows paths (the tree is on Wine's Z: drive).
std::string UnixToWindowsPath(const std::string &unixPath);
std::string BuildDir();
std::string SampleMediumDir();
std::string WindowsDir();
std::string ReadFile(const std::string &path);
// Read in text mode: the line ends of Windows read as line feeds.
std::string ReadTextFile(const std::string &path);
bool WriteFile(const std::string &path, const std::string &content);
bool FileExists(const std::string &path);

// A scratch installation medium: copies of setup.exe and the string table
// with a setup.ini of the test's choice.
class Medium {
public:
    explicit Medium(const std::string &name, const std::string &setupIni = DefaultSetupIni());
    const std::string &Dir() const { return m_dir; }
    std::string Exe() const { return m_dir + "\\setup.exe"; }
    void AddFile(const std::string &name, const std::string &content) const;
    static std::string DefaultSetupIni();

private:
    std::string m_dir;
};

// Sets the Windows version Wine reports to one program ("win95", "nt40", ...).
void SetWindowsVersion(const std::string &exeName, const std::string &version);

class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process &) = delete;
    Process &operator=(const Process &) = delete;

    bool Start(const std::string &exe, const std::string &args, const std::string &version,
               const std::string &cwd = "");
    // Exit code, or -2 when the process did not end within the time-out.
    long Wait(DWORD timeoutMs);
    bool Running() const;
    DWORD Pid() const { return m_pi.dwProcessId; }
    void Kill();

private:
    PROCESS_INFORMATION m_pi{};
};

struct WindowInfo {
    HWND hwnd;
    std::string className;
    std::string title;
};

std::vector<WindowInfo> TopWindows(DWORD pid);
std::string ClassName(HWND hwnd);
std::string WindowText(HWND hwnd);
// The texts of the static controls of a dialog (a message box's message among them).
std::string StaticTexts(HWND dialog);
std::vector<std::pair<int, std::string>> Buttons(HWND dialog);

HWND WaitForWindow(DWORD pid, const std::function<bool(const WindowInfo &)> &match,
                   DWORD timeoutMs);
HWND FindMainWindow(DWORD pid, DWORD timeoutMs);

struct MessageBoxSeen {
    bool found = false;
    std::string caption;
    std::string text;
};
// Waits for a message box of the process, reads it and answers it with button id.
MessageBoxSeen AnswerMessageBox(Process &process, int buttonId, DWORD timeoutMs = 10000);
// Whether a message box of the process appears within the time-out.
bool NoMessageBox(Process &process, DWORD timeoutMs);

void PressButton(HWND dialog, int id);
// Writes the whole screen as a PNG file.
bool Screenshot(const std::string &path);

} // namespace robot
