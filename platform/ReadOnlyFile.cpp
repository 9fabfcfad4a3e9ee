#include "platform/ReadOnlyFile.h"

#ifdef _WIN32

#include <windows.h>

#include "platform/FileNames.h"

namespace {
HANDLE Handle(const ReadOnlyFile& file) { return reinterpret_cast<HANDLE>(file.handle); }
}  // namespace

OpenResult OpenReadOnly(const std::string& name, ReadOnlyFile& file) {
  file = ReadOnlyFile{-1, 0};
  const HANDLE handle = CreateFileW(WideFromUtf8(name).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? OpenResult::Missing
                                                                          : OpenResult::Unreadable;
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(handle, &size)) {
    CloseHandle(handle);
    return OpenResult::Unreadable;
  }
  file = ReadOnlyFile{reinterpret_cast<intptr_t>(handle), static_cast<uint64_t>(size.QuadPart)};
  return OpenResult::Opened;
}

// A synchronous handle read with an OVERLAPPED record reads at its offset
// and leaves the handle's own position alone; at the end of the file it
// fails with ERROR_HANDLE_EOF.
int64_t ReadAt(const ReadOnlyFile& file, uint64_t offset, void* bytes, size_t count) {
  OVERLAPPED at = {};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  if (ReadFile(Handle(file), bytes, static_cast<DWORD>(count), &got, &at))
    return static_cast<int64_t>(got);
  return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
}

void CloseReadOnly(ReadOnlyFile& file) {
  if (file.handle != -1) CloseHandle(Handle(file));
  file.handle = -1;
}

#else

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

OpenResult OpenReadOnly(const std::string& name, ReadOnlyFile& file) {
  file = ReadOnlyFile{-1, 0};
  const int descriptor = open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0)
    return errno == ENOENT || errno == ENOTDIR ? OpenResult::Missing : OpenResult::Unreadable;
  struct stat status;
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(descriptor);
    return OpenResult::Unreadable;
  }
  file = ReadOnlyFile{descriptor, static_cast<uint64_t>(status.st_size)};
  return OpenResult::Opened;
}

int64_t ReadAt(const ReadOnlyFile& file, uint64_t offset, void* bytes, size_t count) {
  size_t done = 0;
  while (done < count) {
    const ssize_t got = pread(static_cast<int>(file.handle), static_cast<char*>(bytes) + done,
                              count - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return static_cast<int64_t>(done);
}

void CloseReadOnly(ReadOnlyFile& file) {
  if (file.handle != -1) close(static_cast<int>(file.handle));
  file.handle = -1;
}

#endif
