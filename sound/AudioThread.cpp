#include "sound/AudioThread.h"

#include "sound/DeviceWatch.h"
#include "sound/FillAudioBlock.h"
#include "sound/SessionClock.h"
#include "sound/StreamClock.h"

namespace {

// Without a device the worker looks at the stop signal and at a pause at
// least this often; with one, as often as the stream's clock asks
// (StreamSliceMs).
const DWORD WaitSliceMs = 100;
// After the stop signal, how long a completion may still take: the block
// that is playing, plus a margin. A device that stays silent longer than
// this has stopped answering.
const DWORD StopGraceMs = 500;
// While the exposure runs, a device that has finished no block for this long,
// and for a session has not played on either, has stopped playing (a frozen
// sound server, a headset pulled out): it is given up and the default device
// opened anew. A device whose position moves plays, however late its
// notifications come on a busy machine (DeviceWatch).
const DWORD SilentDeviceMs = 2000;
// A new stream, or one that ran dry, may take longer to start: a sound server
// buffers before it plays (measured up to 2.2 s under Wine with PulseAudio on
// a busy machine).
const DWORD FirstCompletionMs = 5000;
// Between two attempts to open a device, after one was given up or refused.
const DWORD ReopenIntervalMs = 1000;

enum class DeviceAnswer { Notified, Silent, Stopped };

// True while the worker's own exposure runs. running is read first, in the
// order that makes the number a Start stored before it visible here, so a
// worker that outlived its exposure never takes a later one for its own.
bool Plays(uint32_t exposure) {
  return ExposureState.running.load() == 1 && LoadField(ExposureState.exposureNumber) == exposure;
}

WAVEFORMATEX OutputFormat() {
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 2;
  format.nSamplesPerSec = FramesPerSecond;
  format.nAvgBytesPerSec = FramesPerSecond * sizeof(StereoFrame);
  format.nBlockAlign = sizeof(StereoFrame);
  format.wBitsPerSample = 16;
  format.cbSize = 0;
  return format;
}

// Fresh memory: the flags start at zero, as preparing a header requires.
void DescribeBlocks(WaveOutOpening& opening) {
  for (int block = 0; block < 2; block++) {
    opening.blockHeaders[block].lpData =
        reinterpret_cast<LPSTR>(opening.SampleBuffer + FramesPerBlock * block);
    opening.blockHeaders[block].dwBufferLength = FramesPerBlock * sizeof(StereoFrame);
    opening.blockHeaders[block].dwLoops = 1;
  }
}

// The device has played the block and handed its header back; it writes the
// flags from its own thread.
bool Finished(const WaveOutOpening& opening, int block) {
  const volatile DWORD& flags = opening.blockHeaders[block].dwFlags;
  return (flags & WHDR_DONE) != 0;
}

// A block queued and finished waits to be refilled, whether or not its
// notification has come: the flag is the device's own word on it.
bool RefillDue(const WaveOutOpening& opening) {
  return (opening.queued[0] && Finished(opening, 0)) || (opening.queued[1] && Finished(opening, 1));
}

// Waits for the device's next notification, in slices, so that a stop, a
// pause, the device's position and a finished block are seen within one.
// Once the stop signal is seen, the playing block may still finish within the
// grace period (none is playing while paused); while the exposure runs, a
// device silent for silentLimitMs, not counting a pause, is reported as such
// (the watch, which a notification starts anew, goes on across the calls
// that a finished block ends without one); after a pause a device may hand
// its blocks back as much later as it was paused (seen under Wine, which
// plays on all the while). Time is counted in slices waited, so that a
// worker held up by a busy machine does not take its own delay for the
// device's silence.
DeviceAnswer WaitForDevice(const WaveOutOpening& opening, StreamClock& clock, DeviceWatch& watch,
                           DWORD silentLimitMs) {
  DWORD waitedSinceStop = 0;
  for (;;) {
    const DWORD sliceMs = StreamSliceMs(clock);
    const bool notified = WaitForSingleObject(opening.deviceEvent, sliceMs) == WAIT_OBJECT_0;
    if (Plays(clock.exposure)) FollowPause(clock, opening.waveDevice);
    const bool playedOn = ReportPosition(clock, opening.waveDevice);
    if (notified) {
      watch = DeviceWatch{0, 0};
      return DeviceAnswer::Notified;
    }
    if (Plays(clock.exposure)) {
      if (clock.paused) clock.pausedMs += sliceMs;
      if (!clock.paused) NoteSilentSlice(watch, sliceMs, playedOn);
      if (DeviceStandsStill(watch, silentLimitMs + clock.pausedMs, clock.clocked))
        return DeviceAnswer::Silent;
      if (RefillDue(opening)) return DeviceAnswer::Notified;
      continue;
    }
    if (RefillDue(opening)) return DeviceAnswer::Notified;
    waitedSinceStop += sliceMs;
    if (clock.paused || waitedSinceStop >= StopGraceMs) return DeviceAnswer::Stopped;
  }
}

// The program ends the exposure on the user-interface thread, which owns the
// full-screen window and the cursor.
void AnnounceSessionEnd(const AudioWork& work) {
  PostMessageA(work.window, SessionPlayedOutMessage, work.exposure, 0);
}

bool QueueBlock(WaveOutOpening& opening, int block) {
  opening.queued[block] = BlocksLeft(*opening.stream);
  return !opening.queued[block] || FillAudioBlock(opening, block);
}

// Refills and queues every block that the device has finished, the older
// first. One wake-up may stand for both: settings of the auto-reset event
// merge when the worker has fallen more than a block behind. False when the
// device refused a block.
bool RefillFinishedBlocks(WaveOutOpening& opening, int& olderBlock, uint32_t exposure) {
  while (Plays(exposure) && opening.queued[olderBlock] && Finished(opening, olderBlock)) {
    if (!QueueBlock(opening, olderBlock)) return false;
    olderBlock = 1 - olderBlock;
  }
  return true;
}

// Nothing of the session left to queue, and the device has handed back
// every block it was given.
bool PlayedOut(const WaveOutOpening& opening) {
  return !BlocksLeft(*opening.stream) && (!opening.queued[0] || Finished(opening, 0)) &&
         (!opening.queued[1] || Finished(opening, 1));
}

// Keeps both blocks queued while the exposure runs, or until a session's
// last block has played. False when the device is given up: it refused a
// block, or it has finished none for SilentDeviceMs (FirstCompletionMs for
// its first, and for the first after it ran dry) and, for a session, not
// played on either. playedOut tells that a
// session has been heard to its last frame.
bool Stream(WaveOutOpening& opening, StreamClock& clock, bool& playedOut) {
  const uint32_t exposure = clock.exposure;
  // The open notification.
  DeviceWatch watch = {0, 0};
  if (WaitForDevice(opening, clock, watch, FirstCompletionMs) == DeviceAnswer::Silent) return false;
  SetStreamStart(clock, opening.stream->nextBlock * FramesPerBlock);
  for (int block = 0; block < 2; block++) {
    if (Plays(exposure) && !QueueBlock(opening, block)) return false;
  }
  int olderBlock = 0;
  DWORD silentLimitMs = FirstCompletionMs;
  while (Plays(exposure) && !PlayedOut(opening)) {
    const DeviceAnswer answer = WaitForDevice(opening, clock, watch, silentLimitMs);
    if (answer == DeviceAnswer::Silent) return false;
    if (answer == DeviceAnswer::Stopped) return true;
    // A device that has run dry (the worker was held up) starts again as a
    // new stream does.
    const bool first = Finished(opening, 0), second = Finished(opening, 1);
    if (first || second) silentLimitMs = first && second ? FirstCompletionMs : SilentDeviceMs;
    if (!RefillFinishedBlocks(opening, olderBlock, exposure)) return false;
  }
  playedOut = Plays(exposure) && PlayedOut(opening);
  return true;
}

bool Succeeded(MMRESULT result) { return result == MMSYSERR_NOERROR; }

void FreeOpening(WaveOutOpening* opening) {
  CloseHandle(opening->deviceEvent);
  HeapFree(GetProcessHeap(), 0, opening);
}

// Stops and releases the device. Its memory is freed only when the device
// has let go of all of it; otherwise it stays with that device for good.
void CloseDevice(WaveOutOpening* opening) {
  const HWAVEOUT device = opening->waveDevice;
  WAVEHDR* headers = opening->blockHeaders;
  const bool reset = Succeeded(waveOutReset(device));
  const bool first = Succeeded(waveOutUnprepareHeader(device, &headers[0], sizeof(WAVEHDR)));
  const bool second = Succeeded(waveOutUnprepareHeader(device, &headers[1], sizeof(WAVEHDR)));
  const bool closed = Succeeded(waveOutClose(device));
  if (reset && first && second && closed) FreeOpening(opening);
}

// Opens the default device into memory of its own, with both headers
// prepared; null when that fails (no device, no audio server, format refused).
WaveOutOpening* OpenDevice() {
  WaveOutOpening* opening = static_cast<WaveOutOpening*>(
      HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(WaveOutOpening)));
  if (!opening) return nullptr;
  DescribeBlocks(*opening);
  // Without its event the worker could never learn that a block has played.
  opening->deviceEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (!opening->deviceEvent) {
    HeapFree(GetProcessHeap(), 0, opening);
    return nullptr;
  }
  WAVEFORMATEX format = OutputFormat();
  const DWORD_PTR event = reinterpret_cast<DWORD_PTR>(opening->deviceEvent);
  if (!Succeeded(waveOutOpen(&opening->waveDevice, WAVE_MAPPER, &format, event, 0, CALLBACK_EVENT))) {
    FreeOpening(opening);
    return nullptr;
  }
  const HWAVEOUT device = opening->waveDevice;
  WAVEHDR* headers = opening->blockHeaders;
  const bool first = Succeeded(waveOutPrepareHeader(device, &headers[0], sizeof(WAVEHDR)));
  const bool second = Succeeded(waveOutPrepareHeader(device, &headers[1], sizeof(WAVEHDR)));
  if (first && second) return opening;
  CloseDevice(opening);
  return nullptr;
}

