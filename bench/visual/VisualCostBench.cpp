// What an exposure costs: processor time per second of exposure for each
// visual pattern at three frequencies, once with every tick drawing its frame
// afresh and once with only the frames that change drawn. The program's own
// time counts all its threads; the X server's (and Wine's server's) is read
// from /proc through Wine's drive Z: when their process ids are given.
// Each figure is the best of three runs, the two ways taking turns.
//   visual_cost_bench [seconds per run] [X server pid] [wineserver pid]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "exposure/ExposureState.h"
#include "visual/window/StimulationWindow.h"
#include "visual/VisualState.h"
#include "visual/VisualThread.h"

namespace {

const int RunsPerFigure = 3;
// Set-up and the first frames are left out of each run.
const DWORD SettleMs = 300;
// /proc counts processor time in clock ticks of 10 ms on Linux.
const double ProcTicksPerSecond = 100.0;

double NowSeconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

double ProgramSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return (ticks(kernel) + ticks(user)) / 1e7;
}

// User and system time of a Linux process from its /proc stat line; -1 when
// it cannot be read (no pid given, or not under Wine).
double LinuxProcessSeconds(unsigned long pid) {
  if (pid == 0) return -1.0;
  char path[64], line[1024] = {};
  std::snprintf(path, sizeof path, "Z:\\proc\\%lu\\stat", pid);
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1.0;
  DWORD got = 0;
  ReadFile(file, line, sizeof line - 1, &got, nullptr);
  CloseHandle(file);
  // After the command name in parentheses: state, then ten fields, then
  // utime and stime.
  const char* rest = std::strrchr(line, ')');
  unsigned long long utime = 0, stime = 0;
  if (!rest || std::sscanf(rest + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu",
                           &utime, &stime) != 2)
    return -1.0;
  return (utime + stime) / ProcTicksPerSecond;
}

struct Cost {
  double program, xServer, wineServer;  // cores: processor seconds per second
  double ticks, draws;                  // per second of the whole exposure
};

struct Clocks {
  double wall, program, xServer, wineServer;
};

Clocks ReadClocks(unsigned long xPid, unsigned long wineServerPid) {
  return {NowSeconds(), ProgramSeconds(), LinuxProcessSeconds(xPid),
          LinuxProcessSeconds(wineServerPid)};
}

// Handles the window's messages as the program's message loop would, asleep
// in between.
void RunMessageLoopFor(double seconds) {
  const double end = NowSeconds() + seconds;
  for (double now = NowSeconds(); now < end; now = NowSeconds()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>((end - now) * 1000) + 1,
                              QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}

double PerSecond(double before, double after, double wall) {
  return before < 0 || after < 0 ? -1.0 : (after - before) / wall;
}

// One exposure of the real worker; its cost once settled.
Cost RunExposure(VisualMode mode, uint32_t frequency, bool everyTick, double seconds,
                 unsigned long xPid, unsigned long wineServerPid) {
  ShowWindow(ExposureState.StimulationWindow, mode == VisualMode::None ? SW_HIDE : SW_SHOWNORMAL);
  StoreField(ExposureState.visualMode, mode);
  StoreField(ExposureState.frequency, frequency);
  StoreField(ExposureState.running, 1);
  VisualState.drawEveryTick = everyTick;
  const double started = NowSeconds();
  HANDLE thread = StartVisualThread(0, nullptr);
  RunMessageLoopFor(SettleMs / 1000.0);
  const Clocks start = ReadClocks(xPid, wineServerPid);
  RunMessageLoopFor(seconds);
  const Clocks end = ReadClocks(xPid, wineServerPid);
  StoreField(ExposureState.running, 0);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  const double wall = end.wall - start.wall, lived = NowSeconds() - started;
  return {PerSecond(start.program, end.program, wall), PerSecond(start.xServer, end.xServer, wall),
          PerSecond(start.wineServer, end.wineServer, wall),
          LoadField(ExposureState.frameCounter) / lived, VisualState.framesDrawn / lived};
}

// The cheapest run's figures, each on its own; the rates of the cheapest run.
Cost Best(const Cost& a, const Cost& b) {
  const Cost& rates = a.program <= b.program ? a : b;
  return {std::min(a.program, b.program), std::min(a.xServer, b.xServer),
          std::min(a.wineServer, b.wineServer), rates.ticks, rates.draws};
}

void PrintCores(double cores) {
  if (cores < 0) std::printf("      -");
  else std::printf(" %6.3f", cores);
}

struct PatternRow {
  VisualMode mode;
  const char* name;
};

const PatternRow Patterns[] = {
    {VisualMode::SmoothStrobe, "Smooth strobe"}, {VisualMode::DiscreteStrobe, "Discrete strobe"},
    {VisualMode::Circles, "Circles"},            {VisualMode::Grid, "Grid"},
    {VisualMode::None, "None"},
};

const uint32_t Frequencies[] = {25, 780, 3000};

void MeasureAndPrint(const PatternRow& row, uint32_t frequency, double seconds,
                     unsigned long xPid, unsigned long wineServerPid) {
  Cost before = {1e9, 1e9, 1e9, 0, 0}, after = before;
  for (int run = 0; run < RunsPerFigure; run++) {
    before = Best(before, RunExposure(row.mode, frequency, true, seconds, xPid, wineServerPid));
    after = Best(after, RunExposure(row.mode, frequency, false, seconds, xPid, wineServerPid));
  }
  std::printf("%-16s %5.2f  program", row.name, frequency / 100.0);
  PrintCores(before.program);
  PrintCores(after.program);
  std::printf(" %5.0f %%  X server", before.program > 0 ? 100.0 * after.program / before.program : 0);
  PrintCores(before.xServer);
  PrintCores(after.xServer);
  std::printf("  wineserver");
  PrintCores(before.wineServer);
  PrintCores(after.wineServer);
  std::printf("  ticks/s %5.0f %5.0f  drawn/s %5.0f %5.0f\n", before.ticks, after.ticks,
              before.draws, after.draws);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 4.0;
  const unsigned long xPid = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0;
  const unsigned long wineServerPid = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 0;
  CreateStimulationWindow(GetModuleHandleA(nullptr));
  std::printf("screen %d x %d, best of %d runs of %.1f s; cores (processor seconds per second):"
              " every tick drawn, then only changes, and the second as a share of the first\n",
              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), RunsPerFigure, seconds);
  for (const PatternRow& row : Patterns) {
    for (uint32_t frequency : Frequencies) {
      MeasureAndPrint(row, frequency, seconds, xPid, wineServerPid);
      // The idle pattern does not depend on the frequency.
      if (row.mode == VisualMode::None) break;
    }
  }
  return 0;
}
