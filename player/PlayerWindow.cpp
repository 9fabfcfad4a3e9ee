#include "player/PlayerWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "editor/EditorWindow.h"
#include "exposure/ExposureState.h"
#include "exposure/control/ExposureControl.h"
#include "language/Language.h"
#include "language/SessionStrings.h"
#include "language/SessionTexts.h"
#include "platform/FileDialogs.h"
#include "platform/FileNames.h"
#include "platform/ProgramWindow.h"
#include "platform/WindowKeys.h"
#include "player/PlayerStrings.h"
#include "player/PlayerText.h"
#include "player/SessionList.h"
#include "session_format/sbg/SbgSession.h"
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

HWND playerWindow;
HWND sessionList;
HWND openButton;
HWND newButton;
HWND editButton;
HWND pauseButton;
HWND startButton;
HWND patternList;
HWND languageButton;
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
const TextPair* endOfSession;
// The session that plays, whose progress is shown, until it has ended; its
// exposure's workers hold their own shares of it.
std::shared_ptr<const Session> playing;

HWND CreatePlayerControl(HINSTANCE instance, const wchar_t* className, DWORD style,
                         DWORD extendedStyle, ChildPlace place, int id) {
  return CreateChildW(instance, playerWindow, className, L"", style, extendedStyle, place, id);
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
  languageButton = CreatePlayerControl(instance, L"BUTTON", WS_TABSTOP, 0, {285, 122, 165, 28},
                                       PlayerLanguageButtonId);
  descriptionLine =
      CreatePlayerControl(instance, L"STATIC", 0, 0, {10, 158, 440, 18}, DescriptionLineId);
  patternLabel = CreatePlayerControl(instance, L"STATIC", 0, 0, {10, 188, 220, 18}, 0);
  patternList =
      CreatePlayerControl(instance, L"COMBOBOX", WS_TABSTOP | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0,
                          {235, 185, 215, 200}, PatternListId);
  CreateVolumeSlider(instance);
  startButton = CreatePlayerControl(instance, L"BUTTON", WS_TABSTOP, 0, {10, 250, 90, 30},
                                    PlayerStartButtonId);
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
  LRESULT chosen = SendMessageW(patternList, CB_GETCURSEL, 0, 0);
  if (chosen == CB_ERR) chosen = static_cast<LRESULT>(VisualMode::SmoothStrobe);
  FillModeListW(patternList, VisualModeNames, static_cast<int>(chosen));
}

const ListedSession* ChosenListed();

void ShowDescription() {
  const ListedSession* listed = ChosenListed();
  SetText(descriptionLine, listed ? DescribeSession(*listed->session) : "");
}

// Each item holds the index of its session in ListedSessions, where the
// superseded ones stay unlisted.
void AddToList(size_t index) {
  const ListedSession& listed = ListedSessions[index];
  const std::wstring title = WideFromUtf8(ListedTitle(*listed.session, listed.fileName));
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
  if (!LoadSessionFile(path, playerWindow)) return;
  AddToList(ListedSessions.size() - 1);
  SelectLast();
}

// The session played is let go: an editor's lives no longer than the
// workers that read it.
void ShowEndOfSession(const TextPair& text) {
  KillTimer(playerWindow, ProgressTimerId);
  playing.reset();
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
  if (LoadField(ExposureState.running) == 0 || playing == nullptr) {
    ShowEndOfSession(StoppedText);
    return;
  }
  const bool musicFailed = LoadField(ExposureState.musicFailed) == 1;
  SetText(progressLine, SessionProgress(*playing, ProgressMs()) +
                            (musicFailed ? InCurrentLanguage(MusicFailedNote) : ""));
}

// The slider moved: the blocks made from now on take the new level.
void HandleVolumeScroll() {
  const uint32_t level = LowWord(SendMessageW(volumeSlider, TBM_GETPOS, 0, 0));
  StoreField(ExposureState.listenerLevel, level);
  SetText(volumeReadout, std::to_string(level) + " %");
}

void ShowProgress() {
  endOfSession = nullptr;
  SetTimer(playerWindow, ProgressTimerId, ProgressPeriodMs, nullptr);
  UpdateProgress();
}

// The session is given to the exposure, whose workers share it.
void StartSession(const std::shared_ptr<const Session>& session) {
  playing = session;
  if (StartExposure(session))
    ShowProgress();
  else
    ShowEndOfSession(NotStartedText);
}

void HandleStartStop() {
  const ListedSession* listed = ChosenListed();
  if (LoadField(ExposureState.running) == 1)
    StopExposure(false);
  else if (listed != nullptr)
    StartSession(listed->session);
}

