// The DPI of a window and what follows from it, on every Windows from XP on.
// The calls of Windows 8.1 and 10 are looked up at run time; where they are
// missing, the system's DPI stands for every monitor's.
#pragma once

#include <windows.h>

// WM_DPICHANGED, which headers older than Windows 7's do not name: wParam's
// high word is the new DPI, lParam the window's suggested RECT.
constexpr UINT DpiChangedMessage = 0x02E0;

// The DPI Windows draws the window at: its monitor's where Windows knows one
// per monitor, else the system's.
int WindowDpi(HWND window);

// The system's message font (the one of its dialog boxes and message boxes)
// at dpi. The caller deletes it.
HFONT CreateMessageFont(int dpi);

// The whole window, frame included, whose client area is width x height,
// for a window of this style at dpi.
SIZE FrameSizeForClient(int width, int height, DWORD style, DWORD extendedStyle, int dpi);

// Gives every child of the window this font, and has it redrawn.
void SetChildrenFont(HWND window, HFONT font);
