// The command line: program mode options and the controller number.
#pragma once

enum { CmdLineSize = 256 }; // at most 255 characters are read

int GetProgramMode(char *cmdLine);
int GetCtrlName(char *cmdLine, const char *option);
// Copies a command line into a CmdLineSize buffer; longer lines are cut.
void CopyCommandLine(char *dst, const char *src);
