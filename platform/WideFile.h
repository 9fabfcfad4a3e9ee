// Files named by wide (UTF-16) paths, so that a name in any language opens
// whatever the code page of programs that are not Unicode.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Reads the whole file into bytes. False when it cannot be opened or read,
// or holds more than limit bytes.
bool ReadWholeFile(const wchar_t* path, std::string& bytes, size_t limit);

// UTF-8 text (as a program keeps names internally) to UTF-16 and back.
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
