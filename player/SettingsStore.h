// The player's settings in the registry, under
// HKEY_CURRENT_USER\Software\Tessovant\Player: read once at start, and each
// written when it changes. A failure to read gives the defaults; a failure
// to write changes nothing the user sees.
#pragma once

#include "player/PlayerSettings.h"

PlayerSettings ReadPlayerSettings();

void StoreSetting(const char* name, const StoredValue& value);
