// render-sound's own reading of a session file: the bytes, from a file or
// standard input, for the shared reader to check.
#pragma once

#include <cstdio>
#include <string>

// Reads the whole session file, or standardInput when the name is "-"; false
// with a one-line message naming the file if it cannot be read or is too
// large to be a session.
bool ReadSession(const std::string& name, FILE* standardInput, std::string& text,
                 std::string& error);
