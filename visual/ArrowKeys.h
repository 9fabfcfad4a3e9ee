// The frequency steps of the arrow keys in the full-screen window, in
// hundredths of a hertz; none leaves 10..5000.
#pragma once

#include <cstdint>

uint32_t FrequencyAfterRight(uint32_t frequency);  // 0.01 Hz up
uint32_t FrequencyAfterLeft(uint32_t frequency);   // 0.01 Hz down
uint32_t FrequencyAfterUp(uint32_t frequency);     // 1 Hz up
uint32_t FrequencyAfterDown(uint32_t frequency);   // 1 Hz down
