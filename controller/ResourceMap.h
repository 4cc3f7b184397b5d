// The NT resource map: I/O ports and interrupts already in use.
#pragma once

int QResOpen();
void QResClose();
