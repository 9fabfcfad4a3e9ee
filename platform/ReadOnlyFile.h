// A file read at any offset, without a position shared between reads, by a
// UTF-8 name. On Windows it is opened with CreateFileW and FILE_SHARE_READ,
// so that other programs may read it meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct ReadOnlyFile {
  intptr_t handle;  // a HANDLE on Windows, a descriptor elsewhere; -1 when closed
  uint64_t size;    // bytes, when it was opened
};

enum class OpenResult { Opened, Missing, Unreadable };

OpenResult OpenReadOnly(const std::string& name, ReadOnlyFile& file);

// Reads count bytes from offset on. The bytes read, fewer at the file's
// end; -1 when reading failed.
int64_t ReadAt(const ReadOnlyFile& file, uint64_t offset, void* bytes, size_t count);

void CloseReadOnly(ReadOnlyFile& file);
