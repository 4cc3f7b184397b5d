// Start-up checks for old installations and foreign drivers.
#pragma once

bool CheckForOldVersions();
bool CheckDriver();
