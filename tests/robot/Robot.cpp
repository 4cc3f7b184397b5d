#include "Robot.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace robot {

std::string UnixToWindowsPath(const std::string &unixPath)
{
    std::string out = "Z:";
    for (char c : unixPath) out += (c == '/') ? '\\' : c;
    return out;
}

static std::string EnvPath(const char *name)
{
    const char *value = std::getenv(name);
    return value ? UnixToWindowsPath(value) : std::string();
}

std::string BuildDir() { return EnvPath("QEB_BUILD_DIR"); }
std::string SampleMediumDir() { return BuildDir() + "\\medium"; }

std::string WindowsDir()
{
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    return dir;
}

static std::string ReadWithMode(const std::string &path, const char *mode)
{
    std::string out;
    FILE *f = std::fopen(path.c_str(), mode);
    if (!f) return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    std::fclose(f);
    return out;
}

std::string ReadFile(const std::string &path) { return ReadWithMode(path, "rb"); }
std::string ReadTextFile(const std::string &path) { return ReadWithMode(path, "r"); }

bool WriteFile(const std::string &path, const std::string &content)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    return std::fclose(f) == 0 && ok;
}

bool FileExists(const std::string &path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Medium::DefaultSetupIni()
{
    return ReadFile(EnvPath("QEB_SOURCE_DIR") + "\\media\\setup.ini");
}

Medium::Medium(const std::string &name, const std::string &setupIni)
{
    std::string root = BuildDir() + "\\test-media";
    CreateDirectoryA(root.c_str(), NULL);
    m_dir = root + "\\" + name;
    CreateDirectoryA(m_dir.c_str(), NULL);
    CopyFileA((SampleMediumDir() + "\\setup.exe").c_str(), Exe().c_str(), FALSE);
    CopyFileA((SampleMediumDir() + "\\QEBstr.bin").c_str(), (m_dir + "\\QEBstr.bin").c_str(), FALSE);
    std::string ini = m_dir + "\\setup.ini";
    DeleteFileA(ini.c_str());
    if (!setupIni.empty()) WriteFile(ini, setupIni);
}

void Medium::AddFile(const std::string &name, const std::string &content) const
{
    WriteFile(m_dir + "\\" + name, content);
}

void SetWindowsVersion(const std::string &exeName, const std::string &version)
{
    std::string path = "Software\\Wine\\AppDefaults\\" + exeName;
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key,
                        NULL) != ERROR_SUCCESS)
        return;
    if (version.empty())
        RegDeleteValueA(key, "Version");
    else
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE *>(version.c_str()),
                       static_cast<DWORD>(version.size() + 1));
    RegCloseKey(key);
}

Process::~Process() { Kill(); }

bool Process::Start(const std::string &exe, const std::string &args, const std::string &version,
                    const std::string &cwd)
{
    Kill();
    std::string name = exe.substr(exe.find_last_of("\\/") + 1);
    SetWindowsVersion(name, version);
    std::string cmd = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    std::string dir = cwd;
    if (dir.empty()) dir = exe.substr(0, exe.find_last_of('\\'));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return CreateProcessA(exe.c_str(), line.data(), NULL, NULL, FALSE, 0, NULL, dir.c_str(), &si,
                          &m_pi) != 0;
}

long Process::Wait(DWORD timeoutMs)
{
    if (!m_pi.hProcess) return -3;
    if (WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0) return -2;
    DWORD code = 0;
    GetExitCodeProcess(m_pi.hProcess, &code);
    return static_cast<long>(code);
}

bool Process::Running() const
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

void Process::Kill()
{
    if (!m_pi.hProcess) return;
    if (Running()) {
        TerminateProcess(m_pi.hProcess, 99);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hProcess);
    CloseHandle(m_pi.hThread);
    m_pi = PROCESS_INFORMATION{};
}

std::string ClassName(HWND hwnd)
{
    char buf[256] = "";
    GetClassNameA(hwnd, buf, sizeof buf);
    return buf;
}

std::string WindowText(HWND hwnd)
{
    char buf[2048] = "";
    // WM_GETTEXT reaches windows of other processes too.
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf),
                        SMTO_ABORTIFHUNG, 2000, NULL);
    return buf;
}

namespace {
struct EnumState {
    DWORD pid;
    std::vector<WindowInfo> found;
};

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM lp)
{
    auto *state = reinterpret_cast<EnumState *>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == state->pid && IsWindowVisible(hwnd))
        state->found.push_back({hwnd, ClassName(hwnd), WindowText(hwnd)});
    return TRUE;
}

