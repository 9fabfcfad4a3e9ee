// The worker that plays the sound of one exposure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "session_format/SessionFile.h"

// Posted by the audio worker to the program's window once a session has been
// heard to its last frame, or without sound once its clock has passed its
// length; wParam is the exposure's number.
constexpr UINT SessionPlayedOutMessage = WM_APP + 2;

// What one audio worker plays, given to it when it starts: it streams only
// while running is 1 and its exposure is still the current one. The session
// (nullptr for one frequency and mode from the panel) lives at least as long
// as the worker that reads it. window is told when the session has played out.
struct AudioWork {
  uint32_t exposure;
  std::shared_ptr<const Session> session;
  HWND window;
};

// Thread procedure; the parameter is an AudioWork, which the worker takes
// over and frees. Ends with ExitThread(0).
DWORD WINAPI AudioThread(LPVOID work);

// Starts a worker on that work; nullptr when no thread could be made.
HANDLE StartAudioThread(uint32_t exposure, std::shared_ptr<const Session> session, HWND window);
