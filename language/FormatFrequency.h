// The read-out text of a frequency in hundredths of a hertz: "7,80".
#pragma once

#include <cstdint>

constexpr int ReadoutBufferSize = 6;  // at most five characters and the zero

// Writes the text into text[ReadoutBufferSize]: a decimal comma whatever the
// locale, exactly two decimals, the tens digit only when it is not 0.
void FormatFrequency(uint32_t frequency, char* text);
