#include "tests/wine/sound/WaveOutWatch.h"

#include <algorithm>
#include <atomic>

#include "exposure/ExposureState.h"
#include "tests/wine/shared/ImportSlots.h"

namespace {

decltype(&waveOutOpen) winmmOpen;
decltype(&waveOutWrite) winmmWrite;
decltype(&waveOutPrepareHeader) winmmPrepare;

std::vector<int> refusedOpens;
std::atomic<int> refusedWrite{0}, heldWrite{0}, openCalls{0}, opened{0}, writeCalls{0}, writesAfterRelease{0};
std::atomic<int> preparedCount{0};
std::atomic<const WAVEHDR*> prepared[2];
std::atomic<uint32_t> resumedBlock{0};
std::atomic<DWORD> heldThread{0}, recordedThread{0};
HANDLE heldEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
HANDLE releaseEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
std::vector<std::vector<StereoFrame>> recorded;
std::atomic<DWORD> delayFromMs{0}, delayForMs{0};
std::atomic<int> noticesHeld{0};

// Between a device's own event and the worker's: hands each notification
// on, but holds those of the delay's window back to its end.
struct NoticeRelay {
  HANDLE fromDevice;
  HANDLE toWorker;
  DWORD openedAt;
};

DWORD WINAPI RelayNotices(LPVOID given) {
  const NoticeRelay relay = *static_cast<NoticeRelay*>(given);
  delete static_cast<NoticeRelay*>(given);
  bool pending = false;
  for (;;) {
    const bool notice = WaitForSingleObject(relay.fromDevice, 10) == WAIT_OBJECT_0;
    const DWORD since = GetTickCount() - relay.openedAt;
    const bool holding = since >= delayFromMs && since < delayFromMs + delayForMs;
    if (notice && holding) noticesHeld++;
    pending = pending || notice;
    if (pending && !holding) {
      SetEvent(relay.toWorker);
      pending = false;
    }
  }
}

// The device is given the relay's event in place of the worker's.
DWORD_PTR RelayedCallback(DWORD_PTR callback, DWORD flags) {
  if (delayForMs == 0 || (flags & CALLBACK_TYPEMASK) != CALLBACK_EVENT) return callback;
  NoticeRelay* relay = new NoticeRelay{CreateEventA(nullptr, FALSE, FALSE, nullptr),
                                       reinterpret_cast<HANDLE>(callback), GetTickCount()};
  const DWORD_PTR fromDevice = reinterpret_cast<DWORD_PTR>(relay->fromDevice);
  CloseHandle(CreateThread(nullptr, 0, RelayNotices, relay, 0, nullptr));
  return fromDevice;
}

MMRESULT WINAPI WatchedOpen(LPHWAVEOUT device, UINT id, LPCWAVEFORMATEX format, DWORD_PTR callback,
                            DWORD_PTR instance, DWORD flags) {
  const int call = ++openCalls;
  if (std::count(refusedOpens.begin(), refusedOpens.end(), call)) return MMSYSERR_NODRIVER;
  const MMRESULT result =
      winmmOpen(device, id, format, RelayedCallback(callback, flags), instance, flags);
  if (result != MMSYSERR_NOERROR) return result;
  opened++;
  resumedBlock = ExposureState.samplePosition / FramesPerBlock;
  return result;
}

MMRESULT WINAPI WatchedPrepare(HWAVEOUT device, LPWAVEHDR header, UINT size) {
  prepared[preparedCount++ % 2] = header;
  return winmmPrepare(device, header, size);
}

MMRESULT WINAPI WatchedWrite(HWAVEOUT device, LPWAVEHDR header, UINT size) {
  const int call = ++writeCalls;
  const DWORD thread = GetCurrentThreadId();
  if (thread == heldThread) writesAfterRelease++;  // it is held inside its held call
  const StereoFrame* frames = reinterpret_cast<const StereoFrame*>(header->lpData);
  if (thread == recordedThread) recorded.emplace_back(frames, frames + FramesPerBlock);
  if (call == refusedWrite) return MMSYSERR_ERROR;
  if (call == heldWrite) {
    heldThread = thread;
    SetEvent(heldEvent);
    WaitForSingleObject(releaseEvent, INFINITE);
  }
  return winmmWrite(device, header, size);
}

}  // namespace

bool WatchWaveOut() {
  winmmOpen = ReplaceImport("winmm.dll", "waveOutOpen", &WatchedOpen);
  winmmWrite = ReplaceImport("winmm.dll", "waveOutWrite", &WatchedWrite);
  winmmPrepare = ReplaceImport("winmm.dll", "waveOutPrepareHeader", &WatchedPrepare);
  return winmmOpen && winmmWrite && winmmPrepare;
}

void RefuseOpens(std::vector<int> calls) { refusedOpens = calls; }
void DelayNotices(DWORD fromMs, DWORD forMs) {
  delayFromMs = fromMs;
  delayForMs = forMs;
}
int NoticesHeld() { return noticesHeld; }
void RefuseWrite(int call) { refusedWrite = call; }
void HoldWrite(int call) { heldWrite = call; }
bool WaitUntilWriteHeld(DWORD limitMs) { return WaitForSingleObject(heldEvent, limitMs) == WAIT_OBJECT_0; }

void ReleaseHeldWrite() { SetEvent(releaseEvent); }

WaveOutCount CountWaveOut() { return {opened, resumedBlock, writesAfterRelease}; }

void RecordBlocksOf(DWORD threadId) { recordedThread = threadId; }
const std::vector<std::vector<StereoFrame>>& RecordedBlocks() { return recorded; }

const WAVEHDR* PreparedHeader(int block) {
  return preparedCount < 2 ? nullptr : prepared[(preparedCount - 2 + block) % 2].load();
}
