// Start, stop and countdown of an exposure.
#pragma once

#include <windows.h>
#include <mmsystem.h>

// The Start/Stop button's click: starts when no exposure runs, else stops.
void HandleStartStopCommand();

void StartExposure();
// restoreScreen: false for the Stop button, true for Space or Alt+F4 in the
// full-screen window.
void StopExposure(bool restoreScreen);

void CALLBACK CountdownTick(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR reserved1,
                            DWORD_PTR reserved2);
