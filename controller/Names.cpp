#include "controller/Names.h"
#include "base/CDebugFile.h"
#include "base/TextHelpers.h"
#include "controller/CardTypeTable.h"
#include "controller/SetupContext.h"
#include <cctype>
#include <cstdio>

namespace {
const char *BaseName(int type)
{
    const CardTypeTable *table = SetupCardTypeTable();
    return table ? table->GetBaseName(type) : "";
}

// "." and the driver extension text of the setup.ini Driver kind, lower case;
// empty when Driver is not set.
void DriverExtension(char *buffer, size_t size)
{
    buffer[0] = '\0';
    int kind = SetupDriverKind();
    unsigned id = kind == 1 ? 1044 : (kind == 2 || kind == 3) ? 1045 : 0;
    if (id == 0) return;
    std::snprintf(buffer, size, ".%s", SetupText(id));
    for (char *p = buffer; *p; ++p) *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
}
} // namespace

const char *FirmwareFileName(int cardType, int protocol)
{
    bool usa = protocol == 3 || protocol == 5;
    switch (cardType) {
    case 64: return "w3.t4";
    case 65: return usa ? "w5.t4" : protocol == 6 ? "w5tr6.t4" : protocol == 7 ? "w5gsm.t4" : "w5.t4";
    case 80:
    case 81: return usa ? "j2usa.t4" : protocol == 6 ? "j2tr6.t4" : "j2.t4";
    default: return usa ? "p7usa.t4" : protocol == 6 ? "p7tr6.t4" : "p7.t4";
    }
}

const char *ProtocolFileName(int cardType, int protocol)
{
    static char s_file[TextSize255];
    const CardTypeTable *table = SetupCardTypeTable();
    if (table && table->IsActive(cardType)) {
        SafeCopy(s_file, FirmwareFileName(cardType, protocol), sizeof s_file);
        return s_file;
    }
    char extension[TextSize255];
    if (protocol == 3 || protocol == 5)
        SafeCopy(extension, ".usa", sizeof extension);
    else if (protocol == 6)
        SafeCopy(extension, ".tr6", sizeof extension);
    else
        DriverExtension(extension, sizeof extension);
    std::snprintf(s_file, sizeof s_file, "%s%s", BaseName(cardType), extension);
    return s_file;
}

const char *DriverFileName(int cardType, int driverKind)
{
    static char s_file[TextSize255];
    if (driverKind == 0) driverKind = SetupDriverKind();
    const char *extension = "";
    if (SetupIsWin9x()) {
        extension = driverKind == 1 ? ".vxd" : driverKind == 3 ? ".sys" : "";
    } else if (SetupIsWinNT()) {
        extension = ".sys";
    } else {
        Log().WriteLine("GetDriverNameWith Unknown OS");
    }
    std::snprintf(s_file, sizeof s_file, "%s%s", BaseName(cardType), extension);
    return s_file;
}

const char *ControllerName(int cardType)
{
    static char s_name[TextSize255];
    const char *mainText = SetupMainText();
    if (!IsBlank(mainText)) {
        SafeCopy(s_name, mainText, sizeof s_name);
        return s_name;
    }
    const CardTypeTable *table = SetupCardTypeTable();
    const char *display = table ? table->GetDisplayName(cardType) : "";
    if (table && table->IsComPort(cardType)) {
        SafeCopy(s_name, display, sizeof s_name);
        return s_name;
    }
    bool mobile = table && table->IsMobile(cardType);
    std::snprintf(s_name, sizeof s_name, "%s%s ISDN-Controller %s", SetupText(2020),
                  mobile ? " Mobile" : "", display);
    return s_name;
}

const char *GetSetupText(unsigned id)
{
    const CardTypeTable *table = SetupCardTypeTable();
    int type = SetupCardType();
    if (id == SetupTextTestProgram) return table ? table->GetTestProgram(type) : "";
    if (id == SetupTextReadme) {
        bool write = SetupIsWinNT() && table && table->UseWriteReadme(type) && !SetupHasAddInfo10();
        return write ? "readme.wri" : "readme.doc";
    }
    return SetupText(id);
}