// A session ends once it has been heard to its end, or, while no device
// plays it, once its clock has passed its length.
bool SessionOver(const WorkerStream& stream, bool playedOut) {
  const Session* session = stream.sound.session;
  SoundPosition latest;
  return session != nullptr &&
         (playedOut || (LatestSoundPosition(stream.exposure, latest) &&
                        FrameAt(latest, timeGetTime()) >= SessionFrames(*session)));
}

// Waits about a second before the next attempt to open a device, looking at
// the stop signal every slice; a session's clock goes on meanwhile.
void WaitBeforeReopening(const WorkerStream& stream) {
  for (DWORD waited = 0;
       waited < ReopenIntervalMs && Plays(stream.exposure) && !SessionOver(stream, false);
       waited += WaitSliceMs) {
    if (stream.sound.session != nullptr) KeepClockWithoutDevice(stream.exposure);
    Sleep(WaitSliceMs);
  }
}

// Where the sound goes on when a device opens after an outage; the one place
// that chooses it. One frequency goes on with the next block, samplePosition
// and the generator continuing as if the lost blocks had been heard. A
// session goes on at the block its clock has reached, so that its sound stays
// with its light and ends on time.
void ResumeAfterOutage(WorkerStream& stream) {
  if (stream.sound.session == nullptr) return;
  SoundPosition latest;
  const uint64_t clockFrame =
      LatestSoundPosition(stream.exposure, latest) ? FrameAt(latest, timeGetTime()) : 0;
  const uint64_t clockBlock = clockFrame / FramesPerBlock;
  if (clockBlock > stream.nextBlock) stream.nextBlock = clockBlock;
}

