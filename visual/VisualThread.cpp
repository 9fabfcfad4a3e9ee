#include "visual/VisualThread.h"

#include "exposure/ExposureState.h"
#include "visual/Patterns.h"
#include "visual/VisualState.h"

namespace {

const DWORD PollMs = 100;

// Sets up the pattern, then arms its tick; 0 when the mode has no timer.
// The fine ticks hold the finest timer resolution, reported in finePeriod.
UINT StartPattern(VisualMode mode, UINT& finePeriod) {
  OpenTickGate(VisualState.tickGate);
  ForgetFramesDrawn();
  finePeriod = 0;
  if (mode == VisualMode::None) return StartPeriodicTimer(IdleTickMs, 100, VisualTick);
  if (mode == VisualMode::SmoothStrobe) {
    return StartFinePeriodicTimer(StrobeTickMs, VisualTick, finePeriod);
  }
  if (mode == VisualMode::DiscreteStrobe) {
    VisualState.strobeValue = 0.0;
    VisualState.strobeFlag = 1;
    return StartFinePeriodicTimer(StrobeTickMs, VisualTick, finePeriod);
  }
  if (mode == VisualMode::Circles) {
    SetUpFigures(RingCount, RingSpacing(FrameWidth()));
    return StartFinePeriodicTimer(RingTickMs, VisualTick, finePeriod);
  }
  if (mode == VisualMode::Grid) {
    SetUpFigures(GridStepCount, GridSpacing(FrameWidth()));
    return StartFinePeriodicTimer(GridTickMs, VisualTick, finePeriod);
  }
  return 0;
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

void ReleaseSurfaces() {
  SelectObject(VisualState.memoryDc, VisualState.previousBitmap);
  DeleteObject(VisualState.frameBitmap);
  DeleteDC(VisualState.memoryDc);
  ReleaseDC(ExposureState.StimulationWindow, VisualState.windowDc);
}


DWORD WINAPI VisualThread(LPVOID) {
  StoreField(ExposureState.frameCounter, 0);
  AcquireSurfaces();
  UINT finePeriod;
  const UINT timerId = StartPattern(LoadField(ExposureState.visualMode), finePeriod);
  while (LoadField(ExposureState.running) == 1) Sleep(PollMs);
  // No tick may still be drawing when the surfaces go; wait for our own
  // tick only, never for another timer's callback. A mode value outside the
  // five, or a timer that could not be armed, leaves nothing to cancel.
  if (timerId != 0) CancelTimerAndWaitForOwnTick(timerId, VisualState.tickGate);
  EndFinePeriod(finePeriod);
  ReleaseSurfaces();
  ExitThread(0);
}
