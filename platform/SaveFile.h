// Saving a file so that it is never left half written: the bytes go to a
// new file in the same folder, which replaces the old one only once it is
// whole on the disk. A full disk, a failed write or a program stopped
// halfway leaves the old file as it was.
#pragma once

#include <string>

// Writes bytes as the file of this UTF-8 name, replacing any file there.
// False when any step failed: the old file is then untouched and the new
// one's temporary file removed.
bool SaveFileAtomically(const std::string& name, const std::string& bytes);
