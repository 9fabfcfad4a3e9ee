// Path arithmetic on UTF-8 names, window-free. The editor's documents and the
// player's files follow Windows' rules on every host, so that they are tested
// natively: names between \ or /, a drive letter ("C:"), a share ("\\server"),
// letters compared without case. Finding a file beside another for the
// program running here follows the platform's own rules: Windows' on
// Windows, / alone elsewhere.
#pragma once

#include <string>

// Windows' rules, on every host.
bool IsAbsoluteWindowsPath(const std::string& path);
// The folder, its last separator included; "" for a bare name.
std::string WindowsFolderOf(const std::string& path);
// The same, but "." for a bare name, as the system takes a folder.
std::string WindowsFolderOrDot(const std::string& path);
// The name after the folder.
std::string WindowsFileNameOf(const std::string& path);
// Names equal but for the case of their letters (ASCII).
bool SameWindowsName(const std::string& a, const std::string& b);
// The file (absolute) named from the folder (absolute, its separator at the
// end): as many "..\" as the folder lies deeper than their common part,
// then the rest of the file's names; the file whole where they share no
// drive or share.
std::string RelativeWindowsPath(const std::string& file, const std::string& folder);

// The platform's own rules.
bool IsAbsolutePath(const std::string& path);
// The folder, its last separator included; "" for a bare name.
std::string FolderOf(const std::string& path);
