#include "language/FormatFrequency.h"

#include <cstring>

void FormatFrequency(uint32_t frequency, char* text) {
  std::memset(text, 0, ReadoutBufferSize);
  int position = 0;
  uint32_t remainder = frequency;
  for (double place = 1000.0; place >= 1.0;) {
    const uint32_t digit = remainder / static_cast<uint32_t>(place);
    if (digit != 0 || place != 1000.0) {
      remainder = static_cast<uint32_t>(remainder - digit * place);
      text[position++] = static_cast<char>('0' + digit);
    }
    place = place / 10.0;
    if (place == 10.0) text[position++] = ',';
  }
}
