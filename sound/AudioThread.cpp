#include "sound/AudioThread.h"

#include "exposure/ExposureSeam.h"
#include "exposure/SessionClock.h"
#include "sound/FillAudioBlock.h"

namespace {

const DWORD WaitSliceMs = 100;
// After the stop signal, how long a completion may still take: the block
// that is playing, plus a margin. A device that stays silent longer than
// this has stopped answering.
const DWORD StopGraceMs = 500;

bool IsRunning() { return LoadField(ExposureState.running) == 1; }

// Headers written to the device and not yet handed back. A session's last
// block may leave the other header unwritten.
bool queued[2];

// The program ends the exposure on the user-interface thread, which owns the
// full-screen window and the cursor.
void AnnounceSessionPlayedOut() {
  PostMessageA(ExposureState.ControlPanel, SessionPlayedOutMessage, 0, 0);
}

bool SessionTimeHasPassed() {
  const Session* session = LoadField(ExposureState.session);
  if (session == nullptr) return false;
  const uint32_t elapsedMs = timeGetTime() - LoadField(ExposureState.startTimeMs);
  return elapsedMs >= SessionLengthMs(*session);
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

// The flags start at zero, as preparing a header requires; the previous
// exposure's device has left its own there.
void DescribeBlocks() {
  for (int block = 0; block < 2; block++) {
    blockHeaders[block].lpData = reinterpret_cast<LPSTR>(SampleBuffer + FramesPerBlock * block);
    blockHeaders[block].dwBufferLength = FramesPerBlock * sizeof(StereoFrame);
    blockHeaders[block].dwFlags = 0;
    blockHeaders[block].dwLoops = 1;
  }
}

// Waits for the device's next notification. While the exposure runs this is
// an unbounded wait in slices; once the stop signal is seen, a device that
// does not answer within the grace period is given up on, so that the worker
// always ends and a following Start is never held up.
void WaitForDevice(HANDLE deviceEvent) {
  DWORD waitedSinceStop = 0;
  while (WaitForSingleObject(deviceEvent, WaitSliceMs) == WAIT_TIMEOUT) {
    if (IsRunning()) continue;
    waitedSinceStop += WaitSliceMs;
    if (waitedSinceStop >= StopGraceMs) return;
  }
}

// Without sound a session still ends on time: once its length has passed.
void WaitUntilStopped() {
  bool announced = false;
  while (IsRunning()) {
    if (!announced && SessionTimeHasPassed()) {
      AnnounceSessionPlayedOut();
      announced = true;
    }
    Sleep(WaitSliceMs);
  }
}

bool OpenDevice(WAVEFORMATEX* format, HANDLE deviceEvent) {
  return waveOutOpen(&waveDevice, WAVE_MAPPER, format, reinterpret_cast<DWORD_PTR>(deviceEvent), 0,
                     CALLBACK_EVENT) == MMSYSERR_NOERROR;
}

bool PrepareBlocks() {
  const bool first = waveOutPrepareHeader(waveDevice, &blockHeaders[0], sizeof(WAVEHDR)) == MMSYSERR_NOERROR;
  const bool second = waveOutPrepareHeader(waveDevice, &blockHeaders[1], sizeof(WAVEHDR)) == MMSYSERR_NOERROR;
  return first && second;
}

// The device has played the block and handed its header back; it writes the
// flags from its own thread.
bool Finished(int block) {
  return (*static_cast<volatile DWORD*>(&blockHeaders[block].dwFlags) & WHDR_DONE) != 0;
}

bool QueueBlock(int block) {
  queued[block] = SessionBlocksLeft();
  return !queued[block] || FillAudioBlock(block);
}

// Refills and queues every block that the device has finished, the older
// first. One wake-up may stand for both: settings of the auto-reset event
// merge when the worker has fallen more than a block behind. False when the
// device refused a block.
bool RefillFinishedBlocks(int& olderBlock) {
  while (IsRunning() && queued[olderBlock] && Finished(olderBlock)) {
    if (!QueueBlock(olderBlock)) return false;
    olderBlock = 1 - olderBlock;
  }
  return true;
}

// A session has played to its last frame: nothing left to queue, and the
// device has handed back every block it was given.
bool PlayedOut() {
  return !SessionBlocksLeft() && (!queued[0] || Finished(0)) && (!queued[1] || Finished(1));
}

// Keeps both blocks queued until the stop, or until a session's last block
// has played. False when the device refused a block: it has stopped taking
// sound, and no completion will come for it.
bool Stream(HANDLE deviceEvent) {
  WaitForDevice(deviceEvent);  // the open notification
  queued[0] = queued[1] = false;
  if (!QueueBlock(0)) return false;
  if (IsRunning() && !QueueBlock(1)) return false;
  int olderBlock = 0;
  while (IsRunning() && !PlayedOut()) {
    WaitForDevice(deviceEvent);
    if (!RefillFinishedBlocks(olderBlock)) return false;
  }
  if (IsRunning()) AnnounceSessionPlayedOut();
  return true;
}

void CloseDevice() {
  waveOutReset(waveDevice);
  waveOutUnprepareHeader(waveDevice, &blockHeaders[0], sizeof(WAVEHDR));
  waveOutUnprepareHeader(waveDevice, &blockHeaders[1], sizeof(WAVEHDR));
  waveOutClose(waveDevice);
}

}  // namespace

DWORD WINAPI AudioThread(LPVOID) {
  ExposureState.samplePosition = 0;
  ExposureState.sessionBlock = 0;
  WAVEFORMATEX format = OutputFormat();
  DescribeBlocks();
  HANDLE deviceEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (OpenDevice(&format, deviceEvent)) {
    // Without both headers nothing can be queued, and a device that refuses
    // a block takes no more: the rest of the exposure is silent then.
    if (!PrepareBlocks() || !Stream(deviceEvent)) WaitUntilStopped();
    // A session that has played out waits here for the program to stop it.
    while (IsRunning()) Sleep(WaitSliceMs);
    CloseDevice();
  } else {
    // No device (no audio server, format refused): silent exposure.
    WaitUntilStopped();
  }
  CloseHandle(deviceEvent);
  ExitThread(0);
}
