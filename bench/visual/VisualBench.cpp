// Timing of the visual engine under the real window: the interval between
// ticks of the running worker for each mode, against the period asked for,
// the time one tick takes to draw at the screen's size, and for the line
// patterns how that time divides between clearing, figures and copying.
//   visual_bench [seconds per mode]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "exposure/ExposureState.h"
#include "visual/Patterns.h"
#include "visual/window/StimulationWindow.h"
#include "visual/VisualState.h"
#include "visual/VisualThread.h"

namespace {

struct ModeRow {
  VisualMode mode;
  const char* name;
  double periodMs;
};

const ModeRow Modes[] = {
    {VisualMode::SmoothStrobe, "Smooth strobe", 2.0},
    {VisualMode::DiscreteStrobe, "Discrete strobe", 2.0},
    {VisualMode::Circles, "Circles", 20.0},
    {VisualMode::Grid, "Grid", 10.0},
    {VisualMode::None, "None", 1000.0},
};

const uint32_t BenchFrequency = 780;

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

struct Spread {
  double mean, minimum, maximum, deviation, percentile99;
  size_t count;
};

Spread SpreadOf(std::vector<double> values) {
  Spread s = {0, 0, 0, 0, 0, values.size()};
  if (values.empty()) return s;
  double sum = 0;
  for (double v : values) sum += v;
  s.mean = sum / values.size();
  double squares = 0;
  for (double v : values) squares += (v - s.mean) * (v - s.mean);
  s.deviation = std::sqrt(squares / values.size());
  std::sort(values.begin(), values.end());
  s.minimum = values.front();
  s.maximum = values.back();
  // The smallest value that at least 99 % of the values do not exceed.
  const size_t rank = (values.size() * 99 + 99) / 100;
  s.percentile99 = values[rank - 1];
  return s;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Runs the real worker and watches frameCounter change; a change by k
// counts as k intervals of equal length. It looks about every millisecond
// and sleeps in between: spinning would take a core from the drawing.
std::vector<double> TickIntervals(VisualMode mode, double seconds) {
  StoreField(ExposureState.visualMode, mode);
  StoreField(ExposureState.frequency, BenchFrequency);
  StoreField(ExposureState.running, 1);
  VisualState.drawEveryTick = false;
  HANDLE thread = StartVisualThread(0, nullptr);
  std::vector<double> intervals;
  const double end = NowMs() + seconds * 1000.0;
  uint32_t lastCount = 0;
  double lastTime = -1.0, lastPump = 0.0;
  for (double now = NowMs(); now < end; now = NowMs()) {
    const uint32_t count = LoadField(ExposureState.frameCounter);
    if (count != lastCount) {
      if (lastTime >= 0.0 && count > lastCount) {
        for (uint32_t k = lastCount; k < count; k++) intervals.push_back((now - lastTime) / (count - lastCount));
      }
      lastCount = count;
      lastTime = now;
    }
    if (now - lastPump > 20.0) {
      PumpMessages();
      lastPump = now;
    }
    Sleep(1);
  }
  StoreField(ExposureState.running, 0);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  return intervals;
}

// Sets up the surfaces and the pattern as the worker does.
void SetUpDrawing(VisualMode mode) {
  AcquireSurfaces();
  StoreField(ExposureState.visualMode, mode);
  StoreField(ExposureState.frequency, BenchFrequency);
  PreparePattern(mode);
  OpenTickGate(VisualState.tickGate);
  // What one frame costs to draw, also where the frame would be unchanged.
  VisualState.drawEveryTick = true;
}

// Times calls of the tick made directly on this thread.
std::vector<double> DrawingTimes(VisualMode mode, int ticks) {
  SetUpDrawing(mode);
  std::vector<double> times;
  for (int n = 0; n < ticks; n++) {
    const double start = NowMs();
    VisualTick(0, 0, 0, 0, 0);
    GdiFlush();
    times.push_back(NowMs() - start);
    if (n % 20 == 0) PumpMessages();
  }
  ReleaseSurfaces();
  return times;
}

struct StepTimes {
  std::vector<double> clear, figures, copy;
};

// The line patterns' frames step by step, through the same shifts as the tick.
StepTimes LinePatternSteps(VisualMode mode, int ticks) {
  SetUpDrawing(mode);
  const bool rings = mode == VisualMode::Circles;
  StepTimes times;
  for (int n = 0; n < ticks; n++) {
    const double start = NowMs();
    const FrameKey frame = rings ? RingFrame(White) : GridFrame(White);
    ClearFrame(frame);
    GdiFlush();
    const double cleared = NowMs();
    if (rings) DrawRings(frame);
    else DrawGridLines(frame);
    GdiFlush();
    const double drawn = NowMs();
    PresentFrame();
    GdiFlush();
    const double copied = NowMs();
    times.clear.push_back(cleared - start);
    times.figures.push_back(drawn - cleared);
    times.copy.push_back(copied - drawn);
    VisualState.shift = rings ? NextRingShift(VisualState.shift, VisualState.spacing, BenchFrequency)
                              : NextGridShift(VisualState.shift, VisualState.spacing, BenchFrequency);
    if (n % 20 == 0) PumpMessages();
  }
  ReleaseSurfaces();
  return times;
}

void PrintRow(const char* what, const char* name, double asked, const Spread& s) {
  std::printf(
      "%-9s %-16s asked %7.1f ms  n %5zu  mean %8.3f  min %8.3f  max %8.3f  sd %7.3f ms  p99 %8.3f\n",
      what, name, asked, s.count, s.mean, s.minimum, s.maximum, s.deviation, s.percentile99);
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
  timeBeginPeriod(1);
  CreateStimulationWindow(GetModuleHandleA(nullptr));
  ShowWindow(ExposureState.StimulationWindow, SW_SHOWNORMAL);
  UpdateWindow(ExposureState.StimulationWindow);
  RECT client;
  GetClientRect(ExposureState.StimulationWindow, &client);
  std::printf("screen %d x %d, window client %ld x %ld, frequency %u\n", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN), client.right, client.bottom, BenchFrequency);
  for (const ModeRow& row : Modes) {
    const double length = row.mode == VisualMode::None ? std::max(seconds, 3.5) : seconds;
    PrintRow("interval", row.name, row.periodMs, SpreadOf(TickIntervals(row.mode, length)));
  }
  for (const ModeRow& row : Modes) {
    if (row.mode == VisualMode::None) continue;
    PrintRow("drawing", row.name, row.periodMs, SpreadOf(DrawingTimes(row.mode, 500)));
  }
  for (const ModeRow& row : Modes) {
    if (row.mode != VisualMode::Circles && row.mode != VisualMode::Grid) continue;
    const StepTimes steps = LinePatternSteps(row.mode, 200);
    std::printf("steps     %-16s clear mean %7.3f  figures mean %7.3f  copy mean %7.3f ms\n", row.name,
                SpreadOf(steps.clear).mean, SpreadOf(steps.figures).mean, SpreadOf(steps.copy).mean);
  }
  std::fflush(stdout);
  timeEndPeriod(1);
  return 0;
}
