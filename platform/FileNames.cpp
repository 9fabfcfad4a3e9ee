#include "platform/FileNames.h"

#ifndef _WIN32

#include <sys/stat.h>
#include <unistd.h>

FILE* OpenNamedFile(const std::string& name, const char* mode) {
  return std::fopen(name.c_str(), mode);
}

void RemoveNamedFile(const std::string& name) {
  struct stat status;
  if (stat(name.c_str(), &status) == 0 && S_ISREG(status.st_mode)) unlink(name.c_str());
}

#else

#include <windows.h>
#include <shellapi.h>

namespace {

bool ReadAll(HANDLE file, std::string& bytes, size_t limit) {
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
    if (bytes.size() + got > limit) return false;
    bytes.append(chunk, got);
  }
  return got == 0;
}

}  // namespace

FILE* OpenNamedFile(const std::string& name, const char* mode) {
  return _wfopen(WideFromUtf8(name).c_str(), WideFromUtf8(mode).c_str());
}

// DeleteFileW removes a file, never a folder.
void RemoveNamedFile(const std::string& name) { DeleteFileW(WideFromUtf8(name).c_str()); }

bool ReadWholeFile(const wchar_t* path, std::string& bytes, size_t limit) {
  bytes.clear();
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool read = ReadAll(file, bytes, limit);
  CloseHandle(file);
  return read;
}

std::wstring WideFromUtf8(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, &wide[0], length);
  return wide;
}

std::wstring WideFromCodePage1251(const char* text) {
  const int length = MultiByteToWideChar(1251, 0, text, -1, nullptr, 0);
  if (length <= 1) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(1251, 0, text, -1, &wide[0], length);
  wide.pop_back();  // the terminating null, counted in length
  return wide;
}

std::string Utf8FromWide(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, &narrow[0], length, nullptr, nullptr);
  return narrow;
}

std::vector<std::string> Utf8Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; wide != nullptr && i < count; i++) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

#endif
