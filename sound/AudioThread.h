// The worker that plays the sound of one exposure.
#pragma once

#include <windows.h>

// Thread procedure; the parameter is not used. Ends with ExitThread(0).
DWORD WINAPI AudioThread(LPVOID unused);
