// Installation steps called by the finish of a run.
#pragma once

int CopyInfFile();
int SettleRegistry(int afterDeletion);
int WbCorrectSomeEntries();
int DeleteServices();
int RemoveLastControllerKey();
int WriteUninstallList(bool last);
int ServiceGetState(const char *serviceName);
int GetServiceLastError();
void PumpMessages(unsigned milliseconds, bool remove);
