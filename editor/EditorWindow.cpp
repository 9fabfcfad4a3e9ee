#include "editor/EditorWindow.h"

#include <algorithm>

#include "editor/EditorActions.h"
#include "editor/EditorFields.h"
#include "editor/EditorState.h"
#include "editor/EditorStrings.h"
#include "editor/EditorTable.h"
#include "editor/EditorText.h"
#include "editor/PictureWindow.h"
#include "editor/voices/VoiceControls.h"
#include "platform/FileNames.h"
#include "platform/ProgramWindow.h"
#include "platform/WindowDpi.h"
#include "platform/WindowKeys.h"
#include "sound/SessionSound.h"

namespace {

const wchar_t EditorClass[] = L"TessovantEditorWindow";
const DWORD EditorStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
const int EditorTop = 40;
const int IconResource = 101;

struct Button {
  int id;
  const TextPair* caption;
  EditorBand band;
  ChildPlace place;
};

// Right of the table, and right of the fields below it, at the window's
// right edge.
const Button RowButtons[] = {{AddId, &AddCaption, EditorBand::Table, {700, 10, 130, 24}},
                             {InsertId, &InsertCaption, EditorBand::Table, {700, 35, 130, 24}},
                             {DuplicateId, &DuplicateCaption, EditorBand::Table, {700, 60, 130, 24}},
                             {RemoveId, &RemoveCaption, EditorBand::Table, {700, 85, 130, 24}},
                             {UpId, &UpCaption, EditorBand::Table, {700, 110, 130, 24}},
                             {DownId, &DownCaption, EditorBand::Table, {700, 135, 130, 24}}};
const Button ActionButtons[] = {{PlayId, &PlayCaption, EditorBand::Segment, {700, 185, 130, 24}},
                                {PlayFromId, &PlayFromCaption, EditorBand::Segment, {700, 213, 130, 24}},
                                {SaveId, &SaveCaption, EditorBand::Segment, {700, 251, 130, 24}},
                                {SaveAsId, &SaveAsCaption, EditorBand::Segment, {700, 279, 130, 24}}};
const ChildPlace PicturePlace = {10, 562, 820, 140};
const ChildPlace PictureLinePlace = {10, 708, 820, 18};

// Anywhere in the editor: Ctrl+N adds, Ctrl+D duplicates, Ctrl+S saves,
// Ctrl+Shift+S saves as, F5 plays, Shift+F5 plays from the chosen segment.
ACCEL WindowKeys[] = {{FVIRTKEY | FCONTROL, 'N', AddId},
                      {FVIRTKEY | FCONTROL, 'D', DuplicateId},
                      {FVIRTKEY | FCONTROL, 'S', SaveId},
                      {FVIRTKEY | FCONTROL | FSHIFT, 'S', SaveAsId},
                      {FVIRTKEY, VK_F5, PlayId},
                      {FVIRTKEY | FSHIFT, VK_F5, PlayFromId}};
// Only while the table has the keyboard, so that they edit text in a field.
ACCEL TableKeys[] = {{FVIRTKEY, VK_DELETE, RemoveId},
                     {FVIRTKEY, VK_INSERT, InsertId},
                     {FVIRTKEY | FALT, VK_UP, UpId},
                     {FVIRTKEY | FALT, VK_DOWN, DownId}};

void CreateButtons(HINSTANCE instance, HWND parent, const Button* buttons, size_t count) {
  for (size_t i = 0; i < count; i++)
    CreateChildW(instance, parent, L"BUTTON", L"", WS_TABSTOP, 0, buttons[i].place, buttons[i].id);
}

void PlaceButtons(const EditorLayout& layout, const Button* buttons, size_t count) {
  for (size_t i = 0; i < count; i++) {
    MoveChild(Control(buttons[i].id),
              PlaceInEditor(layout, buttons[i].band, MovesRight, buttons[i].place));
  }
}

void NameButtons(const Button* buttons, size_t count) {
  for (size_t i = 0; i < count; i++)
    SetControlText(buttons[i].id, InCurrentLanguage(*buttons[i].caption));
}

// The buttons, the columns, the labels and the lists' items in the current
// language.
void NameControls() {
  NameButtons(RowButtons, sizeof RowButtons / sizeof RowButtons[0]);
  NameButtons(ActionButtons, sizeof ActionButtons / sizeof ActionButtons[0]);
  NameColumns();
  NameFields();
  NameVoiceControls();
}

// The voices' controls in their band.
void PlaceVoiceControls(const EditorLayout& layout) {
  for (const VoicePlace& control : VoicePlaces()) {
    const int stretch = control.growsWide ? GrowsWide : control.movesRight ? MovesRight : Stays;
    MoveChild(Control(control.id), PlaceInEditor(layout, EditorBand::Voices, stretch, control.at));
  }
}

// Every control where the window's size and DPI put it, redrawn once.
void PlaceControls() {
  RECT client;
  GetClientRect(Editor.window, &client);
  const EditorLayout layout = LayOutEditor(client.right, client.bottom, Editor.dpi);
  PlaceTable(layout);
  PlaceButtons(layout, RowButtons, sizeof RowButtons / sizeof RowButtons[0]);
  PlaceFields(layout);
  PlaceVoiceControls(layout);
  PlaceButtons(layout, ActionButtons, sizeof ActionButtons / sizeof ActionButtons[0]);
  MoveChild(Editor.picture,
            PlaceInEditor(layout, EditorBand::Picture, GrowsWide | GrowsTall, PicturePlace));
  MoveChild(Control(PictureLineId),
            PlaceInEditor(layout, EditorBand::PictureLine, GrowsWide, PictureLinePlace));
  InvalidateRect(Editor.window, nullptr, TRUE);
}

// The window's DPI taken up: the message font at it, the columns' widths
// and every place.
void TakeDpi(int dpi) {
  Editor.dpi = dpi;
  HFONT old = Editor.font;
  Editor.font = CreateMessageFont(dpi);
  SetChildrenFont(Editor.window, Editor.font);
  if (old) DeleteObject(old);
  FitColumns();
  FitVoiceColumns(Editor.font, dpi);
  PlaceControls();
}

// Tab follows the order of creation: the table and its buttons, the
// segment's fields, its voices, the session's fields, then play and save.
void CreateControls(HINSTANCE instance, HWND window) {
  Editor.table = CreateTable(instance, window);
  CreateButtons(instance, window, RowButtons, sizeof RowButtons / sizeof RowButtons[0]);
  CreateSegmentFields(instance, window);
  CreateVoiceControls(instance, window);
  CreateSessionFields(instance, window);
  CreateButtons(instance, window, ActionButtons, sizeof ActionButtons / sizeof ActionButtons[0]);
  Editor.picture = CreatePictureWindow(instance, window, PicturePlace, PictureId);
  CreateChildW(instance, window, L"STATIC", L"", SS_NOPREFIX, 0, PictureLinePlace, PictureLineId);
}

// The outer size of the smallest window, or of one of `place`'s size, at
// the DPI.
SIZE FrameSize(int dpi, const EditorPlace& place) {
  const bool kept = place.width > 0 && place.height > 0;
  const SIZE smallest =
      FrameSizeForClient(EditorMinimumWidth(dpi), EditorMinimumHeight(dpi), EditorStyle, 0, dpi);
  if (!kept) return smallest;
  return {std::max<LONG>(smallest.cx, ScaledForDpi(place.width, dpi)),
          std::max<LONG>(smallest.cy, ScaledForDpi(place.height, dpi))};
}

// The place kept from the last time, if a monitor still shows its top left
// corner; else centred across the screen near its top.
POINT StartCorner(const EditorPlace& place) {
  const POINT corner = {place.left, place.top};
  if (place.width > 0 && MonitorFromPoint(corner, MONITOR_DEFAULTTONULL)) return corner;
  const SIZE frame = FrameSize(DefaultDpi, {0, 0, 0, 0});
  return {GetSystemMetrics(SM_CXSCREEN) / 2 - frame.cx / 2, EditorTop};
}

// Where the window is now, its size at 96 DPI. A maximised or minimised
// window by its normal place, which Windows gives relative to the work area
// (beside a taskbar at the left or the top): brought back to the screen's.
void KeepPlace() {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  RECT r;
  if (!GetWindowRect(Editor.window, &r)) return;
  if ((IsZoomed(Editor.window) || IsIconic(Editor.window)) &&
      GetWindowPlacement(Editor.window, &placement)) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(Editor.window, MONITOR_DEFAULTTONEAREST), &monitor);
    r = placement.rcNormalPosition;
    OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left,
               monitor.rcWork.top - monitor.rcMonitor.top);
  }
  const auto at96 = [](LONG pixels) { return MulDiv(pixels, DefaultDpi, Editor.dpi); };
  Editor.place = {r.left, r.top, at96(r.right - r.left), at96(r.bottom - r.top)};
}

