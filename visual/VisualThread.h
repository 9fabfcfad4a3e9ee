// The worker that owns the drawing surfaces and the tick timer of one exposure.
#pragma once

#include <windows.h>

// Thread procedure; the parameter is not used. Ends with ExitThread(0).
DWORD WINAPI VisualThread(LPVOID unused);
