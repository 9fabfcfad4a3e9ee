#include "platform/DpiScale.h"

#include <cstdint>

namespace {

int MultiplyDivide(int value, int multiplier, int divisor) {
  const int64_t product = static_cast<int64_t>(value) * multiplier;
  const int64_t half = divisor / 2;
  return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

}  // namespace

int ScaledForDpi(int length, int dpi) { return MultiplyDivide(length, dpi, DefaultDpi); }

ChildPlace ScaledPlace(ChildPlace place, int dpi) {
  return {ScaledForDpi(place.x, dpi), ScaledForDpi(place.y, dpi), ScaledForDpi(place.width, dpi),
          ScaledForDpi(place.height, dpi)};
}

int FontHeightAtDpi(int height, int fromDpi, int toDpi) {
  return fromDpi <= 0 ? height : MultiplyDivide(height, toDpi, fromDpi);
}