void HandleOpen() {
  std::string path;
  if (AskForFile(playerWindow, false, FileFilter(OpenedFilesFilter, "*.txt;*.sbg"), "", nullptr,
                 path))
    LoadFile(WideFromUtf8(path).c_str());
}

void EditNew() { OpenInEditor(playerWindow, NewDocument(), "", EditedName::New); }

// A library session or an .sbg file is edited as a copy, a file of ours as
// itself.
void EditChosen() {
  const ListedSession* listed = ChosenListed();
  SessionDocument document;
  if (!listed || !OpenListedDocument(*listed, document, playerWindow)) return;
  const bool copy = listed->path.empty() || IsSbgFileName(listed->path);
  OpenInEditor(playerWindow, document,
               copy ? ListedTitle(*listed->session, listed->fileName) : listed->fileName,
               copy ? EditedName::LibraryCopy : EditedName::File);
}

// The editor's session, played at once, stopping any that plays.
void PlayEditedSession(const std::shared_ptr<const Session>& session) {
  if (LoadField(ExposureState.running) == 1) StopExposure(true);
  StartSession(session);
}

// The editor has saved this file (a whole path): the list shows it as it is
// now, chosen, in place of what it showed of it before.
void ListSavedSession(const std::wstring& path) {
  SupersedeListed(path);
  const bool listed = LoadSessionFile(path.c_str(), playerWindow);
  FillSessionList();
  if (listed) SelectLast();
}

// Buttons act on a click (code 0); the list on a new selection, by the
// mouse or the arrow keys.
void HandleCommand(WPARAM wParam) {
  const int id = CommandId(playerWindow, wParam);
  const int code = HIWORD(wParam);
  if (id == SessionListId && code == LBN_SELCHANGE) ShowDescription();
  if (code != 0) return;
  if (id == PlayerStartButtonId) HandleStartStop();
  if (id == PlayerLanguageButtonId) {
    ToggleLanguage();
    ApplyPlayerLanguage();
  }
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
  playerWindow = CreateProgramWindowW(instance, PlayerClass, PlayerWidth, PlayerHeight);
  if (playerWindow == nullptr) return false;
  ExposureState.ProgramWindow = playerWindow;
  CreateControls(instance);
  HandleVolumeScroll();
  return true;
}

HWND PlayerWindow() { return playerWindow; }

void ApplyPlayerLanguage() {
  SetText(playerWindow, InCurrentLanguage(PlayerTitle));
  SetText(sessionsLabel, InCurrentLanguage(SessionsLabel));
  SetText(openButton, InCurrentLanguage(OpenCaption));
  SetText(newButton, InCurrentLanguage(NewCaption));
  SetText(editButton, InCurrentLanguage(EditCaption));
  SetPanelText(languageButton, LanguageButtonCaption);
  SetPanelText(patternLabel, InCurrentLanguage(VisualLabel));
  SetText(warningLine, InCurrentLanguage(SafetyWarning));
  SetText(volumeLabel, InCurrentLanguage(VolumeLabel));
  FillSessionList();
  FillPatternList();
  ShowPlaying(LoadField(ExposureState.running) == 1);
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
  ShowPlaying(LoadField(ExposureState.running) == 1);
}

VisualMode PatternChosen() {
  return static_cast<VisualMode>(SendMessageW(patternList, CB_GETCURSEL, 0, 0));
}

// The panel's captions, for the player's Unicode button; Pause is offered
// while a session plays, and says Resume while it is paused.
void ShowPlaying(bool running) {
  const char* caption = InCurrentLanguage(running ? StopCaption : StartCaption);
  SetWindowTextW(startButton, WideFromCodePage1251(caption).c_str());
  const bool paused = running && LoadField(ExposureState.paused) == 1;
  SetText(pauseButton, InCurrentLanguage(paused ? ResumeCaption : PauseCaption));
  // A disabled button keeps no keyboard: Start takes it.
  if (!running && GetFocus() == pauseButton) SetFocus(startButton);
  EnableWindow(pauseButton, running);
}

int RunPlayerMessageLoop() {
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0)) {
    if (HandleEditorKeys(&message)) continue;
    if (IsDialogMessageW(playerWindow, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
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
    case EditorPlaySessionMessage:
      PlayEditedSession(*reinterpret_cast<const std::shared_ptr<const Session>*>(lParam));
      break;
    case EditorSavedFileMessage:
      ListSavedSession(*reinterpret_cast<const std::wstring*>(lParam));
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
