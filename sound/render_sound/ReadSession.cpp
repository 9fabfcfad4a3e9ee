#include "sound/render_sound/ReadSession.h"

#include <cerrno>
#include <cstring>

#include "platform/FileNames.h"
#include "session_format/TextFields.h"

namespace {
// Far above any real session (a million segment lines fit in 30 MB), but a
// bound, so that a device or a wrong file is refused instead of read forever.
const size_t LargestSessionFile = 64u << 20;
}  // namespace

bool ReadSession(const std::string& name, FILE* standardInput, std::string& text,
                 std::string& error) {
  text.clear();
  error.clear();
  FILE* in = name == "-" ? standardInput : OpenNamedFile(name, "rb");
  int failure = errno;
  char chunk[65536];
  size_t got = 0;
  while (in != nullptr && text.size() <= LargestSessionFile &&
         (got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
    text.append(chunk, got);
  if (in != nullptr && std::ferror(in)) failure = errno;
  const std::string shownName = "'" + Printable(name) + "'";
  if (in == nullptr || std::ferror(in))
    error = "cannot read session file " + shownName + ": " + std::strerror(failure);
  else if (text.size() > LargestSessionFile)
    error = "session file " + shownName + " is larger than 64 MiB";
  if (in != nullptr && in != standardInput) std::fclose(in);
  return error.empty();
}
