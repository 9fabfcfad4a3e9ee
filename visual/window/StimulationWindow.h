// The hidden full-screen popup of class "PaintWindow" on which the patterns
// are drawn.
#pragma once

#include <windows.h>

// Registers "PaintWindow" and creates the hidden window, owned by the
// program's window (ExposureState.ProgramWindow), which must exist; stores
// its handle in ExposureState.StimulationWindow.
void CreateStimulationWindow(HINSTANCE instance);

// Moves the window over this area (the player's: the monitor its window is
// on, in that monitor's own pixels); the drawing surfaces of the next
// exposure take its size.
void PlaceStimulationWindow(RECT area);

// Hands key-downs to the keyboard control; a close (Alt+F4) ends the
// exposure as Space does and never destroys the window.
LRESULT CALLBACK StimulationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
