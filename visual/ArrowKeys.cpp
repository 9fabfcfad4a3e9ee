#include "visual/ArrowKeys.h"

uint32_t FrequencyAfterRight(uint32_t frequency) {
  return frequency == 5000 ? frequency : frequency + 1;
}

uint32_t FrequencyAfterLeft(uint32_t frequency) {
  return frequency == 10 ? frequency : frequency - 1;
}

uint32_t FrequencyAfterUp(uint32_t frequency) {
  return frequency >= 4900 ? 5000 : frequency + 100;
}

uint32_t FrequencyAfterDown(uint32_t frequency) {
  return frequency <= 110 ? 10 : frequency - 100;
}
