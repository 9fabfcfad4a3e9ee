// The hidden full-screen popup of class "PaintWindow" on which the patterns
// are drawn.
#pragma once

#include <windows.h>

// Registers "PaintWindow" and creates the hidden window; stores its handle in
// ExposureState.StimulationWindow.
void CreateStimulationWindow(HINSTANCE instance);

LRESULT CALLBACK StimulationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
