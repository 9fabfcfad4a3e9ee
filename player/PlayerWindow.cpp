#include "player/PlayerWindow.h"

#include <commdlg.h>
#include <shellapi.h>

#include "exposure/ExposureControl.h"
#include "exposure/ExposureSeam.h"
#include "exposure/ExposureState.h"
#include "sound/SessionClock.h"
#include "exposure/WindowKeys.h"
#include "player/PlayerStrings.h"
#include "player/PlayerText.h"
#include "player/SessionList.h"
#include "sound/AudioThread.h"

namespace {

const int IconResource = 101;
const int PlayerWidth = 470;
const int PlayerHeight = 330;
const UINT_PTR ProgressTimerId = 1;
// Four times a second, so the shown second is never more than a quarter late.
const UINT ProgressPeriodMs = 250;
// Should the worker's word that the session has played out never come (the
// worker could not be started), the progress ends the exposure this long
// after the session's length.
const uint32_t EndGraceMs = 3000;

// The player's own controls; the ones the exposure code knows are in
// ExposureState.
HWND sessionList;
HWND openButton;
HWND sessionsLabel;
HWND patternLabel;
HWND descriptionLine;
HWND progressLine;
HWND warningLine;

HWND CreateChild(HINSTANCE instance, const char* className, DWORD style, int x, int y, int width,
                 int height, int id) {
  return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         ExposureState.ControlPanel,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

// A Unicode list, so that file names in any language show.
HWND CreateSessionList(HINSTANCE instance) {
  return CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 10, 30, 260,
                         120, ExposureState.ControlPanel,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(SessionListId)), instance,
                         nullptr);
}

// Tab follows the z-order, which is the order of creation: the window's
// order from top to bottom, left to right.
void CreateControls(HINSTANCE instance) {
  sessionsLabel = CreateChild(instance, "STATIC", 0, 10, 10, 260, 18, 0);
  sessionList = CreateSessionList(instance);
  openButton = CreateChild(instance, "BUTTON", WS_TABSTOP, 285, 30, 165, 28, OpenButtonId);
  ExposureState.languageButton = CreateChild(instance, "BUTTON", WS_TABSTOP, 285, 65, 165, 28,
                                             PlayerLanguageButtonId);
  descriptionLine = CreateChild(instance, "STATIC", 0, 10, 158, 440, 18, 0);
  patternLabel = CreateChild(instance, "STATIC", 0, 10, 188, 220, 18, 0);
  ExposureState.visualList =
      CreateChild(instance, "COMBOBOX", WS_TABSTOP | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 235, 185,
                  215, 200, PatternListId);
  ExposureState.startButton =
      CreateChild(instance, "BUTTON", WS_TABSTOP, 10, 220, 90, 30, PlayerStartButtonId);
  progressLine = CreateChild(instance, "STATIC", 0, 110, 227, 340, 18, 0);
  warningLine = CreateChild(instance, "STATIC", 0, 10, 265, 440, 18, 0);
}

void SetText(HWND control, const std::string& text) { SetWindowTextA(control, text.c_str()); }

void FillPatternList() {
  LRESULT chosen = SendMessageA(ExposureState.visualList, CB_GETCURSEL, 0, 0);
  if (chosen == CB_ERR) chosen = static_cast<LRESULT>(VisualMode::SmoothStrobe);
  SendMessageA(ExposureState.visualList, CB_RESETCONTENT, 0, 0);
  for (int mode = 0; mode < ModeCount; mode++)
    SendMessageA(ExposureState.visualList, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(InCurrentLanguage(VisualModeNames[mode])));
  SendMessageA(ExposureState.visualList, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

void ShowDescription() {
  const Session* session = ChosenSession();
  SetText(descriptionLine, session ? DescribeSession(*session) : "");
}

void AddToList(const ListedSession& listed) {
  SendMessageW(sessionList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(listed.name.c_str()));
}

void SelectLast() {
  SendMessageW(sessionList, LB_SETCURSEL, ListedSessions.size() - 1, 0);
  ShowDescription();
}

void LoadFile(const wchar_t* path) {
  if (!LoadSessionFile(path, ExposureState.ControlPanel)) return;
  AddToList(ListedSessions.back());
  SelectLast();
}

// The exposure has ended by itself, and the screen is given back.
void HandlePlayedOut(WPARAM exposure) {
  if (!HandleSessionPlayedOut(exposure)) return;
  KillTimer(ExposureState.ControlPanel, ProgressTimerId);
  SetText(progressLine, InCurrentLanguage(FinishedText));
}

// The session's time as the light shows it; 0 before its sound is heard.
uint32_t ProgressMs() {
  static ClockReader progressClock;
  uint64_t frame = 0;
  ReadSessionClock(LoadField(ExposureState.exposureNumber), timeGetTime(), progressClock, frame);
  return static_cast<uint32_t>(SessionMsAt(frame));
}

void UpdateProgress() {
  const Session* session = LoadField(ExposureState.session);
  if (LoadField(ExposureState.running) == 0 || session == nullptr) {
    KillTimer(ExposureState.ControlPanel, ProgressTimerId);
    SetText(progressLine, InCurrentLanguage(StoppedText));
    return;
  }
  const uint32_t elapsedMs = ProgressMs();
  SetText(progressLine, SessionProgress(*session, elapsedMs));
  if (elapsedMs >= SessionLengthMs(*session) + EndGraceMs)
    HandlePlayedOut(LoadField(ExposureState.exposureNumber));
}

void HandleStartStop() {
  if (LoadField(ExposureState.running) == 0 && ChosenSession() == nullptr) return;
  HandleStartStopCommand();
  if (LoadField(ExposureState.running) == 0) return;
  SetTimer(ExposureState.ControlPanel, ProgressTimerId, ProgressPeriodMs, nullptr);
  UpdateProgress();
}

void HandleOpen() {
  wchar_t path[MAX_PATH * 4] = L"";
  const std::string filter = std::string(InCurrentLanguage(SessionFilesFilter)) + '\0' +
                             "*.txt" + '\0' + InCurrentLanguage(AllFilesFilter) + '\0' + "*.*" +
                             '\0';
  std::wstring wideFilter(filter.size() + 1, L'\0');
  MultiByteToWideChar(1251, 0, filter.data(), static_cast<int>(filter.size()), &wideFilter[0],
                      static_cast<int>(filter.size()));
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = ExposureState.ControlPanel;
  dialog.lpstrFilter = wideFilter.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path / sizeof path[0];
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&dialog)) LoadFile(path);
}

