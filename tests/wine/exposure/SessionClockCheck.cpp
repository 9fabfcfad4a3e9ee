// Catches a session's light shown before its sound is heard, shown long
// after, or drifting from it: a slide whose every block has its own
// frequency plays through the real exposure control and both workers; the
// device's answers to waveOutGetPosition and the fills of the window are
// watched through the import slots, and the block the light shows is read
// back from the frequency of the tick's moment.
//   session_clock_check PLAY_MS
// prints first_position_ms= first_light_ms= largest_drift_blocks= readings=
// (milliseconds after Start) and exits 1 when a check fails.
#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "exposure/control/Countdown.h"
#include "exposure/control/ExposureControl.h"
#include "exposure/control/ExposureSeam.h"
#include "exposure/ExposureState.h"
#include "session_format/SessionReader.h"
#include "session_format/SessionSchedule.h"
#include "tests/wine/shared/ImportSlots.h"
#include "visual/window/StimulationWindow.h"
#include "visual/VisualState.h"

namespace {

// Slides whose blocks all differ: 0.10 Hz more a block at least.
const char* const LongSlide = "10m 1 1 50\n";
std::shared_ptr<Session> session = std::make_shared<Session>();
std::map<uint32_t, uint32_t> blockOfFrequency;
uint32_t startMs;
std::atomic<uint32_t> firstPositionMs{0}, firstLightMs{0}, largestDrift{0}, readings{0};

decltype(&waveOutGetPosition) deviceGetPosition;
decltype(&PatBlt) gdiPatBlt;

uint32_t SinceStart() { return timeGetTime() - startMs + 1; }  // 0 stays "not yet"

MMRESULT WINAPI WatchedGetPosition(HWAVEOUT device, LPMMTIME time, UINT size) {
  const MMRESULT result = deviceGetPosition(device, time, size);
  if (result != MMSYSERR_NOERROR) return result;
  const uint32_t frames = time->wType == TIME_BYTES ? time->u.cb / 4 : time->u.sample;
  if (frames == 0) return result;
  if (firstPositionMs == 0) firstPositionMs = SinceStart();
  // The sound's block against the light's, once the light shows.
  const auto shown = blockOfFrequency.find(LoadField(VisualState.moment.frequency));
  if (firstLightMs == 0 || shown == blockOfFrequency.end()) return result;
  const uint32_t heard = frames / 11025;
  const uint32_t drift = heard > shown->second ? heard - shown->second : shown->second - heard;
  if (drift > largestDrift) largestDrift = drift;
  readings++;
  return result;
}

BOOL WINAPI WatchedPatBlt(HDC dc, int x, int y, int width, int height, DWORD operation) {
  LOGBRUSH brush = {};
  if (firstLightMs == 0 && dc == VisualState.windowDc &&
      GetObjectA(GetCurrentObject(dc, OBJ_BRUSH), sizeof brush, &brush) && brush.lbColor != 0)
    firstLightMs = SinceStart();
  return gdiPatBlt(dc, x, y, width, height, operation);
}

void PumpFor(DWORD ms) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(5)) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
}

}  // namespace

// This program's own answers to the exposure code: it plays the slide in the
// discrete strobe, which is white from its first tick.
void CopyExposureSettings() {
  StoreField(ExposureState.visualMode, VisualMode::DiscreteStrobe);
  SetDuration(0);
}
void FocusForExposure() {}
void ShowExposureRunning(bool) {}
void ShowFrequencyFromKeys(uint32_t) {}
void PauseFromKeys() {}

int main(int argc, char** argv) {
  const DWORD playMs = argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 6000;
  SessionError error;
  if (!ParseSession(LongSlide, "slide", *session, error)) return 1;
  for (uint32_t k = 0; k < SessionBlocks(*session); k++)
    blockOfFrequency[ScheduleBlock(*session, k).frequency] = k;
  deviceGetPosition = ReplaceImport("winmm.dll", "waveOutGetPosition", &WatchedGetPosition);
  gdiPatBlt = ReplaceImport("gdi32.dll", "PatBlt", &WatchedPatBlt);
  if (!deviceGetPosition || !gdiPatBlt || blockOfFrequency.size() != SessionBlocks(*session)) {
    std::printf("FAIL: the calls watched are not imported, or the slide repeats a frequency\n");
    return 1;
  }
  ExposureState.ProgramWindow = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10,
                                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  CreateStimulationWindow(GetModuleHandleA(nullptr));
  SetProgramStartFields(LanguageEnglish);
  startMs = timeGetTime();
  StartExposure(session);
  PumpFor(playMs);
  StopExposure(true);
  PumpFor(300);
  std::printf("first_position_ms=%u first_light_ms=%u largest_drift_blocks=%u readings=%u\n",
              firstPositionMs.load(), firstLightMs.load(), largestDrift.load(), readings.load());
  const bool ordered = firstPositionMs != 0 && firstLightMs >= firstPositionMs;
  const bool soon = firstLightMs - firstPositionMs <= 50;
  std::printf("%s: the first light comes no earlier than the first frame heard\n", ordered ? "ok" : "FAIL");
  std::printf("%s: and within 50 ms of it\n", soon ? "ok" : "FAIL");
  std::printf("%s: light and sound within a block of each other\n",
              readings > 0 && largestDrift <= 1 ? "ok" : "FAIL");
  return ordered && soon && readings > 0 && largestDrift <= 1 ? 0 : 1;
}
