#include "tests/wine/visual/Exposure.h"

#include <winternl.h>

#include <cstdarg>
#include <cstdio>

#include "visual/window/StimulationWindow.h"
#include "visual/VisualThread.h"

namespace {
int failureCount = 0;

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return counter.QuadPart * 1000.0 / frequency.QuadPart;
}
}  // namespace

ScreenPixels GrabScreen() {
  // Wine copies what was drawn to the X display from this thread's message
  // handling, so the last frame reaches the screen only after some of it.
  PumpFor(150);
  ScreenPixels screen;
  screen.width = GetSystemMetrics(SM_CXSCREEN);
  screen.height = GetSystemMetrics(SM_CYSCREEN);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = screen.width;
  info.bmiHeader.biHeight = -screen.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screenDc = GetDC(nullptr);
  HDC copyDc = CreateCompatibleDC(screenDc);
  HBITMAP section = CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ kept = SelectObject(copyDc, section);
  BitBlt(copyDc, 0, 0, screen.width, screen.height, screenDc, 0, 0, SRCCOPY);
  GdiFlush();
  const uint32_t* words = static_cast<const uint32_t*>(bits);
  screen.pixels.assign(words, words + static_cast<size_t>(screen.width) * screen.height);
  for (uint32_t& p : screen.pixels) p &= 0xFFFFFF;
  SelectObject(copyDc, kept);
  DeleteObject(section);
  DeleteDC(copyDc);
  ReleaseDC(nullptr, screenDc);
  return screen;
}

uint32_t ScreenPixel(int x, int y) {
  HDC screenDc = GetDC(nullptr);
  const COLORREF c = GetPixel(screenDc, x, y);
  ReleaseDC(nullptr, screenDc);
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

void PrepareWindow(bool show) {
  if (!ExposureState.StimulationWindow) CreateStimulationWindow(GetModuleHandleA(nullptr));
  if (show) {
    ShowWindow(ExposureState.StimulationWindow, SW_SHOWNORMAL);
    UpdateWindow(ExposureState.StimulationWindow);
  }
  PumpFor(200);
}

void PumpFor(DWORD ms) {
  const double end = NowMs() + ms;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (NowMs() < end);
}

HANDLE StartVisualExposure(VisualMode mode, uint32_t frequency) {
  StoreField(ExposureState.visualMode, mode);
  StoreField(ExposureState.frequency, frequency);
  StoreField(ExposureState.running, 1);
  return StartVisualThread(0, nullptr);
}

double StopVisualExposure(HANDLE thread) {
  const double start = NowMs();
  StoreField(ExposureState.running, 0);
  WaitForSingleObject(thread, 5000);
  const double took = NowMs() - start;
  DWORD code = 1;
  GetExitCodeThread(thread, &code);
  Check(code == 0, "visual thread exit code %lu, expected 0", code);
  CloseHandle(thread);
  return took;
}

namespace {
// A 32-bit field at an address given as a number.
uint32_t Read32At(uintptr_t address) { return *reinterpret_cast<const uint32_t*>(address); }

// The GDI handle table that Wine's gdi32 reads. A 32-bit process under
// WoW64 finds it in the 64-bit process environment block, whose thread block
// the 32-bit one's GdiBatchCount (offset 0xF70) points to; other processes
// in their own block. Wine's entries are 24 bytes in both, the type at 14.
long CountHandleTableEntries() {
  // The inline segment read looks like an out-of-bounds access to GCC.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
  const uintptr_t teb = reinterpret_cast<uintptr_t>(NtCurrentTeb());
#pragma GCC diagnostic pop
  const bool wide = sizeof(void*) == 8;
  const bool wow64 = !wide && Read32At(teb + 0xF70) != 0;
  const uintptr_t peb = wow64 ? Read32At(Read32At(teb + 0xF70) + 0x60)
                              : *reinterpret_cast<const uintptr_t*>(teb + (wide ? 0x60 : 0x30));
  const unsigned char* table = reinterpret_cast<const unsigned char*>(
      wow64 ? Read32At(peb + 0xF8) : *reinterpret_cast<const uintptr_t*>(peb + (wide ? 0xF8 : 0x94)));
  if (!table) return -1;
  long count = 0;
  for (size_t slot = 0; slot < 65536; slot++) {
    if (table[slot * 24 + 14] != 0) count++;
  }
  return count;
}
}  // namespace

long CountGdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<long>(reported);
  return CountHandleTableEntries();
}

void Check(bool condition, const char* what, ...) {
  if (condition) return;
  failureCount++;
  va_list args;
  va_start(args, what);
  std::fprintf(stdout, "FAIL: ");
  std::vfprintf(stdout, what, args);
  std::fprintf(stdout, "\n");
  std::fflush(stdout);
  va_end(args);
}

int Failures() { return failureCount; }
