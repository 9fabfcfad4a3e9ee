// Start, stop and countdown of an exposure.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

// Posted to the panel by the countdown's last tick, with the exposure's
// number in wParam. Above WM_USER, which dialog-style handling uses.
constexpr UINT CountdownEndedMessage = WM_APP + 1;
// Posted to the program's window by the audio worker once a session has been
// heard to its last frame, or without sound once its length has passed;
// wParam is the exposure's number.
constexpr UINT SessionPlayedOutMessage = WM_APP + 2;

// The Start/Stop button's click: starts when no exposure runs, else stops.
void HandleStartStopCommand();

void StartExposure();
// restoreScreen: false for the Stop button, true for Space, Esc or Alt+F4 in
// the full-screen window.
void StopExposure(bool restoreScreen);

// The panel's handling of CountdownEndedMessage: the Start caption, and the
// display given back, when that exposure is still the last one and has ended.
void HandleCountdownEnded(WPARAM exposure);

// Milliseconds since the last Start: the clock of the session it plays.
uint32_t SessionElapsedMs();

// The handling of SessionPlayedOutMessage: the exposure ends as by Space,
// when it is still the one that played out. True when it ended.
bool HandleSessionPlayedOut(WPARAM exposure);

// The panel is destroyed during an exposure: the display is given back.
void EndExposureOnClose();

// WM_SYSCOMMAND to either window: true when it asks for the screen saver or
// the display's power saving while an exposure runs. The window then answers
// 0 itself instead of passing it on. A screen saver that a policy enforces
// with a password still starts.
bool HoldsOffScreenSaver(WPARAM command);

void CALLBACK CountdownTick(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR reserved1,
                            DWORD_PTR reserved2);
