// Start, stop and countdown of an exposure.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <memory>

#include "session_format/SessionFile.h"

// Posted to the program's window by the countdown's last tick, with the
// exposure's number in wParam. Above WM_USER, which dialog-style handling
// uses; the audio worker's SessionPlayedOutMessage follows it.
constexpr UINT CountdownEndedMessage = WM_APP + 1;

// The Start/Stop button's click: starts when no exposure runs, else stops.
void HandleStartStopCommand();

// Starts an exposure with the program's settings (CopyExposureSettings), or,
// given a session, plays that session. False when a session could not be
// started (its sound worker could not be made): it is stopped again at once.
bool StartExposure(std::shared_ptr<const Session> session = nullptr);
// restoreScreen: false for the Stop button, true for Space, Esc or Alt+F4 in
// the full-screen window.
void StopExposure(bool restoreScreen);

// Whether the exposure running, or the last one, plays a session.
bool ExposurePlaysSession();

// The program's handling of CountdownEndedMessage: the Start caption, and
// the display given back, when that exposure is still the last one and has
// ended.
void HandleCountdownEnded(WPARAM exposure);

// The user's pause of a running exposure: its sound is held, its light dark
// and its clock still; Resume goes on where they stopped. Either does
// nothing when no exposure runs or it is already so.
void PauseExposure();
void ResumeExposure();

// The handling of SessionPlayedOutMessage: the exposure ends as by Space,
// when it is still the one that played out. True when it ended.
bool HandleSessionPlayedOut(WPARAM exposure);

// The program's window is destroyed during an exposure: the display is given back.
void EndExposureOnClose();

// WM_SYSCOMMAND to either window: true when it asks for the screen saver or
// the display's power saving while an exposure runs. The window then answers
// 0 itself instead of passing it on. A screen saver that a policy enforces
// with a password still starts.
bool HoldsOffScreenSaver(WPARAM command);

void CALLBACK CountdownTick(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR reserved1,
                            DWORD_PTR reserved2);
