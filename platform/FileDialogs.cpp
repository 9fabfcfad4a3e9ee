#include "platform/FileDialogs.h"

#include <commdlg.h>

#include "platform/FileNames.h"
#include "platform/Paths.h"

namespace {

std::string lastFolder;

}  // namespace

bool AskForFile(HWND owner, bool save, const std::string& filter, const std::string& folder,
                const wchar_t* defaultExtension, std::string& path) {
  wchar_t name[MAX_PATH * 4] = L"";
  lstrcpynW(name, WideFromUtf8(path).c_str(), MAX_PATH * 4);
  const std::wstring choice = WideFromUtf8(filter);
  const std::wstring start = WideFromUtf8(folder.empty() ? lastFolder : folder);
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = choice.c_str();
  dialog.lpstrFile = name;
  dialog.nMaxFile = MAX_PATH * 4;
  dialog.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
  dialog.lpstrDefExt = save ? defaultExtension : nullptr;
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return false;
  path = Utf8FromWide(name);
  lastFolder = WindowsFolderOf(path);
  return true;
}

void StartDialogsIn(const std::string& folder) { lastFolder = folder; }

std::string DialogsFolder() { return lastFolder; }

void TellUser(HWND owner, const std::string& title, const std::string& text, UINT icon) {
  MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(), MB_OK | icon);
}
