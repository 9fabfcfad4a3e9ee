// Catches a save that harms the old file when the disk is full, leaves its
// temporary file behind, gives up on a write that took fewer bytes than it
// was given, or leaves the old file under another name without saying which:
// this program points its import slots of WriteFile, ReplaceFileW and
// MoveFileExW at wrappers that refuse writes as a full disk does
// (ERROR_DISK_FULL), take a few bytes at a time, or fail a replacement after
// moving the old file aside and then refuse to move it back; it saves into a
// folder named in Russian.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/FileNames.h"
#include "platform/SaveFile.h"
#include "tests/wine/shared/ImportSlots.h"

namespace {

typedef BOOL(WINAPI* WriteCall)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
WriteCall systemWrite;
decltype(&ReplaceFileW) systemReplace;
decltype(&MoveFileExW) systemMove;
int writesBeforeFull = -1;  // -1: the disk never fills
DWORD mostPerWrite;         // 0: a write takes all it is given
bool replacementStuck;      // the old file moved aside, the new one not placed, no way back
int failures;

BOOL WINAPI Write(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written, LPOVERLAPPED at) {
  if (writesBeforeFull == 0) {
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
  }
  if (writesBeforeFull > 0) writesBeforeFull--;
  return systemWrite(file, bytes, mostPerWrite && count > mostPerWrite ? mostPerWrite : count,
                     written, at);
}

BOOL WINAPI Replace(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags,
                    LPVOID exclude, LPVOID reserved) {
  if (!replacementStuck)
    return systemReplace(replaced, replacement, backup, flags, exclude, reserved);
  systemMove(replaced, backup, 0);
  SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
  return FALSE;
}

BOOL WINAPI Move(LPCWSTR from, LPCWSTR to, DWORD flags) {
  if (replacementStuck) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  return systemMove(from, to, flags);
}

void Check(bool condition, const char* what, const char* label) {
  std::printf("%s: %s: %s\n", condition ? "ok" : "FAIL", label, what);
  failures += condition ? 0 : 1;
}

int FilesIn(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  int files = 0;
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
    files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  systemWrite = ReplaceImport("kernel32.dll", "WriteFile", Write);
  systemReplace = ReplaceImport("kernel32.dll", "ReplaceFileW", Replace);
  systemMove = ReplaceImport("kernel32.dll", "MoveFileExW", Move);
  if (argc < 2 || !systemWrite || !systemReplace || !systemMove) return 2;
  const std::wstring folder = WideFromUtf8(std::string(argv[1]) + "\\сохранение Ω");
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::string file = Utf8FromWide(folder) + "\\вечер.txt";
  const std::string old = "title ru Вечер\r\n5s 1 10\r\n", grown(200000, '#');
  const struct {
    const char* what;
    bool existing;
    int writesBeforeFull;
    DWORD mostPerWrite;
    bool stuck;
    bool saved;
  } cases[] = {
      {"a full disk at the first write", true, 0, 0, false, false},
      {"a full disk after the first 64 KiB", true, 1, 0, false, false},
      {"a full disk for a new file", false, 0, 0, false, false},
      {"writes of 1000 bytes at a time", true, -1, 1000, false, true},
      {"a disk with room", true, -1, 0, false, true},
      {"a replacement stuck halfway", true, -1, 0, true, false},
  };
  for (const auto& c : cases) {
    DeleteFileW(WideFromUtf8(file).c_str());
    writesBeforeFull = -1;
    mostPerWrite = 0;
    std::string movedTo;
    if (c.existing) SaveFileAtomically(file, old, movedTo);
    writesBeforeFull = c.writesBeforeFull;
    mostPerWrite = c.mostPerWrite;
    replacementStuck = c.stuck;
    const bool saved = SaveFileAtomically(file, grown, movedTo);
    writesBeforeFull = -1;
    replacementStuck = false;
    std::string now;
    const std::string& oldNow = c.stuck ? movedTo : file;
    const bool present = ReadWholeFile(WideFromUtf8(oldNow).c_str(), now, 1 << 20);
    Check(saved == c.saved, c.saved ? "saved" : "refused", c.what);
    Check(c.saved ? now == grown : (c.existing ? now == old : !present),
          c.saved ? "the new text whole" : "the old file as it was, where it is said to be",
          c.what);
    Check(c.stuck != movedTo.empty(), "the old file's other name told exactly when it has one",
          c.what);
    Check(FilesIn(folder) == (c.existing || c.saved ? 1 : 0), "no other file in the folder", c.what);
    if (c.stuck) DeleteFileW(WideFromUtf8(movedTo).c_str());
  }
  std::printf("save: %s\n", failures ? "FAILED" : "passed");
  return failures ? 1 : 0;
}
