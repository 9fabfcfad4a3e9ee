// Running the real visual worker against the real stimulation window, and
// reading back what the screen shows, for the Wine tests of the visual engine.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "exposure/ExposureState.h"

// The screen as 0x00RRGGBB words, row by row from the top.
struct ScreenPixels {
  int width;
  int height;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Copies the whole screen (the desktop's device context) into memory.
ScreenPixels GrabScreen();
// One pixel of the screen, as 0x00RRGGBB.
uint32_t ScreenPixel(int x, int y);

// Creates the stimulation window once; shows it for a visible mode.
void PrepareWindow(bool show);
// Handles what the window's thread has been sent, for about ms milliseconds.
void PumpFor(DWORD ms);

// Starts the worker as the Start command does: running = 1, then the thread.
HANDLE StartVisualExposure(VisualMode mode, uint32_t frequency);
// Sets running = 0, waits for the thread; the milliseconds it took to end.
double StopVisualExposure(HANDLE thread);

// 0x00RRGGBB of a grey level.
inline uint32_t Grey(int level) {
  const uint32_t v = static_cast<uint32_t>(level);
  return (v << 16) | (v << 8) | v;
}

// Live GDI objects of this process; -1 when no way of counting them works.
long CountGdiObjects();

// Failure reporting: prints and remembers, so one run reports every fault.
void Check(bool condition, const char* what, ...);
int Failures();