// Until its exposure ends: opens a device and streams on it; a device that
// cannot be opened or that is given up is followed by another about a second
// later. The stream, on this worker's stack, holds its exposure's session,
// noise and music, whatever exposure follows.
void PlayExposure(const AudioWork& work) {
  WorkerStream stream;
  StartWorkerStream(stream, work.exposure, work.session.get());
  const bool session = work.session != nullptr;
  bool playedOut = false;
  for (bool firstOpening = true; Plays(work.exposure) && !SessionOver(stream, playedOut);
       firstOpening = false) {
    if (!firstOpening) {
      WaitBeforeReopening(stream);
      if (!Plays(work.exposure)) break;
      ResumeAfterOutage(stream);
    }
    WaveOutOpening* opening = OpenDevice();
    if (!opening) {
      if (session) KeepClockWithoutDevice(work.exposure);
      continue;
    }
    opening->stream = &stream;
    StreamClock clock = NewStreamClock(work.exposure, session);
    Stream(*opening, clock, playedOut);
    // Told before the device is closed, which may take a while.
    if (playedOut) AnnounceSessionEnd(work);
    CloseDevice(opening);
  }
  EndSessionSound(stream.sound);
  // Without sound, the session's length has passed.
  if (session && Plays(work.exposure) && !playedOut) AnnounceSessionEnd(work);
}

}  // namespace

// The work is freed before ExitThread, which runs no destructors.
DWORD WINAPI AudioThread(LPVOID work) {
  AudioWork* given = static_cast<AudioWork*>(work);
  PlayExposure(*given);
  delete given;
  ExitThread(0);
}

HANDLE StartAudioThread(uint32_t exposure, std::shared_ptr<const Session> session, HWND window) {
  AudioWork* work = new AudioWork{exposure, std::move(session), window};
  HANDLE thread = CreateThread(nullptr, 0, AudioThread, work, 0, nullptr);
  if (thread == nullptr) delete work;
  return thread;
}