struct ChildState {
    std::string statics;
    std::vector<std::pair<int, std::string>> buttons;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp)
{
    auto *state = reinterpret_cast<ChildState *>(lp);
    std::string cls = ClassName(hwnd);
    if (lstrcmpiA(cls.c_str(), "Static") == 0) {
        std::string text = WindowText(hwnd);
        if (!text.empty()) {
            if (!state->statics.empty()) state->statics += "\n";
            state->statics += text;
        }
    } else if (lstrcmpiA(cls.c_str(), "Button") == 0) {
        state->buttons.push_back({GetDlgCtrlID(hwnd), WindowText(hwnd)});
    }
    return TRUE;
}
} // namespace

std::vector<WindowInfo> TopWindows(DWORD pid)
{
    EnumState state{pid, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

std::string StaticTexts(HWND dialog)
{
    ChildState state;
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&state));
    return state.statics;
}

std::vector<std::pair<int, std::string>> Buttons(HWND dialog)
{
    ChildState state;
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&state));
    return state.buttons;
}

HWND WaitForWindow(DWORD pid, const std::function<bool(const WindowInfo &)> &match,
                   DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        for (const WindowInfo &w : TopWindows(pid))
            if (match(w)) return w.hwnd;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return NULL;
}

HWND FindMainWindow(DWORD pid, DWORD timeoutMs)
{
    return WaitForWindow(pid, [](const WindowInfo &w) { return w.className == "QEBSetupMain"; },
                         timeoutMs);
}

static bool IsMessageBox(const WindowInfo &w)
{
    // Info windows share the dialog class but have no buttons.
    return w.className == "#32770" && !Buttons(w.hwnd).empty();
}

MessageBoxSeen AnswerMessageBox(Process &process, int buttonId, DWORD timeoutMs)
{
    MessageBoxSeen seen;
    HWND box = NULL;
    DWORD start = GetTickCount();
    while (!box && GetTickCount() - start < timeoutMs) {
        box = WaitForWindow(process.Pid(), IsMessageBox, 200);
        if (!box && !process.Running()) break;
    }
    if (!box) return seen;
    Sleep(100); // let the box finish its layout before reading it
    seen.found = true;
    seen.caption = WindowText(box);
    seen.text = StaticTexts(box);
    PressButton(box, buttonId);
    // Wait until the box is gone, so the next wait sees the next window.
    DWORD gone = GetTickCount();
    while (IsWindow(box) && GetTickCount() - gone < 5000) Sleep(20);
    return seen;
}

bool NoMessageBox(Process &process, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (WaitForWindow(process.Pid(), IsMessageBox, 50)) return false;
        if (!process.Running()) return true;
    }
    return true;
}

void PressButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// --- PNG writing with stored (uncompressed) deflate blocks ---
namespace {
unsigned long Crc32(const unsigned char *data, size_t n, unsigned long crc = 0)
{
    static unsigned long table[256];
    static bool ready = false;
    if (!ready) {
        for (unsigned long i = 0; i < 256; ++i) {
            unsigned long c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320UL ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        ready = true;
    }
    crc ^= 0xFFFFFFFFUL;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFUL;
}

void PutU32(std::string &out, unsigned long v)
{
    out += static_cast<char>((v >> 24) & 0xFF);
    out += static_cast<char>((v >> 16) & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
    out += static_cast<char>(v & 0xFF);
}

void Chunk(std::string &out, const char *type, const std::string &data)
{
    PutU32(out, static_cast<unsigned long>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    PutU32(out, Crc32(reinterpret_cast<const unsigned char *>(body.data()), body.size()));
}

std::string StoredZlib(const std::string &raw)
{
    std::string z = "\x78\x01";
    size_t pos = 0;
    do {
        size_t n = raw.size() - pos;
        if (n > 65535) n = 65535;
        bool last = pos + n == raw.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, pos, n);
        pos += n;
    } while (pos < raw.size());
    unsigned long a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutU32(z, (b << 16) | a);
    return z;
}
} // namespace

bool Screenshot(const std::string &path)
{
    HDC screen = GetDC(NULL);
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    bool ok = false;
    if (bmp && bits) {
        HGDIOBJ old = SelectObject(mem, bmp);
        BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        GdiFlush();
        std::string raw;
        raw.reserve(static_cast<size_t>(h) * (w * 3 + 1));
        const unsigned char *p = static_cast<const unsigned char *>(bits);
        for (int y = 0; y < h; ++y) {
            raw += '\0';
            for (int x = 0; x < w; ++x, p += 4) {
                raw += static_cast<char>(p[2]);
                raw += static_cast<char>(p[1]);
                raw += static_cast<char>(p[0]);
            }
        }
        std::string png = "\x89PNG\r\n\x1a\n";
        std::string ihdr;
        PutU32(ihdr, w);
        PutU32(ihdr, h);
        ihdr += std::string("\x08\x02\x00\x00\x00", 5);
        Chunk(png, "IHDR", ihdr);
        Chunk(png, "IDAT", StoredZlib(raw));
        Chunk(png, "IEND", "");
        ok = WriteFile(path, png);
    }
    if (bmp) DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(NULL, screen);
    return ok;
}

} // namespace robot
