#include "player/SessionList.h"

#include "platform/FileNames.h"
#include "player/PlayerStrings.h"
#include "sound/SessionSound.h"

std::deque<ListedSession> ListedSessions;

namespace {

// The library's resource ids: text i is RCDATA FirstLibraryResource + i, its
// name the string of the same id.
const int FirstLibraryResource = 1000;
const size_t LargestSessionFile = 64u << 20;

std::wstring FromCodePage1251(const char* text) {
  const int length = MultiByteToWideChar(1251, 0, text, -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(1251, 0, text, -1, &wide[0], length);
  wide.resize(wide.empty() ? 0 : wide.size() - 1);
  return wide;
}

std::wstring FileName(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// Shown with MessageBoxW, so that the file's name shows in any language.
void ShowBadFile(HWND owner, const std::wstring& path, const SessionError& error) {
  std::wstring text = path + L"\n";
  if (error.line != 0)
    text += FromCodePage1251(InCurrentLanguage(LineWord)) + L" " + std::to_wstring(error.line) + L": ";
  text += WideFromUtf8(error.what);
  MessageBoxW(owner, text.c_str(), FromCodePage1251(InCurrentLanguage(BadFileTitle)).c_str(),
              MB_OK | MB_ICONWARNING);
}

bool LoadLibrarySession(HINSTANCE instance, int id) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return false;
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(instance, found)));
  const std::string text(bytes, SizeofResource(instance, found));
  wchar_t name[64] = L"";
  LoadStringW(instance, static_cast<UINT>(id), name, 64);
  ListedSession listed{name, Session{}};
  SessionError error;
  // The library is checked by the tests; a file that failed would be left out.
  if (ParseSession(text, Utf8FromWide(name), listed.session, error))
    ListedSessions.push_back(listed);
  return true;
}

}  // namespace

void LoadLibrarySessions(HINSTANCE instance) {
  for (int id = FirstLibraryResource; LoadLibrarySession(instance, id); id++) {
  }
}

bool LoadSessionFile(const wchar_t* path, HWND owner) {
  std::string text;
  SessionError error{};
  ListedSession listed{FileName(path), Session{}};
  const bool read = ReadWholeFile(path, text, LargestSessionFile);
  if (!read) error.what = "cannot be read, or is larger than 64 MiB";
  // The music is checked now, so that a missing file is never met at Start.
  if (!read || !ParseSession(text, Utf8FromWide(listed.name), listed.session, error) ||
      !CheckSessionMusic(listed.session, Utf8FromWide(path), Utf8FromWide(listed.name), error)) {
    ShowBadFile(owner, path, error);
    return false;
  }
  ListedSessions.push_back(listed);
  return true;
}
