#include "editor/EditorWindow.h"

#include "editor/EditorActions.h"
#include "editor/EditorFields.h"
#include "editor/EditorState.h"
#include "editor/EditorStrings.h"
#include "editor/EditorTable.h"
#include "editor/EditorText.h"
#include "editor/PictureWindow.h"
#include "platform/FileNames.h"
#include "platform/ProgramWindow.h"
#include "platform/WindowKeys.h"
#include "sound/SessionSound.h"

namespace {

const wchar_t EditorClass[] = L"TessovantEditorWindow";
const DWORD EditorStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
const int ClientWidth = 780;
const int ClientHeight = 648;
const int EditorTop = 40;
const int IconResource = 101;

struct Button {
  int id;
  const TextPair* caption;
  ChildPlace place;
};

// Right of the table, and right of the fields below it.
const Button RowButtons[] = {{AddId, &AddCaption, {640, 10, 130, 26}},
                             {InsertId, &InsertCaption, {640, 40, 130, 26}},
                             {DuplicateId, &DuplicateCaption, {640, 70, 130, 26}},
                             {RemoveId, &RemoveCaption, {640, 100, 130, 26}},
                             {UpId, &UpCaption, {640, 130, 130, 26}},
                             {DownId, &DownCaption, {640, 160, 130, 26}}};
const Button ActionButtons[] = {{PlayId, &PlayCaption, {640, 224, 130, 26}},
                                {PlayFromId, &PlayFromCaption, {640, 254, 130, 26}},
                                {SaveId, &SaveCaption, {640, 300, 130, 26}},
                                {SaveAsId, &SaveAsCaption, {640, 330, 130, 26}}};

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
}

BOOL CALLBACK SetDialogFont(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}

// Tab follows the order of creation: the table and its buttons, the
// segment's fields, the session's, then play and save.
void CreateControls(HINSTANCE instance, HWND window) {
  Editor.table = CreateTable(instance, window);
  CreateButtons(instance, window, RowButtons, sizeof RowButtons / sizeof RowButtons[0]);
  CreateSegmentFields(instance, window);
  CreateSessionFields(instance, window);
  CreateButtons(instance, window, ActionButtons, sizeof ActionButtons / sizeof ActionButtons[0]);
  Editor.picture = CreatePictureWindow(instance, window, {10, 458, 760, 160}, PictureId);
  CreateChildW(instance, window, L"STATIC", L"", SS_NOPREFIX, 0, {10, 624, 760, 18}, PictureLineId);
  EnumChildWindows(window, SetDialogFont,
                   reinterpret_cast<LPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
}

LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Owned by the player's window: above it, minimised and closed with it.
bool CreateEditorWindow(HINSTANCE instance) {
  RegisterProgramClassW(instance, EditorClass, EditorWindowProc, IconResource,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  RECT frame = {0, 0, ClientWidth, ClientHeight};
  AdjustWindowRectEx(&frame, EditorStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  Editor.window = CreateWindowExW(0, EditorClass, L"", EditorStyle,
                                  GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2, EditorTop, width,
                                  frame.bottom - frame.top, Editor.owner, nullptr,
                                  instance, nullptr);
  if (Editor.window == nullptr) return false;
  CreateControls(instance, Editor.window);
  if (!Editor.windowKeys) Editor.windowKeys = CreateAcceleratorTableW(WindowKeys, sizeof WindowKeys / sizeof WindowKeys[0]);
  if (!Editor.tableKeys) Editor.tableKeys = CreateAcceleratorTableW(TableKeys, sizeof TableKeys / sizeof TableKeys[0]);
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

void Save(bool chooseName) {
  if (SaveEdited(chooseName)) ShowDocument(Editor.row);
}

// A field's edit or choice; a button's click (code 0) or an accelerator's
// (code 1). Enter stands for the control that has the keyboard.
void HandleCommand(WPARAM wParam) {
  const int id = CommandId(Editor.window, wParam);
  const int code = HIWORD(wParam);
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

void ForgetEditor() {
  Editor.window = nullptr;
  Editor.lastFocus = nullptr;
  Editor.document.modified = false;
  HoldEndOfSessionWhileUnsaved();
}

LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      HandleCommand(wParam);
      break;
    case WM_NOTIFY:
      HandleTableNotice(reinterpret_cast<const NMHDR*>(lParam));
      break;
    case PicturePointedMessage:
      ShowPictureLine(static_cast<int64_t>(wParam) - 1);
      break;
    case WM_ACTIVATE:
      if (KeepKeyboard(wParam)) return 0;
      break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
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
  if (TranslateAcceleratorW(Editor.window, Editor.windowKeys, message)) return true;
  return IsDialogMessageW(Editor.window, message) != 0;
}
