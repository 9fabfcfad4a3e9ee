#include "DriverActions.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "DriverReport.h"

namespace {

// A program that does not answer within this time counts as hung.
constexpr UINT AnswerTimeoutMs = 5000;

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, AnswerTimeoutMs,
                             result ? result : &ignored) != 0;
}

bool SendCommand(const PanelControls& c, int id, int code) {
  HWND source = id == 10 ? c.startButton : id == 9 ? c.languageButton : nullptr;
  return SendWithTimeout(c.panel, WM_COMMAND, MAKEWPARAM(id, code),
                         reinterpret_cast<LPARAM>(source), nullptr);
}

void WaitUntil(long long atMs) {
  long long left = atMs - NowMs();
  if (left > 30) Sleep(static_cast<DWORD>(left - 30));
  while (NowMs() < atMs) {
  }
}

int Missing(const char* what) {
  printf("error=%s not found\n", what);
  return 1;
}

bool FieldReadOnly(HWND field) { return (GetWindowLongPtrA(field, GWL_STYLE) & ES_READONLY) != 0; }

bool PanelReady(const PanelControls& c) {
  return c.panel && c.startButton && !AnsiText(c.panel).empty() &&
         !AnsiText(c.startButton).empty() && c.visualList &&
         SendMessageW(c.visualList, CB_GETCOUNT, 0, 0) == 5;
}

}  // namespace

int WaitForPanel(DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    if (PanelReady(FindPanelControls())) {
      printf("panel=ready\nwaited=%lu\n", static_cast<unsigned long>(GetTickCount() - start));
      return 0;
    }
    Sleep(20);
  }
  return Missing("panel");
}

int WaitForStimulation(bool visible, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  do {
    HWND window = FindWindowA("PaintWindow", nullptr);
    if (window && (IsWindowVisible(window) != 0) == visible) {
      printf("stimulation.visible=%d\nwaited=%lu\nt=%lld\n", visible ? 1 : 0,
             static_cast<unsigned long>(GetTickCount() - start), NowMs());
      return 0;
    }
    Sleep(5);
  } while (GetTickCount() - start < timeoutMs);
  printf("error=stimulation window did not become %s\n", visible ? "visible" : "hidden");
  return 1;
}

int ClickButton(const PanelControls& c, const char* which) {
  HWND button = strcmp(which, "start") == 0 ? c.startButton
                : strcmp(which, "language") == 0 ? c.languageButton
                                                  : nullptr;
  if (!button) return Missing(which);
  long long before = NowMs();
  bool answered = SendWithTimeout(button, BM_CLICK, 0, 0, nullptr);
  printf("t=%lld\nelapsed=%lld\nanswered=%d\n", NowMs(), NowMs() - before, answered ? 1 : 0);
  PrintText("start", AnsiText(c.startButton));
  return answered ? 0 : 1;
}

int SendCommands(const PanelControls& c, int count, char** ids) {
  if (!c.panel) return Missing("panel");
  for (int i = 0; i < count; ++i) {
    long long before = NowMs();
    bool answered = SendCommand(c, atoi(ids[i]), 0);
    long long after = NowMs();
    printf("command.%d=%s\ncommand.%d.t=%lld\ncommand.%d.elapsed=%lld\n", i, ids[i], i, after, i,
           after - before);
    if (!answered) {
      printf("error=no answer to command %s within %u ms\n", ids[i], AnswerTimeoutMs);
      return 1;
    }
  }
  PrintText("start", AnsiText(c.startButton));
  return 0;
}

int SendCommandWithCode(const PanelControls& c, int id, int code) {
  if (!c.panel) return Missing("panel");
  bool answered = SendCommand(c, id, code);
  printf("answered=%d\n", answered ? 1 : 0);
  return answered ? 0 : 1;
}

int PostCommandBurst(const PanelControls& c, int cycles) {
  if (!c.panel || !c.durationField) return Missing("panel");
  // Start, Stop, Start queued back to back, far within a quarter second, as
  // quick clicks would be. Behind them, in the same thread's queue, goes a
  // marker: the duration field made read-only. Its style is watched without
  // sending the program anything, since a message sent to a thread that
  // waits wrongly can wake it and hide the hang this is looking for.
  long long before = NowMs();
  for (int i = 0; i < cycles; ++i) {
    for (int k = 0; k < 3; ++k) {
      PostMessageA(c.panel, WM_COMMAND, MAKEWPARAM(10, 0), reinterpret_cast<LPARAM>(c.startButton));
    }
  }
  PostMessageA(c.durationField, EM_SETREADONLY, TRUE, 0);
  printf("posted.elapsed=%lld\n", NowMs() - before);
  const long long limitMs = 3000LL * cycles;
  while (!FieldReadOnly(c.durationField) && NowMs() - before < limitMs) Sleep(5);
  bool handled = FieldReadOnly(c.durationField);
  printf("handled=%d\nhandled.elapsed=%lld\n", handled ? 1 : 0, NowMs() - before);
  SendWithTimeout(c.durationField, EM_SETREADONLY, FALSE, 0, nullptr);
  PrintText("start", AnsiText(c.startButton));
  return handled ? 0 : 1;
}

