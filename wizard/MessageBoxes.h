// Message boxes of the wizard: caption and texts from the string table.
#pragma once
#include <windows.h>

// A null text means the text of the StringId.
void WarningBox(HWND owner, unsigned id, const char *text);
void WarningBoxPrefixed(HWND owner, unsigned id, const char *text);
int QuestionBox(HWND owner, unsigned id, const char *text);
