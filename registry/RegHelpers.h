// Logged registry helpers and their two cached key objects.
#pragma once

int CloseReadKey();
int CloseWriteKey();
