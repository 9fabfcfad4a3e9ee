// The worker that owns the drawing surfaces and the tick timer of one exposure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "session_format/SessionFile.h"

// What one visual worker shows, given to it when it starts: the pattern
// chosen (ExposureState.visualMode), or the session it plays (nullptr for
// none), which lives at least as long as the worker that reads it.
struct VisualWork {
  uint32_t exposure;
  std::shared_ptr<const Session> session;
};

// Thread procedure; the parameter is a VisualWork, which the worker takes
// over and frees. Ends with ExitThread(0).
DWORD WINAPI VisualThread(LPVOID work);

// Starts a worker on that work; nullptr when no thread could be made.
HANDLE StartVisualThread(uint32_t exposure, std::shared_ptr<const Session> session);
