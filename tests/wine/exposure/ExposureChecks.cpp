// Catches a display left to go dark, or kept on after the end, on some path
// of an exposure; a screen saver let through during an exposure; and a timer
// callback that sets a window's text itself. The real panel, full-screen
// window and exposure control run in this process; the calls they make to
// Windows are counted through the program's import slots:
//  - SetThreadExecutionState: asked for once at every Start and given back
//    once on every path that ends an exposure (Stop button, Space, Esc,
//    Alt+F4, the countdown's end, the panel destroyed), on the UI thread;
//  - WM_SYSCOMMAND with SC_SCREENSAVE or SC_MONITORPOWER is answered with 0
//    during an exposure without reaching DefWindowProcA, and reaches it after;
//  - the countdown's end sets the Start caption on the UI thread only, and a
//    late end message of an earlier exposure changes nothing.
// Prints one line per check; exit code 1 when any fails.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <cstring>

#include "exposure/ExposureControl.h"
#include "exposure/ExposureState.h"
#include "panel/ControlPanel.h"
#include "panel/Language.h"
#include "tests/wine/shared/ImportSlots.h"
#include "visual/StimulationWindow.h"

namespace {

typedef EXECUTION_STATE(WINAPI* ExecutionStateCall)(EXECUTION_STATE);
typedef LRESULT(WINAPI* DefaultProcedure)(HWND, UINT, WPARAM, LPARAM);
typedef BOOL(WINAPI* SetTextCall)(HWND, LPCSTR);

ExecutionStateCall kernelExecutionState;
DefaultProcedure userDefWindowProc;
SetTextCall userSetWindowText;
DWORD uiThread;
std::atomic<int> requested{0}, released{0}, offThread{0}, screenSaverPassedOn{0}, captionsOffThread{0};
int failures = 0;

EXECUTION_STATE WINAPI CountedExecutionState(EXECUTION_STATE flags) {
  if (GetCurrentThreadId() != uiThread) offThread++;
  if (flags == (ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED)) requested++;
  if (flags == ES_CONTINUOUS) released++;
  return kernelExecutionState(flags);
}

LRESULT WINAPI CountedDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WPARAM kind = wParam & 0xFFF0;
  if (message == WM_SYSCOMMAND && (kind == SC_SCREENSAVE || kind == SC_MONITORPOWER)) {
    screenSaverPassedOn++;
    return 0;  // nothing to start under a test
  }
  return userDefWindowProc(window, message, wParam, lParam);
}

BOOL WINAPI CountedSetWindowText(HWND window, LPCSTR text) {
  if (window == ExposureState.startButton && GetCurrentThreadId() != uiThread) captionsOffThread++;
  return userSetWindowText(window, text);
}

void Check(bool condition, const char* what) {
  std::printf("%s: %s\n", condition ? "ok" : "FAIL", what);
  if (!condition) failures++;
}

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < ms) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(5);
  }
}

void ClickStart() { SendMessageA(ExposureState.ControlPanel, WM_COMMAND, MAKEWPARAM(StartButtonId, 0), 0); }

// A key as of its own key-down: the keyboard control reads the thread's key state.
void PressKey(int key) {
  BYTE keys[256] = {};
  keys[key] = 0x80;
  SetKeyboardState(keys);
  SendMessageA(ExposureState.StimulationWindow, WM_KEYDOWN, key, 0);
  keys[key] = 0;
  SetKeyboardState(keys);
}