void ToggleLanguage() {
  StoreField(ExposureState.language, OtherLanguage(LoadField(ExposureState.language)));
  ApplyPlayerLanguage();
}

// Buttons act on a click (code 0); the list on a new selection, by the
// mouse or the arrow keys.
void HandleCommand(WPARAM wParam) {
  const int id = CommandId(wParam);
  const int code = HIWORD(wParam);
  if (id == SessionListId && code == LBN_SELCHANGE) ShowDescription();
  if (code != 0) return;
  if (id == PlayerStartButtonId) HandleStartStop();
  if (id == PlayerLanguageButtonId) ToggleLanguage();
  if (id == OpenButtonId) HandleOpen();
}

}  // namespace

void CreatePlayerWindow(HINSTANCE instance) {
  WNDCLASSA playerClass = {};
  playerClass.lpfnWndProc = PlayerWindowProc;
  playerClass.hInstance = instance;
  playerClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IconResource));
  playerClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  playerClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  playerClass.lpszClassName = "TessovantSessionWindow";
  RegisterClassA(&playerClass);
  ExposureState.ControlPanel = CreateWindowExA(
      0, "TessovantSessionWindow", "", WS_OVERLAPPED | WS_VISIBLE | WS_SYSMENU | WS_MINIMIZEBOX,
      GetSystemMetrics(SM_CXSCREEN) / 2 - PlayerWidth / 2, 50, PlayerWidth, PlayerHeight, nullptr,
      nullptr, instance, nullptr);
  CreateControls(instance);
  for (const ListedSession& listed : ListedSessions) AddToList(listed);
}

void ApplyPlayerLanguage() {
  SetWindowTextA(ExposureState.ControlPanel, InCurrentLanguage(PlayerTitle));
  SetWindowTextA(sessionsLabel, InCurrentLanguage(SessionsLabel));
  SetWindowTextA(openButton, InCurrentLanguage(OpenCaption));
  SetWindowTextA(ExposureState.languageButton, LanguageButtonCaption);
  SetWindowTextA(patternLabel, InCurrentLanguage(PatternLabel));
  SetWindowTextA(warningLine, InCurrentLanguage(SafetyWarning));
  FillPatternList();
  ShowExposureRunning(LoadField(ExposureState.running) == 1);
  ShowDescription();
}

void LoadCommandLineSessions() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; arguments != nullptr && i < count; i++) LoadFile(arguments[i]);
  LocalFree(arguments);
  if (SendMessageW(sessionList, LB_GETCURSEL, 0, 0) == LB_ERR && !ListedSessions.empty()) {
    SendMessageW(sessionList, LB_SETCURSEL, 0, 0);
    ShowDescription();
  }
}

const Session* ChosenSession() {
  const LRESULT chosen = SendMessageW(sessionList, LB_GETCURSEL, 0, 0);
  if (chosen == LB_ERR || static_cast<size_t>(chosen) >= ListedSessions.size()) return nullptr;
  return &ListedSessions[static_cast<size_t>(chosen)].session;
}

LRESULT CALLBACK PlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      HandleCommand(wParam);
      break;
    case WM_TIMER:
      UpdateProgress();
      break;
    case SessionPlayedOutMessage:
      HandlePlayedOut(wParam);
      break;
    case WM_SYSCOMMAND:
      if (HoldsOffScreenSaver(wParam)) return 0;
      break;
    case WM_DESTROY:
      EndExposureOnClose();
      PostQuitMessage(0);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
