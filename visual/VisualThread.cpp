#include "visual/VisualThread.h"

#include "exposure/ExposureState.h"
#include "visual/Patterns.h"
#include "visual/SessionLight.h"
#include "visual/VisualState.h"

namespace {

const DWORD PollMs = 100;
const UINT IdleResolutionMs = 100;

// The timer of the pattern shown; finePeriod the resolution it holds, 0 for
// none. timerId is 0 when no timer runs.
struct PatternTimer {
  UINT timerId;
  UINT finePeriod;
};

// Sets up the pattern, then arms its tick. The fine ticks hold the finest
// timer resolution.
PatternTimer StartPattern(VisualMode mode) {
  PreparePattern(mode);
  OpenTickGate(VisualState.tickGate);
  PatternTimer timer = {0, 0};
  const UINT periodMs = PatternTickMs(mode, VisualState.windowUp);
  if (periodMs == IdleTickMs)
    timer.timerId = StartPeriodicTimer(IdleTickMs, IdleResolutionMs, VisualTick);
  else if (periodMs != 0)
    timer.timerId = StartFinePeriodicTimer(periodMs, VisualTick, timer.finePeriod);
  return timer;
}

// No tick may still be drawing when the state or the surfaces change; wait
// for our own tick only, never for another timer's callback.
void StopPattern(const PatternTimer& timer) {
  if (timer.timerId != 0) CancelTimerAndWaitForOwnTick(timer.timerId, VisualState.tickGate);
  EndFinePeriod(timer.finePeriod);
}

// Until the tick asks for another pattern, or the poll is due. Without the
// event the poll alone finds the tick's word.
void WaitForTickOrPoll() {
  if (VisualState.patternChanged == nullptr)
    Sleep(PollMs);
  else
    WaitForSingleObject(VisualState.patternChanged, PollMs);
}

}  // namespace

void AcquireSurfaces() {
  HWND window = ExposureState.StimulationWindow;
  VisualState.windowDc = GetDC(window);
  VisualState.memoryDc = CreateCompatibleDC(VisualState.windowDc);
  GetClientRect(window, &VisualState.clientRect);
  VisualState.frameBitmap = CreateCompatibleBitmap(VisualState.windowDc, FrameWidth(), FrameHeight());
  VisualState.previousBitmap =
      static_cast<HBITMAP>(SelectObject(VisualState.memoryDc, VisualState.frameBitmap));
}

void SetUpFigures(int count, double spacing) {
  VisualState.figureCount = count;
  VisualState.spacing = spacing;
  VisualState.shift = 0.0;
  VisualState.centreX = CentreOf(FrameWidth());
  VisualState.centreY = CentreOf(FrameHeight());
}

void PreparePattern(VisualMode mode) {
  VisualState.pattern = mode;
  StoreField(VisualState.patternWanted, mode);
  StoreField(ExposureState.frameCounter, 0);
  ForgetFramesDrawn();
  if (mode == VisualMode::DiscreteStrobe) {
    VisualState.strobeValue = 0.0;
    VisualState.strobeFlag = 1;
  }
  if (mode == VisualMode::Circles) SetUpFigures(RingCount, RingSpacing(FrameWidth()));
  if (mode == VisualMode::Grid) SetUpFigures(GridStepCount, GridSpacing(FrameWidth()));
}

void ReleaseSurfaces() {
  SelectObject(VisualState.memoryDc, VisualState.previousBitmap);
  DeleteObject(VisualState.frameBitmap);
  DeleteDC(VisualState.memoryDc);
  ReleaseDC(ExposureState.StimulationWindow, VisualState.windowDc);
}


namespace {

// A change of pattern is the worker's alone: it cancels the old timer and
// waits for that timer's tick, which the user-interface thread never could
// (on Wine every timer callback shares one thread), then arms the new one.
void ShowExposure(const VisualWork& work) {
  const VisualMode chosen = LoadField(ExposureState.visualMode);
  AcquireSurfaces();
  VisualState.exposure = work.exposure;
  VisualState.session = work.session.get();
  VisualState.windowUp = ExposureShowsLight(work.session.get(), chosen);
  VisualState.patternChanged = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  PatternTimer timer = StartPattern(FirstPattern(work.session.get(), chosen));
  while (LoadField(ExposureState.running) == 1) {
    WaitForTickOrPoll();
    const VisualMode wanted = LoadField(VisualState.patternWanted);
    if (wanted == VisualState.pattern) continue;
    StopPattern(timer);
    timer = StartPattern(wanted);
  }
  StopPattern(timer);
  if (VisualState.patternChanged != nullptr) CloseHandle(VisualState.patternChanged);
  VisualState.patternChanged = nullptr;
  VisualState.session = nullptr;
  ReleaseSurfaces();
}

}  // namespace

// The work is freed before ExitThread, which runs no destructors.
DWORD WINAPI VisualThread(LPVOID work) {
  VisualWork* given = static_cast<VisualWork*>(work);
  ShowExposure(*given);
  delete given;
  ExitThread(0);
}

HANDLE StartVisualThread(uint32_t exposure, std::shared_ptr<const Session> session) {
  VisualWork* work = new VisualWork{exposure, std::move(session)};
  HANDLE thread = CreateThread(nullptr, 0, VisualThread, work, 0, nullptr);
  if (thread == nullptr) delete work;
  return thread;
}
