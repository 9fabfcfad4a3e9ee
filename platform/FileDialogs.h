// The Open and the Save dialogs of the Unicode windows, and their message
// boxes, on UTF-8 texts.
#pragma once

#include <windows.h>

#include <string>

// The Open (save false) or the Save dialog over owner, starting in folder
// (empty: where Windows chooses). filter holds pairs of a name and its
// pattern, each ended by a null, and a null after the last. path is the name
// offered, then the one chosen; the Save dialog adds defaultExtension to a
// name without one and asks before it replaces a file. The dialogs leave the
// current folder alone: a session without a file finds its music from it.
bool AskForFile(HWND owner, bool save, const std::string& filter, const std::string& folder,
                const wchar_t* defaultExtension, std::string& path);

// The folder the dialogs start in when asked for none: the one given at
// start (kept from the last run), then that of the last file chosen.
void StartDialogsIn(const std::string& folder);
std::string DialogsFolder();

// A message box with an OK button; icon is MB_ICONWARNING, MB_ICONERROR ...
void TellUser(HWND owner, const std::string& title, const std::string& text, UINT icon);
