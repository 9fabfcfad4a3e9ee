// Catches a display left to go dark, or kept on after the end, on some path
// of an exposure, also while paused; a screen saver let through during one;
// a countdown end that sets the caption off the user-interface thread or
// ends a later exposure; and a session started without its sound worker,
// which would show nothing and never end. The real windows and exposure control run here, their calls to
// Windows counted through the import slots. Exit code 1 when a check fails.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "exposure/ExposureState.h"
#include "exposure/control/ExposureControl.h"
#include "panel/ControlPanel.h"
#include "session_format/SessionReader.h"
#include "tests/wine/shared/ImportSlots.h"

namespace {

decltype(&SetThreadExecutionState) kernelExecutionState;
decltype(&DefWindowProcA) userDefWindowProc;
decltype(&SetWindowTextA) userSetWindowText;
decltype(&CreateThread) kernelCreateThread;
bool threadsRefused;
DWORD uiThread;
std::atomic<int> requested{0}, released{0}, offThread{0}, screenSaverPassedOn{0}, captionsOffThread{0};
int askedBefore, givenBefore, failures = 0;

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

HANDLE WINAPI RefusableCreateThread(LPSECURITY_ATTRIBUTES security, SIZE_T stack,
                                    LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD flags,
                                    LPDWORD id) {
  if (threadsRefused) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return kernelCreateThread(security, stack, start, parameter, flags, id);
}

void Check(bool condition, const char* path, const char* what) {
  std::printf("%s: %s: %s\n", condition ? "ok" : "FAIL", path, what);
  if (!condition) failures++;
}

void MarkDisplayCalls() { askedBefore = requested, givenBefore = released; }
bool DisplayCalls(int asked, int given) { return requested - askedBefore == asked && released - givenBefore == given; }

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

// How many of the screen saver's and the power saving's commands, sent to
// both windows, reach DefWindowProcA.
int ScreenSaverPassedOn() {
  const int before = screenSaverPassedOn;
  for (HWND window : {ExposureState.ControlPanel, ExposureState.StimulationWindow})
    for (WPARAM command : {SC_SCREENSAVE, SC_MONITORPOWER}) SendMessageA(window, WM_SYSCOMMAND, command, 2);
  return screenSaverPassedOn - before;
}

bool StartCaptionShown() {
  char text[32] = {};
  GetWindowTextA(ExposureState.startButton, text, sizeof text);
  return std::strcmp(text, "\xC7\xE0\xEF\xF3\xF1\xEA") == 0;  // "Запуск"
}

// The countdown ended by its next tick (remainingMs below a second); before
// that, end messages of an earlier exposure and of the running one.
void CheckCountdownEnd() {
  SendMessageA(ExposureState.durationSpin, UDM_SETPOS, 0, MAKELPARAM(1, 0));
  ClickStart();
  StoreField(ExposureState.remainingMs, 500);
  MarkDisplayCalls();
  const uint32_t exposure = LoadField(ExposureState.exposureNumber);
  PostMessageA(ExposureState.ControlPanel, CountdownEndedMessage, exposure - 1, 0);
  PostMessageA(ExposureState.ControlPanel, CountdownEndedMessage, exposure, 0);
  PumpFor(200);
  Check(!StartCaptionShown() && DisplayCalls(0, 0), "countdown", "end messages of another or a running exposure change nothing");
  for (int waited = 0; waited < 100 && !StartCaptionShown(); waited++) PumpFor(50);
  Check(StartCaptionShown() && LoadField(ExposureState.running) == 0 && captionsOffThread == 0 && DisplayCalls(0, 1),
        "countdown", "ended by its tick, Start caption set on the UI thread, the display given back once");
  PressKey(VK_SPACE);
  Check(released - givenBefore == 1, "countdown", "Space afterwards gives back nothing more");
  SendMessageA(ExposureState.durationSpin, UDM_SETPOS, 0, MAKELPARAM(0, 0));
}

// A session cannot go on without its sound worker: its Start is refused and
// everything is as before it.
void CheckSessionWithoutWorkers() {
  Session session;
  SessionError error;
  ParseSession("10s 1 7.8\n", "s", session, error);
  MarkDisplayCalls();
  threadsRefused = true;
  const bool started = StartExposure(std::make_shared<const Session>(session));
  threadsRefused = false;
  PumpFor(100);
  Check(!started && LoadField(ExposureState.running) == 0 && StartCaptionShown() &&
            DisplayCalls(1, 1) && !IsWindowVisible(ExposureState.StimulationWindow),
        "a session without its sound worker", "refused, stopped, the display given back");
}

}  // namespace

int main() {
  uiThread = GetCurrentThreadId();
  StartControlPanel(GetModuleHandleA(nullptr));
  kernelExecutionState = ReplaceImport("kernel32.dll", "SetThreadExecutionState", &CountedExecutionState);
  userDefWindowProc = ReplaceImport("user32.dll", "DefWindowProcA", &CountedDefWindowProc);
  userSetWindowText = ReplaceImport("user32.dll", "SetWindowTextA", &CountedSetWindowText);
  kernelCreateThread = ReplaceImport("kernel32.dll", "CreateThread", &RefusableCreateThread);
  if (!kernelExecutionState || !userDefWindowProc || !userSetWindowText || !kernelCreateThread) {
    std::printf("FAIL: the program's code does not import the calls watched\n");
    return 1;
  }

  const char* const paths[] = {"Stop button", "Space", "Esc", "Alt+F4"};
  for (int path = 0; path < 4; path++) {
    MarkDisplayCalls();
    ClickStart();
    PumpFor(300);
    Check(DisplayCalls(1, 0) && ScreenSaverPassedOn() == 0, paths[path],
          "the display asked for once at the Start, the screen saver held off by both windows");
    if (path == 0) {
      PauseExposure();
      Check(DisplayCalls(1, 0) && ScreenSaverPassedOn() == 0, "paused",
            "the display still kept on, the screen saver still held off");
      ResumeExposure();
      ClickStart();
    }
    if (path == 1 || path == 2) PressKey(path == 1 ? VK_SPACE : VK_ESCAPE);
    if (path == 3) SendMessageA(ExposureState.StimulationWindow, WM_CLOSE, 0, 0);
    PumpFor(200);
    Check(LoadField(ExposureState.running) == 0 && DisplayCalls(1, 1), paths[path], "ended, the display given back once");
  }
  Check(ScreenSaverPassedOn() == 4, "after the exposure", "the screen saver passed on by both windows");
  CheckCountdownEnd();
  CheckSessionWithoutWorkers();

  ClickStart();
  PumpFor(200);
  MarkDisplayCalls();
  DestroyWindow(ExposureState.ControlPanel);
  Check(DisplayCalls(0, 1), "panel destroyed during an exposure", "the display given back");
  Check(offThread == 0, "every path", "execution state set on the UI thread only");
  StoreField(ExposureState.running, 0);
  return failures ? 1 : 0;
}