int StopRightAtEnd(const PanelControls& c, long long atMs) {
  if (!c.startButton) return Missing("startButton");
  std::string stopCaption = AnsiText(c.startButton);
  WaitUntil(atMs);
  long long clicked = NowMs();
  if (!SendCommand(c, 10, 0)) return Missing("answer to the first click");
  long long newStart = NowMs();
  // If the countdown got there first, this click has already started anew.
  bool endedFirst = AnsiText(c.startButton) == stopCaption;
  if (!endedFirst) {
    if (!SendCommand(c, 10, 0)) return Missing("answer to the second click");
    newStart = NowMs();
  }
  printf("clicked.t=%lld\norder=%s\nrestarted.t=%lld\n", clicked,
         endedFirst ? "ended-then-started" : "stopped-then-started", newStart);
  PrintText("start", AnsiText(c.startButton));
  return 0;
}

int SelectListItem(const PanelControls& c, const char* which, int index) {
  HWND list = strcmp(which, "sound") == 0 ? c.soundList
              : strcmp(which, "visual") == 0 ? c.visualList
                                              : nullptr;
  if (!list) return Missing(which);
  SendMessageW(list, CB_SETCURSEL, index, 0);
  printf("sel=%ld\n", static_cast<long>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
  return 0;
}

int SetDurationText(const PanelControls& c, const char* text) {
  if (!c.durationField) return Missing("durationField");
  SendMessageA(c.durationField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  PrintText("duration", AnsiText(c.durationField));
  return 0;
}

int PasteDurationText(const PanelControls& c, const char* text) {
  if (!c.durationField) return Missing("durationField");
  size_t size = strlen(text) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) return Missing("clipboard");
  EmptyClipboard();
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  // Replaces the whole field, as select-all and Ctrl+V would.
  SendMessageA(c.durationField, EM_SETSEL, 0, -1);
  SendMessageA(c.durationField, WM_PASTE, 0, 0);
  PrintText("duration", AnsiText(c.durationField));
  return 0;
}

int SetFrequency(const PanelControls& c, int frequency) {
  if (!c.frequencySpin || !c.panel) return Missing("frequencySpin");
  // What a click on the arrows leaves behind: a new position, then the
  // up-down's scroll notifications to its parent.
  SendMessageA(c.frequencySpin, UDM_SETPOS, 0, MAKELPARAM(frequency, 0));
  LPARAM source = reinterpret_cast<LPARAM>(c.frequencySpin);
  SendWithTimeout(c.panel, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, frequency), source, nullptr);
  SendWithTimeout(c.panel, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, frequency), source, nullptr);
  PrintText("readout", AnsiText(c.readout));
  return 0;
}

int WatchStartCaption(const PanelControls& c, DWORD timeoutMs) {
  if (!c.startButton) return Missing("startButton");
  std::string before = AnsiText(c.startButton);
  long long start = NowMs();
  PrintText("before", before);
  while (NowMs() - start < timeoutMs) {
    std::string now = AnsiText(c.startButton);
    if (now != before) {
      printf("changed.t=%lld\n", NowMs());
      PrintText("after", now);
      return 0;
    }
    Sleep(1);
  }
  printf("error=caption unchanged for %lu ms\n", static_cast<unsigned long>(timeoutMs));
  return 1;
}

int Ping(const PanelControls& c, DWORD timeoutMs) {
  if (!c.panel) return Missing("panel");
  long long before = NowMs();
  DWORD_PTR ignored = 0;
  bool answered =
      SendMessageTimeoutA(c.panel, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
  printf("answered=%d\nelapsed=%lld\n", answered ? 1 : 0, NowMs() - before);
  return answered ? 0 : 1;
}

int BringPanelForward(const PanelControls& c) {
  if (!c.panel) return Missing("panel");
  SetForegroundWindow(c.panel);
  Sleep(200);
  printf("foreground=%s\n", NameOfWindow(c, GetForegroundWindow()).c_str());
  return 0;
}

int CloseAndWait(const PanelControls& controls, DWORD timeoutMs) {
  // The session player closes the same way.
  PanelControls c = controls;
  if (!c.panel) c.panel = FindWindowA("TessovantSessionWindow", nullptr);
  if (!c.panel) return Missing("panel");
  DWORD processId = 0;
  GetWindowThreadProcessId(c.panel, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
  if (!process) return Missing("process");
  // The close box's path: WM_CLOSE, then the default destroys the window.
  PostMessageA(c.panel, WM_CLOSE, 0, 0);
  long long before = NowMs();
  DWORD waited = WaitForSingleObject(process, timeoutMs);
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(process, &exitCode);
  CloseHandle(process);
  printf("ended=%d\nexit=%lu\nelapsed=%lld\n", waited == WAIT_OBJECT_0 ? 1 : 0,
         static_cast<unsigned long>(exitCode), NowMs() - before);
  return waited == WAIT_OBJECT_0 ? 0 : 1;
}
