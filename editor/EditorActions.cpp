#include "editor/EditorActions.h"

#include <memory>

#include "editor/EditorFields.h"
#include "editor/EditorMessages.h"
#include "editor/EditorState.h"
#include "editor/EditorStrings.h"
#include "editor/EditorText.h"
#include "editor/QuestionBox.h"
#include "exposure/ExposureState.h"
#include "language/RussianSessionProblems.h"
#include "language/SessionStrings.h"
#include "language/SessionTexts.h"
#include "platform/FileDialogs.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"
#include "platform/SaveFile.h"
#include "sound/SessionSound.h"

namespace {

typedef BOOL(WINAPI* BlockReasonCreate)(HWND, LPCWSTR);
typedef BOOL(WINAPI* BlockReasonDestroy)(HWND);
bool holdingEnd;

void Tell(const std::string& text, UINT icon) {
  TellUser(Editor.window, InCurrentLanguage(EditorTitle), text, icon);
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

// The saved file is what the editor edits from now on, and what the owner
// lists for it.
void TakeSaved(const SessionDocument& saved) {
  Editor.document = saved;
  Editor.document.modified = false;
  Editor.name = WindowsFileNameOf(saved.path);
  Editor.nameKind = EditedName::File;
  const std::wstring path = WideFromUtf8(saved.path);
  SendMessageW(Editor.owner, EditorSavedFileMessage, 0, reinterpret_cast<LPARAM>(&path));
}

// Within the session's folder, the music is named from it; elsewhere, whole.
std::string MusicName(const std::string& chosen) {
  const std::string folder = WindowsFolderOf(Editor.document.path);
  const bool inside = !folder.empty() && chosen.size() > folder.size() &&
                      CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE,
                                     WideFromUtf8(chosen.substr(0, folder.size())).c_str(), -1,
                                     WideFromUtf8(folder).c_str(), -1) == CSTR_EQUAL;
  return inside ? chosen.substr(folder.size()) : chosen;
}

// The save's refusal: nothing written, and why; or, where Windows left the
// old file under another name, that name.
void TellNotSaved(const std::string& path, const std::string& why, const std::string& movedTo) {
  if (!movedTo.empty())
    return Tell(std::string(InCurrentLanguage(OldFileMoved)) + "\n" + movedTo, MB_ICONERROR);
  Tell(std::string(InCurrentLanguage(NotSaved)) + "\n" + path + (why.empty() ? "" : "\n" + why),
       MB_ICONERROR);
}

// The name to save under, asked for with Save as or when there is none; the
// document then moves there, its music still found.
bool ChooseName(SessionDocument& saved, std::string& path) {
  const std::string folder = WindowsFolderOf(saved.path);
  path = WindowsFileNameOf(saved.path);
  if (!AskForFile(Editor.window, true, FileFilter(SessionFilesFilter, "*.txt"), folder, L"txt",
                  path))
    return false;
  SessionError error;
  if (MoveDocument(saved, path, folder.empty() ? CurrentFolder() : folder, error)) return true;
  TellNotSaved(path, SessionProblemInCurrentLanguage(error), "");
  return false;
}

}  // namespace

bool SaveEdited(bool chooseName) {
  if (!ReadyToWrite()) return false;
  SessionDocument saved = Editor.document;
  std::string path = saved.path;
  if ((chooseName || path.empty()) && !ChooseName(saved, path)) return false;
  std::string movedTo;
  if (!SaveFileAtomically(path, DocumentText(saved), movedTo)) {
    TellNotSaved(path, "", movedTo);
    return false;
  }
  TakeSaved(saved);
  return true;
}

ChangesAnswer AskToSaveChanges() {
  const std::wstring answers[3] = {WideFromUtf8(InCurrentLanguage(YesCaption)),
                                   WideFromUtf8(InCurrentLanguage(NoCaption)),
                                   WideFromUtf8(InCurrentLanguage(CancelCaption))};
  const int answer =
      AskYesNoCancel(Editor.window, WideFromUtf8(InCurrentLanguage(EditorTitle)),
                     WideFromUtf8(SaveQuestionText(EditedSessionName())), answers);
  if (answer == IDYES) return SaveEdited(false) ? ChangesAnswer::Saved : ChangesAnswer::Kept;
  return answer == IDNO ? ChangesAnswer::GivenUp : ChangesAnswer::Kept;
}

void HoldEndOfSessionWhileUnsaved() {
  static const BlockReasonCreate create = Looked<BlockReasonCreate>("ShutdownBlockReasonCreate");
  static const BlockReasonDestroy destroy = Looked<BlockReasonDestroy>("ShutdownBlockReasonDestroy");
  const bool unsaved = Editor.window != nullptr && Editor.document.modified;
  if (unsaved == holdingEnd || !create || !destroy) return;
  holdingEnd = unsaved;
  // The owner's is the program's main window.
  if (unsaved) create(Editor.owner, WideFromUtf8(InCurrentLanguage(UnsavedReason)).c_str());
  if (!unsaved) destroy(Editor.owner);
}

void BrowseForMusic() {
  std::string chosen;
  if (AskForFile(Editor.window, false, FileFilter(WaveFilesFilter, "*.wav"),
                 WindowsFolderOf(Editor.document.path), nullptr, chosen))
    SetControlText(MusicFileId, MusicName(chosen));
}

void PlayEdited(bool fromRow) {
  if (!ReadyToWrite()) return;
  // Opened again now, as the player does at load: the file may have gone.
  SessionError error;
  if (!CheckSessionMusic(Editor.session, Editor.name, error)) {
    TellUser(Editor.window, InCurrentLanguage(BadFileTitle),
             BadFileMessage(EditedSessionName(), error), MB_ICONWARNING);
    return;
  }
  const std::shared_ptr<const Session> session = std::make_shared<const Session>(
      fromRow ? SessionFromSegment(Editor.session, Editor.row) : Editor.session);
  SendMessageW(Editor.owner, EditorPlaySessionMessage, 0, reinterpret_cast<LPARAM>(&session));
  // The Start gave the owner's window the keyboard; without a full-screen
  // window the editor takes it back.
  if (!IsWindowVisible(ExposureState.StimulationWindow)) SetActiveWindow(Editor.window);
}
