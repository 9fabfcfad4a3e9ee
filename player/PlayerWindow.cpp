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
#include "platform/Monitors.h"
#include "platform/ProgramWindow.h"
#include "platform/WindowDpi.h"
#include "platform/WindowKeys.h"
#include "player/PlayerStrings.h"
#include "player/PlayerText.h"
#include "player/SessionList.h"
#include "player/SettingsStore.h"
#include "session_format/sbg/SbgSession.h"
#include "sound/AudioThread.h"
#include "sound/SessionClock.h"
#include "visual/display_rate/DisplayFlicker.h"
#include "visual/window/StimulationWindow.h"

namespace {

const wchar_t PlayerClass[] = L"TessovantSessionWindow";
const int IconResource = 101;
// The client area at 96 DPI; every length is scaled to the window's DPI.
const int PlayerClientWidth = 460;
const int PlayerClientHeight = 386;
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
HWND displayLine;
HFONT playerFont;  // the message font at the window's DPI
int playerDpi = DefaultDpi;
// As read at start, and as each setting was last written.
PlayerSettings settings;
// What the progress line says once no session plays, or nullptr while one
// plays or before the first: it follows a language switch.
const TextPair* endOfSession;
// The session that plays, whose progress is shown, until it has ended; its
// exposure's workers hold their own shares of it.
std::shared_ptr<const Session> playing;

struct PlayerControl {
  HWND* handle;
  const wchar_t* className;
  DWORD style;
  DWORD extendedStyle;
  ChildPlace place;  // at 96 DPI; a list's holds its dropped-down height
  int id;
};

// Tab follows the z-order, which is the order of creation: the window's
// order from top to bottom, left to right. Pause is offered only while a
// session plays. The display's line has room for two lines of text.
const PlayerControl Controls[] = {
    {&sessionsLabel, L"STATIC", 0, 0, {10, 10, 260, 18}, 0},
    {&sessionList, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE,
     {10, 30, 260, 120}, SessionListId},
    {&openButton, L"BUTTON", WS_TABSTOP, 0, {285, 30, 165, 28}, OpenButtonId},
    {&newButton, L"BUTTON", WS_TABSTOP, 0, {285, 65, 80, 28}, NewButtonId},
    {&editButton, L"BUTTON", WS_TABSTOP, 0, {370, 65, 80, 28}, EditButtonId},
    {&languageButton, L"BUTTON", WS_TABSTOP, 0, {285, 122, 165, 28}, PlayerLanguageButtonId},
    {&descriptionLine, L"STATIC", 0, 0, {10, 158, 440, 18}, DescriptionLineId},
    {&displayLine, L"STATIC", SS_NOPREFIX, 0, {10, 180, 440, 34}, DisplayLineId},
    {&patternLabel, L"STATIC", 0, 0, {10, 224, 220, 18}, 0},
    {&patternList, L"COMBOBOX", WS_TABSTOP | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0,
     {235, 221, 215, 200}, PatternListId},
    // The listener's level, 0..100 %, by a slider that the arrow keys, Page
    // Up and Page Down, Home and End move too.
    {&volumeLabel, L"STATIC", 0, 0, {10, 254, 220, 18}, 0},
    {&volumeSlider, TRACKBAR_CLASSW, WS_TABSTOP | TBS_NOTICKS, 0, {235, 251, 170, 24},
     VolumeSliderId},
    {&volumeReadout, L"STATIC", SS_RIGHT, 0, {410, 254, 40, 18}, VolumeReadoutId},
    {&startButton, L"BUTTON", WS_TABSTOP, 0, {10, 286, 90, 30}, PlayerStartButtonId},
    {&pauseButton, L"BUTTON", WS_TABSTOP | WS_DISABLED, 0, {110, 286, 90, 30}, PauseButtonId},
    {&progressLine, L"STATIC", 0, 0, {10, 328, 440, 18}, ProgressLineId},
    {&warningLine, L"STATIC", 0, 0, {10, 358, 440, 18}, 0},
};

void CreateControls(HINSTANCE instance) {
  for (const PlayerControl& control : Controls)
    *control.handle = CreateChildW(instance, playerWindow, control.className, L"", control.style,
                                   control.extendedStyle, control.place, control.id);
  SendMessageW(volumeSlider, TBM_SETRANGE, TRUE, MAKELPARAM(0, FullListenerLevel));
  SendMessageW(volumeSlider, TBM_SETPAGESIZE, 0, 10);
  SendMessageW(volumeSlider, TBM_SETPOS, TRUE, FullListenerLevel);
}

// Every control at the DPI, in the message font made for it.
void TakeDpi(int dpi) {
  playerDpi = dpi;
  for (const PlayerControl& control : Controls)
    MoveChild(*control.handle, ScaledPlace(control.place, dpi));
  HFONT old = playerFont;
  playerFont = CreateMessageFont(dpi);
  SetChildrenFont(playerWindow, playerFont);
  if (old) DeleteObject(old);
  InvalidateRect(playerWindow, nullptr, TRUE);
}

SIZE PlayerFrameSize(int dpi) {
  return FrameSizeForClient(ScaledForDpi(PlayerClientWidth, dpi),
                            ScaledForDpi(PlayerClientHeight, dpi), ProgramWindowStyle, 0, dpi);
}

// Made at 96 DPI, then sized, still centred, for the DPI of its monitor.
void SizeForItsDpi() {
  const int dpi = WindowDpi(playerWindow);
  RECT made;
  GetWindowRect(playerWindow, &made);
  const SIZE frame = PlayerFrameSize(dpi);
  const int centre = (made.left + made.right) / 2;
  SetWindowPos(playerWindow, nullptr, centre - frame.cx / 2, made.top, frame.cx, frame.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  TakeDpi(dpi);
}

// Moved to a monitor of another scaling: the place Windows suggests, the
// layout and the font anew, and what that monitor can show.
void HandleDpiChanged(WPARAM wParam, const RECT* suggested) {
  SetWindowPos(playerWindow, nullptr, suggested->left, suggested->top,
               suggested->right - suggested->left, suggested->bottom - suggested->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  TakeDpi(HIWORD(wParam));
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
  if (chosen == CB_ERR) chosen = static_cast<LRESULT>(settings.pattern);
  FillModeListW(patternList, VisualModeNames, static_cast<int>(chosen));
}

const ListedSession* ChosenListed();

// What the monitor the player is on cannot show of the chosen session with
// the chosen pattern, said before it is started.
void ShowDisplayWarning() {
  const ListedSession* listed = ChosenListed();
  const uint32_t refreshHz = UsableRefreshHz(ReportedRefreshHz(playerWindow));
  SetText(displayLine,
          listed ? DisplayFlickerWarning(
                       SegmentsDisplayCannotShow(*listed->session, PatternChosen(), refreshHz),
                       refreshHz)
                 : "");
}

void ShowDescription() {
  const ListedSession* listed = ChosenListed();
  SetText(descriptionLine, listed ? DescribeSession(*listed->session) +
                                        ScaledToneSetsNote(listed->scaledToneSets)
                                  : "");
  ShowDisplayWarning();
}

// A setting is written when it differs from what is stored.
void KeepNumber(const char* name, uint32_t& stored, uint32_t now) {
  if (stored == now) return;
  stored = now;
  StoreSetting(name, NumberValue(now));
}

void KeepText(const char* name, std::string& stored, const std::string& now) {
  if (stored == now) return;
  stored = now;
  StoreSetting(name, TextValue(now));
}

// A file opened or saved joins the list of the next start.
void KeepRecentFile(const std::string& path) {
  if (RememberFile(settings.recentFiles, path))
    StoreSetting("RecentFiles", TextListValue(settings.recentFiles));
}

void KeepFolder() { KeepText("Folder", settings.folder, DialogsFolder()); }

void KeepEditorPlace(const EditorPlace& place) {
  const EditorPlace& was = settings.editor;
  if (was.left == place.left && was.top == place.top && was.width == place.width &&
      was.height == place.height)
    return;
  settings.editor = place;
  StoreSetting("EditorLeft", NumberValue(static_cast<uint32_t>(place.left)));
  StoreSetting("EditorTop", NumberValue(static_cast<uint32_t>(place.top)));
  StoreSetting("EditorWidth", NumberValue(static_cast<uint32_t>(place.width)));
  StoreSetting("EditorHeight", NumberValue(static_cast<uint32_t>(place.height)));
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

// A file opened, from the command line too, is chosen and remembered.
void LoadFile(const wchar_t* path) {
  if (!LoadSessionFile(path, playerWindow, true)) return;
  AddToList(ListedSessions.size() - 1);
  SelectLast();
  KeepRecentFile(ListedSessions.back().path);
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

// The slider moved: the blocks made from now on take the new level; once
// it is let go, the level is kept for the next start.
void HandleVolumeScroll(WPARAM wParam) {
  const uint32_t level = LowWord(SendMessageW(volumeSlider, TBM_GETPOS, 0, 0));
  StoreField(ExposureState.listenerLevel, level);
  SetText(volumeReadout, std::to_string(level) + " %");
  if (LOWORD(wParam) == TB_ENDTRACK) KeepNumber("Volume", settings.volume, level);
}

void ShowProgress() {
  endOfSession = nullptr;
  SetTimer(playerWindow, ProgressTimerId, ProgressPeriodMs, nullptr);
  UpdateProgress();
}

// The session is given to the exposure, whose workers share it; its light
// covers the monitor the player is on, at that monitor's own pixels.
void StartSession(const std::shared_ptr<const Session>& session) {
  playing = session;
  PlaceStimulationWindow(MonitorArea(playerWindow));
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
  if (!AskForFile(playerWindow, false, FileFilter(OpenedFilesFilter, "*.txt;*.sbg"), "", nullptr,
                  path))
    return;
  KeepFolder();
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
  const bool listed = LoadSessionFile(path.c_str(), playerWindow, true);
  FillSessionList();
  KeepFolder();
  if (!listed) return;
  SelectLast();
  KeepRecentFile(ListedSessions.back().path);
}

void HandlePatternChosen() {
  ShowDisplayWarning();
  KeepNumber("Pattern", settings.pattern, static_cast<uint32_t>(PatternChosen()));
}

// Buttons act on a click (code 0); the list on a new selection, by the
// mouse or the arrow keys.
void HandleCommand(WPARAM wParam) {
  const int id = CommandId(playerWindow, wParam);
  const int code = HIWORD(wParam);
  if (id == SessionListId && code == LBN_SELCHANGE) ShowDescription();
  if (id == PatternListId && code == CBN_SELCHANGE) HandlePatternChosen();
  if (code != 0) return;
  if (id == PlayerStartButtonId) HandleStartStop();
  if (id == PlayerLanguageButtonId) {
    ToggleLanguage();
    ApplyPlayerLanguage();
    KeepText("Language", settings.language,
             IsEnglish(LoadField(ExposureState.language)) ? "en" : "ru");
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
  const SIZE frame = PlayerFrameSize(DefaultDpi);
  playerWindow = CreateProgramWindowW(instance, PlayerClass, frame.cx, frame.cy);
  if (playerWindow == nullptr) return false;
  ExposureState.ProgramWindow = playerWindow;
  CreateControls(instance);
  SizeForItsDpi();
  return true;
}

void UsePlayerSettings(const PlayerSettings& kept) {
  settings = kept;
  SendMessageW(volumeSlider, TBM_SETPOS, TRUE, static_cast<LPARAM>(settings.volume));
  HandleVolumeScroll(0);
  StartDialogsIn(settings.folder);
  SetEditorPlace(settings.editor);
}

void ListRecentFiles() {
  for (const std::string& path : settings.recentFiles) {
    if (!LoadSessionFile(WideFromUtf8(path).c_str(), playerWindow, false)) continue;
    AddToList(ListedSessions.size() - 1);
  }
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

namespace {

// A file listed already (from the last start) is chosen, not listed twice.
bool ChooseListedFile(const wchar_t* path) {
  const size_t index = ListedIndexOfFile(path);
  if (index == ListedSessions.size()) return false;
  const LRESULT count = SendMessageW(sessionList, LB_GETCOUNT, 0, 0);
  for (LRESULT item = 0; item < count; item++) {
    if (SendMessageW(sessionList, LB_GETITEMDATA, static_cast<WPARAM>(item), 0) !=
        static_cast<LRESULT>(index))
      continue;
    SendMessageW(sessionList, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
    ShowDescription();
    KeepRecentFile(ListedSessions[index].path);
    return true;
  }
  return false;
}

}  // namespace

void LoadCommandLineSessions() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; arguments != nullptr && i < count; i++)
    if (!ChooseListedFile(arguments[i])) LoadFile(arguments[i]);
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

// Before the list is filled, the pattern kept from the last run.
VisualMode PatternChosen() {
  const LRESULT chosen = SendMessageW(patternList, CB_GETCURSEL, 0, 0);
  return static_cast<VisualMode>(chosen == CB_ERR ? static_cast<LRESULT>(settings.pattern) : chosen);
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
      HandleVolumeScroll(wParam);
      break;
    case DpiChangedMessage:
      HandleDpiChanged(wParam, reinterpret_cast<const RECT*>(lParam));
      ShowDisplayWarning();
      return 0;
    case WM_EXITSIZEMOVE:
    case WM_DISPLAYCHANGE:
      // Another monitor, or another refresh rate.
      ShowDisplayWarning();
      break;
    case WM_SETTINGCHANGE:
      TakeDpi(playerDpi);  // the message font may have changed
      break;
    case EditorClosedMessage:
      KeepEditorPlace(*reinterpret_cast<const EditorPlace*>(lParam));
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
      if (playerFont) DeleteObject(playerFont);
      playerFont = nullptr;
      PostQuitMessage(0);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
