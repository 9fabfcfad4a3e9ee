#include "platform/Paths.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

bool IsWindowsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsOwnSeparator(char c) {
#ifdef _WIN32
  return IsWindowsSeparator(c);
#else
  return c == '/';
#endif
}

// Just after the last separator; 0 for a bare name.
size_t FolderEnd(const std::string& path, bool windowsRules) {
  size_t end = path.size();
  while (end > 0 && !(windowsRules ? IsWindowsSeparator(path[end - 1]) : IsOwnSeparator(path[end - 1])))
    end--;
  return end;
}

// A path's separators before its first name ("\\" for a share, "\" for the
// root of the current drive), and its names, "." and ".." resolved.
struct PathParts {
  std::string lead;
  std::vector<std::string> names;
};

PathParts Split(const std::string& path) {
  PathParts parts;
  size_t at = 0;
  while (at < path.size() && IsWindowsSeparator(path[at])) parts.lead += path[at++];
  while (at < path.size()) {
    size_t end = at;
    while (end < path.size() && !IsWindowsSeparator(path[end])) end++;
    const std::string name = path.substr(at, end - at);
    if (name == ".." && !parts.names.empty())
      parts.names.pop_back();
    else if (!name.empty() && name != ".")
      parts.names.push_back(name);
    at = end + 1;
  }
  return parts;
}

std::string Joined(const std::vector<std::string>& names, size_t from) {
  std::string path;
  for (size_t i = from; i < names.size(); i++) path += (i > from ? "\\" : "") + names[i];
  return path;
}

}  // namespace

bool IsAbsoluteWindowsPath(const std::string& path) {
  // A drive ("C:\music", or "C:music" on that drive's own folder) or the root
  // of the current drive or of a share ("\music", "\\server\music").
  return (path.size() >= 2 && path[1] == ':') || (!path.empty() && IsWindowsSeparator(path[0]));
}

std::string WindowsFolderOf(const std::string& path) {
  return path.substr(0, FolderEnd(path, true));
}

std::string WindowsFolderOrDot(const std::string& path) {
  const std::string folder = WindowsFolderOf(path);
  return folder.empty() ? "." : folder;
}

std::string WindowsFileNameOf(const std::string& path) {
  return path.substr(FolderEnd(path, true));
}

bool SameWindowsName(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string RelativeWindowsPath(const std::string& file, const std::string& folder) {
  const PathParts target = Split(file), from = Split(folder);
  size_t common = 0;
  while (common < target.names.size() - 1 && common < from.names.size() &&
         SameWindowsName(target.names[common], from.names[common]))
    common++;
  const size_t root = from.lead.empty() ? 1 : from.lead.size() == 2 ? 2 : 0;
  if (target.lead != from.lead || common < root) return target.lead + Joined(target.names, 0);
  std::string up;
  for (size_t i = common; i < from.names.size(); i++) up += "..\\";
  return up + Joined(target.names, common);
}

bool IsAbsolutePath(const std::string& path) {
#ifdef _WIN32
  return IsAbsoluteWindowsPath(path);
#else
  return !path.empty() && path[0] == '/';
#endif
}

std::string FolderOf(const std::string& path) {
  return path.substr(0, FolderEnd(path, false));
}
