// The player's own texts that are computed, window-free, in the current
// language and in UTF-8.
#pragma once

#include <cstddef>
#include <string>

#include "session_format/SessionFile.h"

// What the list shows for a session: its title in the current language,
// else its title in the other, else the name of its file.
std::string ListedTitle(const Session& session, const std::string& fileName);

// After the description of an .sbg file whose loud tone-sets were scaled
// down: "; 2 tone-sets scaled down to 100 %"; "" for none.
std::string ScaledToneSetsNote(size_t count);
