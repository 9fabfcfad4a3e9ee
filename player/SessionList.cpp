#include "player/SessionList.h"

#include "language/SessionStrings.h"
#include "language/SessionTexts.h"
#include "platform/FileDialogs.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"
#include "session_format/SessionReader.h"
#include "session_format/sbg/SbgSession.h"
#include "sound/SessionSound.h"

std::deque<ListedSession> ListedSessions;

namespace {

// The library's resource ids: text i is RCDATA FirstLibraryResource + i, its
// name the string of the same id.
const int FirstLibraryResource = 1000;
const size_t LargestSessionFile = 64u << 20;

// Unicode, so that the file's name and the Russian words show whatever the
// code page for programs that are not Unicode.
void ShowSessionFileProblem(HWND owner, const std::string& message) {
  TellUser(owner, InCurrentLanguage(BadFileTitle), message, MB_ICONWARNING);
}

// The whole path, so that a file named on the command line is known again
// when it is saved from the editor.
std::wstring WholePath(const wchar_t* path) {
  wchar_t whole[MAX_PATH * 4];
  const DWORD length = GetFullPathNameW(path, MAX_PATH * 4, whole, nullptr);
  return length > 0 && length < MAX_PATH * 4 ? whole : path;
}

// Read from the file of this whole path, compared as Windows compares names.
bool ListsFile(const ListedSession& listed, const std::wstring& wholePath) {
  return !listed.path.empty() &&
         lstrcmpiW(WideFromUtf8(listed.path).c_str(), wholePath.c_str()) == 0;
}

// False once the ids run out. A session whose text cannot be loaded is left
// out of the list, and the next is tried.
bool LoadLibrarySession(HINSTANCE instance, int id) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return false;
  const HGLOBAL loaded = LoadResource(instance, found);
  const char* bytes = static_cast<const char*>(loaded ? LockResource(loaded) : nullptr);
  if (bytes == nullptr) return true;
  const std::string text(bytes, SizeofResource(instance, found));
  wchar_t name[64] = L"";
  LoadStringW(instance, static_cast<UINT>(id), name, 64);
  Session session;
  SessionError error;
  // The library is checked by the tests; a file that failed would be left out.
  if (ParseSession(text, Utf8FromWide(name), session, error))
    ListedSessions.push_back(
        {Utf8FromWide(name), "", text, false, std::make_shared<const Session>(session), 0});
  return true;
}

// Our own session file, or SBaGen's .sbg file imported as one, with the
// count of its tone-sets that were scaled down.
bool ReadSessionText(const std::string& text, const std::string& path, const std::string& name,
                     Session& session, size_t& scaled, SessionError& error) {
  scaled = 0;
  if (!IsSbgFileName(path)) return ParseSession(text, name, session, error);
  SbgSession imported;
  if (!ImportSbg(text, name, 0, imported, error)) return false;
  session = imported.session;
  scaled = imported.scaled.size();
  return true;
}

}  // namespace

void LoadLibrarySessions(HINSTANCE instance) {
  for (int id = FirstLibraryResource; LoadLibrarySession(instance, id); id++) {
  }
}

bool LoadSessionFile(const wchar_t* path, HWND owner, bool tellProblems) {
  const std::string utf8Path = Utf8FromWide(WholePath(path));
  std::string text;
  if (!ReadWholeFile(WideFromUtf8(utf8Path).c_str(), text, LargestSessionFile)) {
    if (tellProblems) ShowSessionFileProblem(owner, UnreadableFileMessage(utf8Path));
    return false;
  }
  const std::string fileName = WindowsFileNameOf(utf8Path);
  Session session;
  SessionError error;
  // The music is found and checked now, so that a missing file is never met
  // at Start.
  size_t scaled = 0;
  const bool read = ReadSessionText(text, utf8Path, fileName, session, scaled, error);
  if (read) FindSessionMusic(session, utf8Path);
  if (!read || !CheckSessionMusic(session, fileName, error)) {
    if (tellProblems) ShowSessionFileProblem(owner, BadFileMessage(utf8Path, error));
    return false;
  }
  ListedSessions.push_back(
      {fileName, utf8Path, "", false, std::make_shared<const Session>(session), scaled});
  return true;
}

void SupersedeListed(const std::wstring& path) {
  for (ListedSession& listed : ListedSessions)
    if (ListsFile(listed, path)) listed.superseded = true;
}

size_t ListedIndexOfFile(const wchar_t* path) {
  const std::wstring whole = WholePath(path);
  for (size_t i = 0; i < ListedSessions.size(); i++)
    if (!ListedSessions[i].superseded && ListsFile(ListedSessions[i], whole)) return i;
  return ListedSessions.size();
}

bool OpenListedDocument(const ListedSession& listed, SessionDocument& document, HWND owner) {
  std::string text = listed.text;
  if (!listed.path.empty() &&
      !ReadWholeFile(WideFromUtf8(listed.path).c_str(), text, LargestSessionFile)) {
    ShowSessionFileProblem(owner, UnreadableFileMessage(listed.path));
    return false;
  }
  SessionError error;
  // An .sbg file is edited as a copy in our format, its music named whole.
  const bool sbg = IsSbgFileName(listed.path);
  SbgSession imported;
  const bool converted = !sbg || ImportSbg(text, listed.fileName, 0, imported, error);
  if (sbg && converted) text = SbgSessionText(imported, listed.fileName, listed.session->musicPath);
  if (converted && OpenDocument(text, sbg ? "" : listed.path, document, error)) return true;
  ShowSessionFileProblem(owner, BadFileMessage(listed.path, error));
  return false;
}
