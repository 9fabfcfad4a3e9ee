#include "platform/SaveFile.h"

#include <algorithm>

#ifdef _WIN32

#include <windows.h>

#include "platform/FileNames.h"
#include "platform/Paths.h"

namespace {

const size_t WriteChunk = 65536;
const wchar_t TemporaryPrefix[] = L"tss";

// A write may take fewer bytes than it was given; one that takes none, or
// fails, ends the save (a full disk fails with ERROR_DISK_FULL).
bool WriteAll(HANDLE file, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min(bytes.size() - done, WriteChunk));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0 ||
        written > chunk)
      return false;
    done += written;
  }
  return true;
}

// The bytes on the disk, not in the system's cache, before the file may
// take the old one's place; a failed close can lose what was written too.
bool WriteWhole(const wchar_t* path, const std::string& bytes) {
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
  return CloseHandle(file) && written;
}

// The old file goes to a name of its own while the new one takes its place,
// so that a replacement that fails halfway can give it its name back.
// ReplaceFileW keeps the old file's attributes and permissions. Where the
// old file has its backup name and cannot be given its own back, that name
// is told.
bool ReplaceExisting(const std::wstring& target, const wchar_t* temporary,
                     const std::wstring& folder, std::string& oldFileMovedTo) {
  wchar_t backup[MAX_PATH];
  if (GetTempFileNameW(folder.c_str(), TemporaryPrefix, 0, backup) == 0) return false;
  if (!DeleteFileW(backup)) return false;
  if (ReplaceFileW(target.c_str(), temporary, backup, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                   nullptr)) {
    DeleteFileW(backup);
    return true;
  }
  if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
      !MoveFileExW(backup, target.c_str(), 0))
    oldFileMovedTo = Utf8FromWide(backup);
  return false;
}

bool PlaceFile(const std::wstring& target, const wchar_t* temporary, const std::wstring& folder,
               std::string& oldFileMovedTo) {
  if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
    return ReplaceExisting(target, temporary, folder, oldFileMovedTo);
  return MoveFileExW(temporary, target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

bool SaveFileAtomically(const std::string& name, const std::string& bytes,
                        std::string& oldFileMovedTo) {
  oldFileMovedTo.clear();
  const std::wstring target = WideFromUtf8(name);
  const std::wstring folder = WideFromUtf8(WindowsFolderOrDot(name));
  wchar_t temporary[MAX_PATH];
  // Made empty in the target's folder, so that it lies on the same volume.
  if (GetTempFileNameW(folder.c_str(), TemporaryPrefix, 0, temporary) == 0) return false;
  const bool saved =
      WriteWhole(temporary, bytes) && PlaceFile(target, temporary, folder, oldFileMovedTo);
  if (!saved) DeleteFileW(temporary);
  return saved;
}

#else

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

bool WriteAll(int descriptor, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t written = write(descriptor, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

// The old file's permissions, or those of a new text file.
mode_t ModeFor(const std::string& name) {
  struct stat status;
  return stat(name.c_str(), &status) == 0 ? status.st_mode & 07777 : 0644;
}

}  // namespace

bool SaveFileAtomically(const std::string& name, const std::string& bytes,
                        std::string& oldFileMovedTo) {
  // rename replaces the old file in one step: it never leaves it elsewhere.
  oldFileMovedTo.clear();
  const size_t slash = name.find_last_of('/');
  const size_t base = slash == std::string::npos ? 0 : slash + 1;
  std::string temporary = name.substr(0, base) + "." + name.substr(base) + ".XXXXXX";
  const int descriptor = mkstemp(&temporary[0]);
  if (descriptor < 0) return false;
  bool saved = fchmod(descriptor, ModeFor(name)) == 0 && WriteAll(descriptor, bytes) &&
               fsync(descriptor) == 0;
  saved = close(descriptor) == 0 && saved;
  saved = saved && std::rename(temporary.c_str(), name.c_str()) == 0;
  if (!saved) unlink(temporary.c_str());
  return saved;
}

#endif
