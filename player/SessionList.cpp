#include "player/SessionList.h"

#include "platform/FileNames.h"
#include "player/PlayerStrings.h"
#include "player/PlayerText.h"
#include "sound/SessionSound.h"

std::deque<ListedSession> ListedSessions;

namespace {

// The library's resource ids: text i is RCDATA FirstLibraryResource + i, its
// name the string of the same id.
const int FirstLibraryResource = 1000;
const size_t LargestSessionFile = 64u << 20;

std::string FileName(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The whole path, so that a file named on the command line is known again
// when it is saved from the editor.
std::wstring WholePath(const wchar_t* path) {
  wchar_t whole[MAX_PATH * 4];
  const DWORD length = GetFullPathNameW(path, MAX_PATH * 4, whole, nullptr);
  return length > 0 && length < MAX_PATH * 4 ? whole : path;
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
  ListedSession listed{Utf8FromWide(name), "", text, false, Session{}};
  SessionError error;
  // The library is checked by the tests; a file that failed would be left out.
  if (ParseSession(text, listed.fileName, listed.session, error)) ListedSessions.push_back(listed);
  return true;
}

}  // namespace

void LoadLibrarySessions(HINSTANCE instance) {
  for (int id = FirstLibraryResource; LoadLibrarySession(instance, id); id++) {
  }
}

bool LoadSessionFile(const wchar_t* path, HWND owner) {
  const std::string utf8Path = Utf8FromWide(WholePath(path));
  std::string text;
  if (!ReadWholeFile(WideFromUtf8(utf8Path).c_str(), text, LargestSessionFile)) {
    ShowSessionFileProblem(owner, UnreadableFileMessage(utf8Path));
    return false;
  }
  ListedSession listed{FileName(utf8Path), utf8Path, "", false, Session{}};
  SessionError error;
  // The music is checked now, so that a missing file is never met at Start.
  if (!ParseSession(text, listed.fileName, listed.session, error) ||
      !CheckSessionMusic(listed.session, utf8Path, listed.fileName, error)) {
    ShowSessionFileProblem(owner, BadFileMessage(utf8Path, error));
    return false;
  }
  ListedSessions.push_back(listed);
  return true;
}

void SupersedeListed(const std::wstring& path) {
  for (ListedSession& listed : ListedSessions)
    if (!listed.path.empty() && lstrcmpiW(WideFromUtf8(listed.path).c_str(), path.c_str()) == 0)
      listed.superseded = true;
}

bool OpenListedDocument(const ListedSession& listed, SessionDocument& document, HWND owner) {
  std::string text = listed.text;
  if (!listed.path.empty() &&
      !ReadWholeFile(WideFromUtf8(listed.path).c_str(), text, LargestSessionFile)) {
    ShowSessionFileProblem(owner, UnreadableFileMessage(listed.path));
    return false;
  }
  SessionError error;
  if (OpenDocument(text, listed.path, document, error)) return true;
  ShowSessionFileProblem(owner, BadFileMessage(listed.path, error));
  return false;
}

// Unicode, so that the file's name and the Russian words show whatever the
// code page for programs that are not Unicode.
void ShowSessionFileProblem(HWND owner, const std::string& message) {
  MessageBoxW(owner, WideFromUtf8(message).c_str(),
              WideFromUtf8(InCurrentLanguage(BadFileTitle)).c_str(), MB_OK | MB_ICONWARNING);
}
