// The words a segment line may end with: volume, noise, light, brightness
// and colour.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "session_format/SessionFile.h"

// The fields from `first` on: volume, noise, light, brightness and colour,
// in any order, each at most once.
bool ParseSegmentWords(const std::vector<std::string>& fields, size_t first,
                       SessionSegment& segment, SessionError& error);

// The words of the colour names: white, red, green, blue, amber, violet.
bool NamedColour(const std::string& name, uint32_t& colour);
