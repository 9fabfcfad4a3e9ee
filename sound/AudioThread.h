// The worker that plays the sound of one exposure.
#pragma once

#include <windows.h>

#include <cstdint>

// Thread procedure. The parameter is the number of the exposure it plays for
// (ExposureState.exposureNumber at its Start, as a pointer-sized integer):
// it streams only while running is 1 and that exposure is still the current
// one. Ends with ExitThread(0).
DWORD WINAPI AudioThread(LPVOID exposureNumber);

LPVOID AudioThreadParameter(uint32_t exposureNumber);
