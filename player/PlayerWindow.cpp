#include "player/PlayerWindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <deque>
#include <string>

#include "exposure/control/ExposureControl.h"
#include "exposure/control/ExposureSeam.h"
#include "exposure/ExposureState.h"
#include "platform/WindowKeys.h"
#include "language/Language.h"
#include "platform/FileNames.h"
#include "platform/ProgramWindow.h"
#include "editor/EditorWindow.h"
#include "player/PlayerStrings.h"
#include "player/PlayerText.h"
#include "player/SessionList.h"
#include "sound/AudioThread.h"
#include "sound/SessionClock.h"

namespace {

const wchar_t PlayerClass[] = L"TessovantSessionWindow";
const int IconResource = 101;
const int PlayerWidth = 470;
const int PlayerHeight = 390;
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
HWND newButton;
HWND editButton;
HWND pauseButton;
HWND sessionsLabel;
HWND patternLabel;
HWND descriptionLine;
HWND volumeLabel;
HWND volumeSlider;
HWND volumeReadout;
HWND progressLine;
HWND warningLine;
// What the progress line says once no session plays, or nullptr while one
// plays or before the first: it follows a language switch.
const Utf8Pair* endOfSession;
// The editor's sessions that were played, and the one the next Start plays.
std::deque<Session> playedCopies;
const Session* copyToStart;

HWND CreatePlayerControl(HINSTANCE instance, const wchar_t* className, DWORD style,
                         DWORD extendedStyle, ChildPlace place, int id) {
  return CreateChildW(instance, ExposureState.ControlPanel, className, L"", style, extendedStyle,
                      place, id);
}

// The listener's level, 0..100 %, by a slider that the arrow keys, Page Up
// and Page Down, Home and End move too.
void CreateVolumeSlider(HINSTANCE instance) {
  volumeLabel = CreatePlayerControl(instance, L"STATIC", 0, 0, {10, 218, 220, 18}, 0);
  volumeSlider = CreatePlayerControl(instance, TRACKBAR_CLASSW, WS_TABSTOP | TBS_NOTICKS, 0,
                                     {235, 215, 170, 24}, VolumeSliderId);
  volumeReadout =
      CreatePlayerControl(instance, L"STATIC", SS_RIGHT, 0, {410, 218, 40, 18}, VolumeReadoutId);
  SendMessageW(volumeSlider, TBM_SETRANGE, TRUE, MAKELPARAM(0, FullListenerLevel));
  SendMessageW(volumeSlider, TBM_SETPAGESIZE, 0, 10);
  SendMessageW(volumeSlider, TBM_SETPOS, TRUE, FullListenerLevel);
}

// Tab follows the z-order, which is the order of creation: the window's
// order from top to bottom, left to right. Pause is offered only while a
// session plays.
void CreateControls(HINSTANCE instance) {
  sessionsLabel = CreatePlayerControl(instance, L"STATIC", 0, 0, {10, 10, 260, 18}, 0);
  sessionList = CreatePlayerControl(instance, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY,
                                    WS_EX_CLIENTEDGE, {10, 30, 260, 120}, SessionListId);
  openButton =
      CreatePlayerControl(instance, L"BUTTON", WS_TABSTOP, 0, {285, 30, 165, 28}, OpenButtonId);
  newButton =
      CreatePlayerControl(instance, L"BUTTON", WS_TABSTOP, 0, {285, 65, 80, 28}, NewButtonId);
  editButton =
      CreatePlayerControl(instance, L"BUTTON", WS_TABSTOP, 0, {370, 65, 80, 28}, EditButtonId);
  ExposureState.languageButton = CreatePlayerControl(instance, L"BUTTON", WS_TABSTOP, 0,
                                                     {285, 122, 165, 28}, PlayerLanguageButtonId);
  descriptionLine =
      CreatePlayerControl(instance, L"STATIC", 0, 0, {10, 158, 440, 18}, DescriptionLineId);
  patternLabel = CreatePlayerControl(instance, L"STATIC", 0, 0, {10, 188, 220, 18}, 0);
  ExposureState.visualList =
      CreatePlayerControl(instance, L"COMBOBOX", WS_TABSTOP | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0,
                          {235, 185, 215, 200}, PatternListId);
  CreateVolumeSlider(instance);
  ExposureState.startButton = CreatePlayerControl(instance, L"BUTTON", WS_TABSTOP, 0,
                                                  {10, 250, 90, 30}, PlayerStartButtonId);
  pauseButton = CreatePlayerControl(instance, L"BUTTON", WS_TABSTOP | WS_DISABLED, 0,
                                    {110, 250, 90, 30}, PauseButtonId);
  progressLine = CreatePlayerControl(instance, L"STATIC", 0, 0, {10, 292, 440, 18}, ProgressLineId);
  warningLine = CreatePlayerControl(instance, L"STATIC", 0, 0, {10, 322, 440, 18}, 0);
}

void SetText(HWND control, const std::string& utf8) {
  SetWindowTextW(control, WideFromUtf8(utf8).c_str());
}

// The texts the player shares with the panel, from the panel's table.
void SetPanelText(HWND control, const char* windows1251) {
  SetWindowTextW(control, WideFromCodePage1251(windows1251).c_str());
}

void FillPatternList() {
  LRESULT chosen = SendMessageW(ExposureState.visualList, CB_GETCURSEL, 0, 0);
  if (chosen == CB_ERR) chosen = static_cast<LRESULT>(VisualMode::SmoothStrobe);
  FillModeListW(ExposureState.visualList, VisualModeNames, static_cast<int>(chosen));
}

void ShowDescription() {
  const Session* session = ChosenSession();
  SetText(descriptionLine, session ? DescribeSession(*session) : "");
}

// Each item holds the index of its session in ListedSessions, where the
// superseded ones stay unlisted.
void AddToList(size_t index) {
  const ListedSession& listed = ListedSessions[index];
  const std::wstring title = WideFromUtf8(ListedTitle(listed.session, listed.fileName));
  const LRESULT item =
      SendMessageW(sessionList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
  SendMessageW(sessionList, LB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(index));
}

const ListedSession* ChosenListed() {
  const LRESULT chosen = SendMessageW(sessionList, LB_GETCURSEL, 0, 0);
  if (chosen == LB_ERR) return nullptr;
  const LRESULT index = SendMessageW(sessionList, LB_GETITEMDATA, static_cast<WPARAM>(chosen), 0);
  if (index < 0 || static_cast<size_t>(index) >= ListedSessions.size()) return nullptr;
  return &ListedSessions[static_cast<size_t>(index)];
}

// Every title again in the current language, the chosen one still chosen.
void FillSessionList() {
  const ListedSession* chosen = ChosenListed();
  SendMessageW(sessionList, LB_RESETCONTENT, 0, 0);
  for (size_t i = 0; i < ListedSessions.size(); i++) {
    if (ListedSessions[i].superseded) continue;
    AddToList(i);
    if (&ListedSessions[i] == chosen)
      SendMessageW(sessionList, LB_SETCURSEL, SendMessageW(sessionList, LB_GETCOUNT, 0, 0) - 1, 0);
  }
}

void SelectLast() {
  SendMessageW(sessionList, LB_SETCURSEL, SendMessageW(sessionList, LB_GETCOUNT, 0, 0) - 1, 0);
  ShowDescription();
}

void LoadFile(const wchar_t* path) {
  if (!LoadSessionFile(path, ExposureState.ControlPanel)) return;
  AddToList(ListedSessions.size() - 1);
  SelectLast();
}

void ShowEndOfSession(const Utf8Pair& text) {
  KillTimer(ExposureState.ControlPanel, ProgressTimerId);
  endOfSession = &text;
  SetText(progressLine, InCurrentLanguage(text));
}

// The exposure has ended by itself, and the screen is given back.
void HandlePlayedOut(WPARAM exposure) {
  if (HandleSessionPlayedOut(exposure)) ShowEndOfSession(FinishedText);
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
    ShowEndOfSession(StoppedText);
    return;
  }
  const uint32_t elapsedMs = ProgressMs();
  const bool musicFailed = LoadField(ExposureState.musicFailed) == 1;
  SetText(progressLine, SessionProgress(*session, elapsedMs) +
                            (musicFailed ? InCurrentLanguage(MusicFailedNote) : ""));
  if (elapsedMs >= SessionLengthMs(*session) + EndGraceMs)
    HandlePlayedOut(LoadField(ExposureState.exposureNumber));
}

// The slider moved: the blocks made from now on take the new level.
void HandleVolumeScroll() {
  const uint32_t level = LowWord(SendMessageW(volumeSlider, TBM_GETPOS, 0, 0));
  StoreField(ExposureState.listenerLevel, level);
  SetText(volumeReadout, std::to_string(level) + " %");
}

void ShowProgress() {
  endOfSession = nullptr;
  SetTimer(ExposureState.ControlPanel, ProgressTimerId, ProgressPeriodMs, nullptr);
  UpdateProgress();
}

void HandleStartStop() {
  if (LoadField(ExposureState.running) == 0 && ChosenSession() == nullptr) return;
  HandleStartStopCommand();
  if (LoadField(ExposureState.running) == 1) ShowProgress();
}

void HandleOpen() {
  wchar_t path[MAX_PATH * 4] = L"";
  const std::wstring filter = FileFilter(SessionFilesFilter, "*.txt");
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = ExposureState.ControlPanel;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path / sizeof path[0];
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&dialog)) LoadFile(path);
}

