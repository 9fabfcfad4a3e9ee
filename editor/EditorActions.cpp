#include "editor/EditorActions.h"

#include <commdlg.h>

#include "exposure/ExposureState.h"
#include "platform/FileNames.h"
#include "platform/SaveFile.h"
#include "editor/EditorFields.h"
#include "editor/EditorState.h"
#include "editor/EditorStrings.h"
#include "player/PlayerText.h"
#include "player/PlayerWindow.h"
#include "editor/QuestionBox.h"
#include "player/SessionList.h"
#include "sound/SessionSound.h"

namespace {

typedef BOOL(WINAPI* BlockReasonCreate)(HWND, LPCWSTR);
typedef BOOL(WINAPI* BlockReasonDestroy)(HWND);
bool holdingEnd;

std::wstring Wide(const std::string& utf8) { return WideFromUtf8(utf8); }

void Tell(const std::string& text, UINT icon) {
  MessageBoxW(Editor.window, Wide(text).c_str(), Wide(InCurrentLanguage(EditorTitle)).c_str(),
              MB_OK | icon);
}

// A wrong value, or the session as it reads back, is named and its field
// given the keyboard.
bool ReadyToWrite() {
  int id = 0;
  const std::string problem = FirstProblem(id);
  if (problem.empty()) return true;
  Tell(std::string(InCurrentLanguage(FixFirst)) + "\n" + problem, MB_ICONWARNING);
  if (id != 0) SetFocus(Control(id));
  return false;
}

// Windows 2000 and XP have no hold on the end of a session: the calls are
// looked up, not imported.
FARPROC User32(const char* name) { return GetProcAddress(GetModuleHandleW(L"user32.dll"), name); }

template <typename Call>
Call Looked(const char* name) {
  return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(User32(name)));
}

std::string CurrentFolder() {
  wchar_t folder[MAX_PATH * 2] = L"";
  const DWORD length = GetCurrentDirectoryW(MAX_PATH * 2, folder);
  const std::string utf8 = Utf8FromWide(length < MAX_PATH * 2 ? folder : L"");
  return utf8.empty() || utf8.back() == '\\' ? utf8 : utf8 + "\\";
}

// The Open or the Save dialog over the editor, in the folder given; path is
// the name to offer, then the one chosen. The dialogs leave the current
// folder alone: a session without a file finds its music from it.
bool AskForFile(bool save, const std::wstring& filter, const std::string& folder,
                std::string& path) {
  wchar_t name[MAX_PATH * 4] = L"";
  lstrcpynW(name, Wide(path).c_str(), MAX_PATH * 4);
  const std::wstring start = Wide(folder);
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Editor.window;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = name;
  dialog.nMaxFile = MAX_PATH * 4;
  dialog.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
  dialog.lpstrDefExt = save ? L"txt" : nullptr;
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return false;
  path = Utf8FromWide(name);
  return true;
}

// The saved file is what the editor edits from now on, and what the
// player lists for it.
void TakeSaved(const SessionDocument& saved) {
  Editor.document = saved;
  Editor.document.modified = false;
  Editor.name = saved.path.substr(FolderOf(saved.path).size());
  Editor.nameKind = EditedName::File;
  FillSessionFields();
  DocumentChanged();
  CheckMusic();
  ShowProblems();
  ListSavedSession(Wide(saved.path));
}

// Within the session's folder, the music is named from it; elsewhere, whole.
std::string MusicName(const std::string& chosen) {
  const std::string folder = FolderOf(Editor.document.path);
  const bool inside = !folder.empty() && chosen.size() > folder.size() &&
                      CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE,
                                     Wide(chosen.substr(0, folder.size())).c_str(), -1,
                                     Wide(folder).c_str(), -1) == CSTR_EQUAL;
  return inside ? chosen.substr(folder.size()) : chosen;
}

}  // namespace

bool SaveEdited(bool chooseName) {
  if (!ReadyToWrite()) return false;
  SessionDocument saved = Editor.document;
  const std::string folder = FolderOf(saved.path);
  std::string path = saved.path;
  if (chooseName || path.empty()) {
    path = path.substr(folder.size());
    if (!AskForFile(true, FileFilter(SessionFilesFilter, "*.txt"), folder, path)) return false;
    MoveDocument(saved, path, folder.empty() ? CurrentFolder() : folder);
  }
  if (!SaveFileAtomically(path, DocumentText(saved))) {
    Tell(std::string(InCurrentLanguage(NotSaved)) + "\n" + path, MB_ICONERROR);
    return false;
  }
  TakeSaved(saved);
  return true;
}

bool AskToSaveChanges() {
  const std::wstring answers[3] = {Wide(InCurrentLanguage(YesCaption)),
                                   Wide(InCurrentLanguage(NoCaption)),
                                   Wide(InCurrentLanguage(CancelCaption))};
  const int answer = AskYesNoCancel(Editor.window, Wide(InCurrentLanguage(EditorTitle)),
                                    Wide(SaveQuestionText(EditedSessionName())), answers);
  if (answer == IDYES) return SaveEdited(false);
  return answer == IDNO;
}

bool AnswerEndOfSession(LPARAM reasons) {
  if (reasons & ENDSESSION_CRITICAL) return true;
  return EditorLetsGo();
}

void HoldEndOfSessionWhileUnsaved() {
  static const BlockReasonCreate create = Looked<BlockReasonCreate>("ShutdownBlockReasonCreate");
  static const BlockReasonDestroy destroy = Looked<BlockReasonDestroy>("ShutdownBlockReasonDestroy");
  const bool unsaved = Editor.window != nullptr && Editor.document.modified;
  if (unsaved == holdingEnd || !create || !destroy) return;
  holdingEnd = unsaved;
  // The player's is the program's main window.
  if (unsaved) create(ExposureState.ControlPanel, Wide(InCurrentLanguage(UnsavedReason)).c_str());
  if (!unsaved) destroy(ExposureState.ControlPanel);
}

void BrowseForMusic() {
  std::string chosen;
  if (AskForFile(false, FileFilter(WaveFilesFilter, "*.wav"), FolderOf(Editor.document.path),
                 chosen))
    SetControlText(MusicFileId, MusicName(chosen));
}

void PlayEdited(bool fromRow) {
  if (!ReadyToWrite()) return;
  Session session = Editor.session;
  SessionError error;
  const std::string& path = Editor.document.path;
  // Found and opened now, as the player does at load: the worker opens it
  // again for the exposure.
  if (!CheckSessionMusic(session, path.empty() ? "-" : path, Editor.name, error)) {
    ShowSessionFileProblem(Editor.window, BadFileMessage(EditedSessionName(), error));
    return;
  }
  PlayEditedSession(fromRow ? SessionFromSegment(session, Editor.row) : session);
  // The Start gave the player's window the keyboard; without a full-screen
  // window the editor takes it back.
  if (!IsWindowVisible(ExposureState.StimulationWindow)) SetActiveWindow(Editor.window);
}
