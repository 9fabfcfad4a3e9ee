// Saving a file so that it is never left half written: the bytes go to a
// new file in the same folder, which replaces the old one only once it is
// whole on the disk. A full disk, a failed write or a program stopped
// halfway leaves the old file as it was.
#pragma once

#include <string>

// Writes bytes as the file of this UTF-8 name, replacing any file there.
// False when any step failed: the old file is then untouched and the new
// one's temporary file removed. Only where Windows, replacing the old file,
// could neither put the new one in its place nor give the old one its name
// back is the old file whole under another name: oldFileMovedTo names it
// (else it is left empty), so that the user can be told where it is.
bool SaveFileAtomically(const std::string& name, const std::string& bytes,
                        std::string& oldFileMovedTo);
