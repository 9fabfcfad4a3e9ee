// The control panel: its class, window, nine controls and painted labels.
#pragma once

#include <windows.h>

constexpr int StartButtonId = 10;
constexpr int LanguageButtonId = 9;
constexpr int FrequencySpinId = 11;
constexpr int FrequencySliderId = 12;
constexpr int DurationSpinId = 13;

constexpr int PanelWidth = 500;
constexpr int PanelHeight = 200;

void CreateControlPanel(HINSTANCE instance);

// The program's start-up before its message loop: the panel, the hidden
// full-screen window, the exposure state at rest and the Russian texts.
void StartControlPanel(HINSTANCE instance);

LRESULT CALLBACK ControlPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
