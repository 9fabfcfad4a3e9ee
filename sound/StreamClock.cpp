#include "sound/StreamClock.h"

#include "exposure/ExposureState.h"

namespace {

// Until the device has played a frame, its position is asked for this often.
const DWORD FirstFrameSliceMs = 10;
// Then at every wake-up, at least this often; also how soon a pause is heard.
const DWORD StreamingSliceMs = 50;

bool WantsPause() { return LoadField(ExposureState.paused) == 1; }

// The device's count in frames, or in bytes where a driver will only give those.
bool ReadDeviceCount(HWAVEOUT device, uint32_t& reported, bool& inBytes) {
  MMTIME time = {};
  time.wType = TIME_SAMPLES;
  if (waveOutGetPosition(device, &time, sizeof time) != MMSYSERR_NOERROR) return false;
  inBytes = time.wType == TIME_BYTES;
  if (time.wType != TIME_SAMPLES && !inBytes) return false;
  reported = inBytes ? time.u.cb : time.u.sample;
  return true;
}

}  // namespace

StreamClock NewStreamClock(uint32_t exposure, bool clocked) {
  StreamClock clock = {};
  clock.exposure = exposure;
  clock.clocked = clocked;
  return clock;
}

void SetStreamStart(StreamClock& clock, uint64_t firstFrame) { clock.firstFrame = firstFrame; }

DWORD StreamSliceMs(const StreamClock& clock) {
  return clock.clocked && !clock.heard ? FirstFrameSliceMs : StreamingSliceMs;
}

void FollowPause(StreamClock& clock, HWAVEOUT device) {
  if (WantsPause() == clock.paused) return;
  const MMRESULT result = clock.paused ? waveOutRestart(device) : waveOutPause(device);
  if (result == MMSYSERR_NOERROR) clock.paused = !clock.paused;
}

bool ReportPosition(StreamClock& clock, HWAVEOUT device) {
  uint32_t reported = 0;
  bool inBytes = false;
  if (!clock.clocked || !ReadDeviceCount(device, reported, inBytes)) return false;
  const uint32_t readingMs = timeGetTime();
  const uint64_t played = FramesPlayed(clock.count, reported, inBytes);
  const bool moved = played > clock.played;
  clock.played = played;
  if (played > 0) clock.heard = true;
  if (!clock.heard) return moved;
  PublishSoundPosition({clock.exposure, clock.firstFrame + played, readingMs, !clock.paused});
  return moved;
}

void KeepClockWithoutDevice(uint32_t exposure) {
  const bool advancing = !WantsPause();
  const uint32_t nowMs = timeGetTime();
  SoundPosition latest;
  if (!LatestSoundPosition(exposure, latest))
    PublishSoundPosition({exposure, 0, nowMs, advancing});
  else if (latest.advancing != advancing)
    PublishSoundPosition({exposure, FrameAt(latest, nowMs), nowMs, advancing});
}
