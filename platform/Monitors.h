// The monitor a window is on: its whole area in the display's own pixels
// and its refresh rate as Windows reports it.
#pragma once

#include <windows.h>

#include <cstdint>

// The monitor nearest the window (the primary one without a window).
RECT MonitorArea(HWND window);

// Its refresh rate in hertz as Windows reports it (0 or 1 for the
// hardware's default), 0 when it cannot be read.
uint32_t ReportedRefreshHz(HWND window);
