// Finds the program's windows from outside its process, by class, id, style
// and position only: the driver knows nothing of the program's code.
#pragma once

#include <windows.h>

#include <string>

struct PanelControls {
  HWND panel;
  HWND stimulation;
  HWND readout;
  HWND durationField;
  HWND slider;
  HWND frequencySpin;
  HWND durationSpin;
  HWND soundList;
  HWND visualList;
  HWND startButton;
  HWND languageButton;
};

// Fills every handle that can be found; missing ones stay null.
PanelControls FindPanelControls();

// Name of one of the program's windows ("slider", "panel", ...), "none" for
// null, or "other:<class>" for a window that is none of them.
std::string NameOfWindow(const PanelControls& controls, HWND window);

// Window text in the driver's ANSI code page, read through WM_GETTEXT.
std::string AnsiText(HWND window);

// Item text of a combo box in another process. CB_GETLBTEXT sent as ANSI
// returns only one character across processes, so it is asked for in UTF-16
// and converted back with the ANSI code page.
std::string ComboItemText(HWND combo, int index);

// Milliseconds since 1970 on the same clock as the shell's `date +%s%3N`.
long long NowMs();