void EditNew() {
  OpenInEditor(GetModuleHandleW(nullptr), NewDocument(), "", EditedName::New);
}

// A library session is edited as a copy, a file as itself.
void EditChosen() {
  const ListedSession* listed = ChosenListed();
  SessionDocument document;
  if (!listed || !OpenListedDocument(*listed, document, ExposureState.ControlPanel)) return;
  const bool library = listed->path.empty();
  OpenInEditor(GetModuleHandleW(nullptr), document,
               library ? ListedTitle(listed->session, listed->fileName) : listed->fileName,
               library ? EditedName::LibraryCopy : EditedName::File);
}

// Buttons act on a click (code 0); the list on a new selection, by the
// mouse or the arrow keys.
void HandleCommand(WPARAM wParam) {
  const int id = CommandId(wParam);
  const int code = HIWORD(wParam);
  if (id == SessionListId && code == LBN_SELCHANGE) ShowDescription();
  if (code != 0) return;
  if (id == PlayerStartButtonId) HandleStartStop();
  if (id == PlayerLanguageButtonId) ToggleLanguage(ApplyPlayerLanguage);
  if (id == OpenButtonId) HandleOpen();
  if (id == PauseButtonId) TogglePause();
  if (id == NewButtonId) EditNew();
  if (id == EditButtonId) EditChosen();
}

}  // namespace