// Both windows answer the screen saver and the power saving themselves.
void CheckScreenSaverHeldOff(const char* path) {
  const int before = screenSaverPassedOn;
  const LRESULT panel = SendMessageA(ExposureState.ControlPanel, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
  const LRESULT window = SendMessageA(ExposureState.StimulationWindow, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
  char what[160];
  std::snprintf(what, sizeof what, "%s: screen saver and power saving answered with 0, not passed on", path);
  Check(panel == 0 && window == 0 && screenSaverPassedOn == before, what);
}

// One exposure from the Start button to an end: the display asked for once
// at the Start and given back once by the end, both on this thread.
void CheckPath(const char* path, int end) {
  const int askedBefore = requested, givenBefore = released;
  ClickStart();
  PumpFor(300);
  char what[160];
  std::snprintf(what, sizeof what, "%s: the display asked for once at the Start", path);
  Check(requested == askedBefore + 1 && released == givenBefore, what);
  CheckScreenSaverHeldOff(path);
  if (end == 0) ClickStart();
  if (end == 1) PressKey(VK_SPACE);
  if (end == 2) PressKey(VK_ESCAPE);
  if (end == 3) SendMessageA(ExposureState.StimulationWindow, WM_CLOSE, 0, 0);
  PumpFor(200);
  std::snprintf(what, sizeof what, "%s: ended, the display given back once", path);
  Check(LoadField(ExposureState.running) == 0 && released == givenBefore + 1 && requested == askedBefore + 1, what);
}

bool StartCaptionShown() {
  char text[32] = {};
  GetWindowTextA(ExposureState.startButton, text, sizeof text);
  return std::strcmp(text, "\xC7\xE0\xEF\xF3\xF1\xEA") == 0;  // "Запуск"
}

// The countdown's end without its minute: remainingMs below a second after
// the Start, so the next tick ends it. A late end message of an earlier
// exposure, and one of the running exposure, must change nothing.
void CheckCountdownEnd() {
  SendMessageA(ExposureState.durationSpin, UDM_SETPOS, 0, MAKELPARAM(1, 0));
  ClickStart();
  StoreField(ExposureState.remainingMs, 500);
  const int askedBefore = requested, givenBefore = released;
  const uint32_t exposure = LoadField(ExposureState.exposureNumber);
  PostMessageA(ExposureState.ControlPanel, CountdownEndedMessage, exposure - 1, 0);
  PostMessageA(ExposureState.ControlPanel, CountdownEndedMessage, exposure, 0);
  PumpFor(200);
  Check(!StartCaptionShown() && released == givenBefore, "countdown: end messages of another exposure or of a running one change nothing");
  for (int waited = 0; waited < 100 && !StartCaptionShown(); waited++) PumpFor(50);
  Check(StartCaptionShown() && LoadField(ExposureState.running) == 0, "countdown: ended by its next tick, Start caption shown");
  Check(captionsOffThread == 0, "countdown: the caption was set on the UI thread only");
  Check(released == givenBefore + 1 && requested == askedBefore, "countdown: the display given back once");
  PressKey(VK_SPACE);
  Check(released == givenBefore + 1, "countdown: Space afterwards gives back nothing more");
  SendMessageA(ExposureState.durationSpin, UDM_SETPOS, 0, MAKELPARAM(0, 0));
}

}  // namespace

int main() {
  uiThread = GetCurrentThreadId();
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  CreateControlPanel(instance);
  CreateStimulationWindow(instance);
  StoreField(ExposureState.countdownEnabled, 0);
  StoreField(ExposureState.running, 0);
  StoreField(ExposureState.language, LanguageRussian);
  ApplyLanguage();
  kernelExecutionState = ReplaceImport("kernel32.dll", "SetThreadExecutionState", &CountedExecutionState);
  userDefWindowProc = ReplaceImport("user32.dll", "DefWindowProcA", &CountedDefWindowProc);
  userSetWindowText = ReplaceImport("user32.dll", "SetWindowTextA", &CountedSetWindowText);
  if (!kernelExecutionState || !userDefWindowProc || !userSetWindowText) {
    std::printf("FAIL: the program's code does not import the calls watched\n");
    return 1;
  }

  CheckPath("Stop button", 0);
  CheckPath("Space", 1);
  CheckPath("Esc", 2);
  CheckPath("Alt+F4", 3);
  const int before = screenSaverPassedOn;
  SendMessageA(ExposureState.ControlPanel, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
  SendMessageA(ExposureState.StimulationWindow, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
  Check(screenSaverPassedOn == before + 2, "after the exposure the screen saver is passed on by both windows");
  CheckCountdownEnd();

  ClickStart();
  PumpFor(200);
  const int givenBefore = released;
  DestroyWindow(ExposureState.ControlPanel);
  Check(released == givenBefore + 1, "panel destroyed during an exposure: the display given back");
  Check(offThread == 0, "every execution state call on the UI thread");
  StoreField(ExposureState.running, 0);
  return failures ? 1 : 0;
}
