// The worker that plays the sound of one exposure.
#pragma once

#include <windows.h>

#include <cstdint>

// Posted by the audio worker to the program's window once a session has been
// heard to its last frame, or without sound once its clock has passed its
// length; wParam is the exposure's number.
constexpr UINT SessionPlayedOutMessage = WM_APP + 2;

// Thread procedure. The parameter is the number of the exposure it plays for
// (ExposureState.exposureNumber at its Start, as a pointer-sized integer):
// it streams only while running is 1 and that exposure is still the current
// one. Ends with ExitThread(0).
DWORD WINAPI AudioThread(LPVOID exposureNumber);

LPVOID AudioThreadParameter(uint32_t exposureNumber);