bool CreatePlayerWindow(HINSTANCE instance) {
  const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterProgramClassW(instance, PlayerClass, PlayerWindowProc, IconResource,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  ExposureState.ControlPanel =
      CreateProgramWindowW(instance, PlayerClass, PlayerWidth, PlayerHeight);
  if (ExposureState.ControlPanel == nullptr) return false;
  CreateControls(instance);
  HandleVolumeScroll();
  return true;
}

void ApplyPlayerLanguage() {
  SetText(ExposureState.ControlPanel, InCurrentLanguage(PlayerTitle));
  SetText(sessionsLabel, InCurrentLanguage(SessionsLabel));
  SetText(openButton, InCurrentLanguage(OpenCaption));
  SetText(newButton, InCurrentLanguage(NewCaption));
  SetText(editButton, InCurrentLanguage(EditCaption));
  SetPanelText(ExposureState.languageButton, LanguageButtonCaption);
  SetPanelText(patternLabel, InCurrentLanguage(VisualLabel));
  SetText(warningLine, InCurrentLanguage(SafetyWarning));
  SetText(volumeLabel, InCurrentLanguage(VolumeLabel));
  FillSessionList();
  FillPatternList();
  ShowExposureRunning(LoadField(ExposureState.running) == 1);
  ShowDescription();
  if (endOfSession != nullptr) SetText(progressLine, InCurrentLanguage(*endOfSession));
  ApplyEditorLanguage();
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

void TogglePause() {
  if (LoadField(ExposureState.paused) == 1)
    ResumeExposure();
  else
    PauseExposure();
  ShowPauseState();
}

void ShowPauseState() {
  const bool playing = LoadField(ExposureState.running) == 1;
  const bool paused = playing && LoadField(ExposureState.paused) == 1;
  SetText(pauseButton, InCurrentLanguage(paused ? ResumeCaption : PauseCaption));
  // A disabled button keeps no keyboard: Start takes it.
  if (!playing && GetFocus() == pauseButton) SetFocus(ExposureState.startButton);
  EnableWindow(pauseButton, playing);
}

const Session* ChosenSession() {
  const ListedSession* listed = ChosenListed();
  return listed ? &listed->session : nullptr;
}

const Session* TakeSessionToStart() {
  const Session* session = copyToStart ? copyToStart : ChosenSession();
  copyToStart = nullptr;
  return session;
}

void PlayEditedSession(const Session& session) {
  playedCopies.push_back(session);
  copyToStart = &playedCopies.back();
  if (LoadField(ExposureState.running) == 1) StopExposure(true);
  StartExposure();
  ShowProgress();
}

void ListSavedSession(const std::wstring& path) {
  SupersedeListed(path);
  const bool listed = LoadSessionFile(path.c_str(), ExposureState.ControlPanel);
  FillSessionList();
  if (listed) SelectLast();
}

// Pairs of a name and its pattern, each ended by a null, and a null after
// the last pair.
std::wstring FileFilter(const Utf8Pair& files, const char* pattern) {
  const std::string filter = std::string(InCurrentLanguage(files)) + '\0' + pattern + '\0' +
                             InCurrentLanguage(AllFilesFilter) + '\0' + "*.*" + '\0';
  return WideFromUtf8(filter);
}

LRESULT CALLBACK PlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      HandleCommand(wParam);
      break;
    case WM_TIMER:
      UpdateProgress();
      break;
    case WM_HSCROLL:
      HandleVolumeScroll();
      break;
    case SessionPlayedOutMessage:
      HandlePlayedOut(wParam);
      break;
    case WM_SYSCOMMAND:
      if (HoldsOffScreenSaver(wParam)) return 0;
      break;
    case WM_CLOSE:
      if (!EditorLetsGo()) return 0;
      break;
    case WM_DESTROY:
      EndExposureOnClose();
      PostQuitMessage(0);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
