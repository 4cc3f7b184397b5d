#include "app/CommandLine.h"
#include "app/ProgramState.h"
#include "base/CDebugFile.h"
#include "controller/CControllerInfo.h"
#include "base/TextHelpers.h"
#include "wizard/MessageBoxes.h"
#include <cstdio>
#include <cstring>

namespace {

struct ModeOption {
    const char *text;
    int mode;
};

// "-SetSPID" begins "-SetSPID1" and "-SetSPID2", so it comes last.
const ModeOption kModeOptions[] = {
    {"-Delete", DeleteMode},     {"-SetProt", KonfigMode},    {"-Test", TestSPIDMode},
    {"-SetSPID1", SetSPIDMode1}, {"-SetSPID2", SetSPIDMode2}, {"-SetSPID", SetSPIDMode},
};

// Every SPID option counts as a conflict, hence "SetSPID" without the dash.
const char *const kConflicts[] = {"-SetProt", "-Delete", "-Test", "SetSPID"};

bool HasConflict(const char *rest)
{
    for (const char *c : kConflicts)
        if (std::strstr(rest, c)) return true;
    return false;
}

void ShowCmdLineError(const char *rest)
{
    char message[CmdLineSize];
    std::snprintf(message, sizeof message, "CmdLine Error:'%s'", rest);
    WarningBox(nullptr, 0, message);
}

} // namespace

void CopyCommandLine(char *dst, const char *src) { SafeCopy(dst, src ? src : "", CmdLineSize); }

int GetCtrlName(char *cmdLine, const char *option)
{
    int result = -1;
    char *found = (cmdLine && option && *option) ? std::strstr(cmdLine, option) : nullptr;
    if (found) {
        size_t optLen = std::strlen(option);
        char c = found[optLen];
        result = (c >= '0' && c <= '9') ? c - '0' : 0;
        size_t cut = optLen + (c ? 1 : 0);
        std::memmove(found, found + cut, std::strlen(found + cut) + 1);
    }
    Log().WriteLine("GetCtrlName: '%s' '%s' %d", cmdLine ? cmdLine : "",
                           option ? option : "", result);
    return result;
}

int GetProgramMode(char *cmdLine)
{
    Log().WriteLine("GetProgramMode: '%s'", cmdLine);
    for (const ModeOption &option : kModeOptions) {
        if (!std::strstr(cmdLine, option.text)) continue;
        RemoveSubstring(cmdLine, option.text);
        if (HasConflict(cmdLine)) {
            WarningBox(nullptr, 1007, nullptr);
            return NoMode;
        }
        if (option.mode == SetSPIDMode1 || option.mode == SetSPIDMode2) {
            int ctrl = GetCtrlName(cmdLine, "-Ctrl");
            if (ctrl == -1) {
                WarningBox(nullptr, 1007, nullptr);
                return NoMode;
            }
            if (g_ControllerList) g_ControllerList->AktController = ctrl;
        }
        return option.mode;
    }
    if (!IsBlank(cmdLine)) ShowCmdLineError(cmdLine);
    return NoMode;
}
