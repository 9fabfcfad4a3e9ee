#include "sound/DeviceWatch.h"

void NoteSilentSlice(DeviceWatch& watch, uint32_t sliceMs, bool positionMoved) {
  watch.sinceNoticeMs += sliceMs;
  watch.sinceProgressMs = positionMoved ? 0 : watch.sinceProgressMs + sliceMs;
}

bool DeviceStandsStill(const DeviceWatch& watch, uint32_t limitMs, bool readsPosition) {
  return watch.sinceNoticeMs >= limitMs && (!readsPosition || watch.sinceProgressMs >= limitMs);
}
