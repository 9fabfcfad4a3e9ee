// File names and texts in any language. The programs keep names in UTF-8; on
// Windows a name goes to the system in UTF-16 (CreateFileW, _wfopen), so that
// a folder named in the user's language opens whatever the code page for
// programs that are not Unicode.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// fopen of a UTF-8 name.
FILE* OpenNamedFile(const std::string& name, const char* mode);

// Removes a regular file by its UTF-8 name; a device or a pipe written to is
// left alone.
void RemoveNamedFile(const std::string& name);

#ifdef _WIN32
// Reads the whole file into bytes. False when it cannot be opened or read,
// or holds more than limit bytes.
bool ReadWholeFile(const wchar_t* path, std::string& bytes, size_t limit);

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);

// A text of the panel's tables (Windows-1251 bytes) for a Unicode window,
// converted from that code page whatever the system's own.
std::wstring WideFromCodePage1251(const char* text);

// The program's command line, program name first, in UTF-8: main's own
// arguments have passed through the code page and lost what it lacks.
std::vector<std::string> Utf8Arguments();
#endif