// A window whose bottom would pass its monitor's work area is moved up, no
// further than the work area's top, so that a screen of 768 rows shows it
// whole.
void KeepBottomOnScreen() {
  RECT r;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetWindowRect(Editor.window, &r) ||
      !GetMonitorInfoW(MonitorFromWindow(Editor.window, MONITOR_DEFAULTTONEAREST), &monitor))
    return;
  const LONG top =
      std::max(monitor.rcWork.top, std::min(r.top, monitor.rcWork.bottom - (r.bottom - r.top)));
  if (top != r.top)
    SetWindowPos(Editor.window, nullptr, r.left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Owned by the player's window: above it, minimised and closed with it.
bool CreateEditorWindow(HINSTANCE instance) {
  RegisterProgramClassW(instance, EditorClass, EditorWindowProc, IconResource,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  // Made where it goes, then sized for the DPI of the monitor there.
  const POINT corner = StartCorner(Editor.place);
  const SIZE first = FrameSize(DefaultDpi, Editor.place);
  Editor.window = CreateWindowExW(0, EditorClass, L"", EditorStyle, corner.x, corner.y, first.cx,
                                  first.cy, Editor.owner, nullptr, instance, nullptr);
  if (Editor.window == nullptr) return false;
  Editor.dpi = WindowDpi(Editor.window);
  const SIZE frame = FrameSize(Editor.dpi, Editor.place);
  SetWindowPos(Editor.window, nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  KeepBottomOnScreen();
  CreateControls(instance, Editor.window);
  TakeDpi(Editor.dpi);
  if (!Editor.windowKeys)
    Editor.windowKeys =
        CreateAcceleratorTableW(WindowKeys, sizeof WindowKeys / sizeof WindowKeys[0]);
  if (!Editor.tableKeys)
    Editor.tableKeys = CreateAcceleratorTableW(TableKeys, sizeof TableKeys / sizeof TableKeys[0]);
  return true;
}

void ShowTitle() {
  const std::string title = std::string(InCurrentLanguage(EditorTitle)) + " - " +
                            EditedSessionName() + (Editor.document.modified ? " *" : "");
  SetWindowTextW(Editor.window, WideFromUtf8(title).c_str());
}

void ShowPictureLine(int64_t pointedBlock) {
  SetControlText(PictureLineId, Editor.readBack ? PictureLine(Editor.session, pointedBlock) : "");
}

bool HasRows() { return SegmentCount(Editor.document) > 0; }

// The document as it reads back, the session that plays: its music found
// beside its file, or from the current folder, as render-sound finds it for
// a session on its standard input.
void ReadBackDocument() {
  Editor.readBack = ReadBack(Editor.document, Editor.session, Editor.readBackError);
  if (Editor.readBack)
    FindSessionMusic(Editor.session, Editor.document.path.empty() ? "-" : Editor.document.path);
}

// What follows the document as a whole: the title, the picture and the hold
// on the end of the Windows session.
void ShowWholeDocument() {
  ShowTitle();
  ShowInPicture(Editor.picture, Editor.readBack ? &Editor.session : nullptr);
  ShowPictureLine(-1);
  HoldEndOfSessionWhileUnsaved();
}

// After every edit: the document read back, and its row and the rest follow
// it.
void DocumentChanged() {
  ReadBackDocument();
  if (Editor.row < SegmentCount(Editor.document)) ShowRow(Editor.row);
  ShowWholeDocument();
}

// Every row anew and the row chosen, after the document has been read back
// (and its music checked, where it may have changed): the row's fields, as
// they take it up, show the problems of this document, once.
void ShowRows(size_t row, bool checkMusic) {
  ReadBackDocument();
  if (checkMusic) CheckMusic();
  FillTable();
  if (HasRows())
    SelectRow(row);  // the table's notice has the fields take the row up
  else
    ChooseRow(row);
  ShowWholeDocument();
}

// A document opened or saved, shown anew.
void ShowDocument(size_t row) {
  FillSessionFields();
  ShowRows(row, true);
}

// After a change of rows; for a new segment the keyboard goes to its first
// field, its text chosen for typing over.
void ShowEditedRows(size_t row, bool typeNewSegment) {
  ShowRows(row, false);
  if (!typeNewSegment) return;
  SetFocus(Control(DurationId));
  SendMessageW(Control(DurationId), EM_SETSEL, 0, -1);
}

void EditRows(int id) {
  SessionDocument& d = Editor.document;
  if (id == AddId) return ShowEditedRows(AddSegment(d), true);
  if (!HasRows()) return;
  if (id == InsertId) ShowEditedRows(InsertSegment(d, Editor.row), true);
  if (id == DuplicateId) ShowEditedRows(DuplicateSegment(d, Editor.row), true);
  if (id == RemoveId) ShowEditedRows(RemoveSegment(d, Editor.row), false);
  if (id == UpId || id == DownId) ShowEditedRows(MoveSegment(d, Editor.row, id == UpId), false);
}

void HandleFieldChange(int id) {
  const FieldChange change = TakeFieldChange(id);
  if (change == FieldChange::None) return;
  DocumentChanged();
  if (change == FieldChange::MusicFile) CheckMusic();
  ShowProblems();
}

void HandleVoiceCommand(int id, int code) {
  if (TakeVoiceCommand(Editor.document, id, code)) DocumentChanged();
  ShowProblems();
}

void Save(bool chooseName) {
  if (SaveEdited(chooseName)) ShowDocument(Editor.row);
}

// A field's edit or choice; a button's click (code 0) or an accelerator's
// (code 1). Enter stands for the control that has the keyboard.
void HandleCommand(WPARAM wParam) {
  const int id = CommandId(Editor.window, wParam);
  const int code = HIWORD(wParam);
  if (IsVoiceControl(id)) return HandleVoiceCommand(id, code);
  if (IsField(id) && (code == EN_CHANGE || code == CBN_SELCHANGE)) HandleFieldChange(id);
  if (IsField(id) || code > 1) return;
  if (id >= AddId && id <= DownId) EditRows(id);
  if (id == BrowseId) BrowseForMusic();
  if (id == PlayId || id == PlayFromId) PlayEdited(id == PlayFromId);
  if (id == SaveId || id == SaveAsId) Save(id == SaveAsId);
}

// Windows asks before it ends its session: the unsaved changes are asked
// about, unless the end is forced. False only when the user keeps them.
bool AnswerEndOfSession(LPARAM reasons) {
  if (reasons & ENDSESSION_CRITICAL) return true;
  return EditorLetsGo();
}

// A window that is not a dialog box keeps no keyboard of its own: the
// control that had it gets it back when the window is active again.
bool KeepKeyboard(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (IsChild(Editor.window, focus)) Editor.lastFocus = focus;
    return false;
  }
  if (HIWORD(wParam) != 0) return false;  // minimised
  SetFocus(IsWindow(Editor.lastFocus) ? Editor.lastFocus : Editor.table);
  return true;
}

// The window's place is told to its owner, which keeps it for next time.
void ForgetEditor() {
  KeepPlace();
  SendMessageW(Editor.owner, EditorClosedMessage, 0, reinterpret_cast<LPARAM>(&Editor.place));
  if (Editor.font) DeleteObject(Editor.font);
  Editor.font = nullptr;
  Editor.window = nullptr;
  Editor.lastFocus = nullptr;
  Editor.document.modified = false;
  HoldEndOfSessionWhileUnsaved();
}

// No smaller than today's editor at the window's DPI. Asked before the
// window has a DPI of its own, too.
void KeepSmallestSize(MINMAXINFO* limits) {
  const int dpi = Editor.dpi > 0 ? Editor.dpi : DefaultDpi;
  const SIZE smallest = FrameSize(dpi, {0, 0, 0, 0});
  limits->ptMinTrackSize.x = smallest.cx;
  limits->ptMinTrackSize.y = smallest.cy;
}

// Moved to a monitor of another scaling: Windows suggests the place that
// keeps the window's size in the eye, and the layout follows.
void TakeSuggestedPlace(const RECT* suggested, int dpi) {
  Editor.dpi = dpi;
  SetWindowPos(Editor.window, nullptr, suggested->left, suggested->top,
               suggested->right - suggested->left, suggested->bottom - suggested->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  TakeDpi(dpi);
}

LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      HandleCommand(wParam);
      break;
    case WM_NOTIFY:
      HandleTableNotice(reinterpret_cast<const NMHDR*>(lParam));
      HandleVoiceNotice(Editor.document, reinterpret_cast<const NMHDR*>(lParam));
      break;
    case PicturePointedMessage:
      ShowPictureLine(static_cast<int64_t>(wParam) - 1);
      break;
    case WM_ACTIVATE:
      if (KeepKeyboard(wParam)) return 0;
      break;
    case WM_SYSCOLORCHANGE:
      InvalidateRect(Editor.picture, nullptr, FALSE);
      break;
    case WM_SETTINGCHANGE:
      // The message font may have changed with the rest.
      TakeDpi(Editor.dpi);
      InvalidateRect(Editor.picture, nullptr, FALSE);
      break;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) PlaceControls();
      break;
    case WM_GETMINMAXINFO:
      KeepSmallestSize(reinterpret_cast<MINMAXINFO*>(lParam));
      break;
    case DpiChangedMessage:
      TakeSuggestedPlace(reinterpret_cast<const RECT*>(lParam), HIWORD(wParam));
      return 0;
    case WM_EXITSIZEMOVE:
    case WM_DISPLAYCHANGE:
      // Another monitor may show another refresh rate.
      InvalidateRect(Editor.picture, nullptr, FALSE);
      break;
    case WM_CLOSE:
      if (!EditorLetsGo()) return 0;
      break;
    case WM_QUERYENDSESSION:
      return AnswerEndOfSession(lParam) ? TRUE : FALSE;
    case WM_DESTROY:
      ForgetEditor();
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool OpenInEditor(HWND owner, const SessionDocument& document, const std::string& name,
                  EditedName kind) {
  if (Editor.window && !EditorLetsGo()) return false;
  Editor.owner = owner;
  if (!Editor.window && !CreateEditorWindow(GetModuleHandleW(nullptr))) return false;
  Editor.document = document;
  Editor.name = name;
  Editor.nameKind = kind;
  Editor.row = 0;
  Editor.wrong.clear();
  NameControls();
  ShowDocument(0);
  ShowWindow(Editor.window, SW_SHOWNORMAL);
  SetForegroundWindow(Editor.window);
  Editor.lastFocus = Editor.table;
  SetFocus(Editor.table);
  return true;
}

void SetEditorPlace(const EditorPlace& place) { Editor.place = place; }

bool EditorLetsGo() {
  if (!Editor.window || !Editor.document.modified) return true;
  const ChangesAnswer answer = AskToSaveChanges();
  if (answer == ChangesAnswer::Saved) ShowDocument(Editor.row);
  return answer != ChangesAnswer::Kept;
}

void ApplyEditorLanguage() {
  if (!Editor.window) return;
  NameControls();
  FillTable();
  if (HasRows())
    SelectRow(Editor.row);
  else
    ShowProblems();
  ShowTitle();
  ShowPictureLine(-1);
  InvalidateRect(Editor.picture, nullptr, FALSE);
}

bool HandleEditorKeys(MSG* message) {
  if (!Editor.window || !(message->hwnd == Editor.window || IsChild(Editor.window, message->hwnd)))
    return false;
  if (GetFocus() == Editor.table && TranslateAcceleratorW(Editor.window, Editor.tableKeys, message))
    return true;
  if (TranslateVoiceKeys(Editor.window, message)) return true;
  if (TranslateAcceleratorW(Editor.window, Editor.windowKeys, message)) return true;
  return IsDialogMessageW(Editor.window, message) != 0;
}
