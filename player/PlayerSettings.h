// What the player keeps between runs, window-free: the values under
// HKEY_CURRENT_USER\Software\Tessovant\Player, their names, types and
// ranges, and their bytes as the registry holds them. A value that is
// missing, of another type or out of range is taken as its default.
//
//   Volume        REG_DWORD     the listener's level, 0..100 (default 100)
//   Pattern       REG_DWORD     the pattern chosen, 0..4 (default 1)
//   Language      REG_SZ        "ru" or "en", once the user has switched
//   Folder        REG_SZ        the folder of the last Open or Save
//   EditorLeft    REG_DWORD     the editor's outer left and top in pixels
//   EditorTop     REG_DWORD       (as signed 32-bit numbers), its width and
//   EditorWidth   REG_DWORD       height at 96 DPI, 1..32767; the four
//   EditorHeight  REG_DWORD       together, or none
//   RecentFiles   REG_MULTI_SZ  the session files opened, whole paths, the
//                               last 20, the oldest first
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "editor/EditorLayout.h"
#include "exposure/ExposureState.h"

// The registry's types of value, as Windows numbers them.
constexpr uint32_t TextType = 1;       // REG_SZ
constexpr uint32_t NumberType = 4;     // REG_DWORD
constexpr uint32_t TextListType = 7;   // REG_MULTI_SZ
constexpr size_t MostRecentFiles = 20;

struct StoredValue {
  uint32_t type;
  std::vector<uint8_t> bytes;
};
// By value name; a missing value is not in the map.
using StoredValues = std::map<std::string, StoredValue>;

struct PlayerSettings {
  uint32_t volume = FullListenerLevel;
  uint32_t pattern = static_cast<uint32_t>(VisualMode::SmoothStrobe);
  std::string language;  // "ru", "en", or "" while the user has not switched
  std::string folder;    // UTF-8, "" for none
  EditorPlace editor = {0, 0, 0, 0};
  std::vector<std::string> recentFiles;  // UTF-8
};

PlayerSettings SettingsFrom(const StoredValues& values);

// Each setting as the registry stores it, by value name.
StoredValue NumberValue(uint32_t number);
StoredValue TextValue(const std::string& utf8);
StoredValue TextListValue(const std::vector<std::string>& utf8);

// The file joins the end of the list, or moves there if it is in it
// already (names compared as Windows compares them, without case); the
// oldest go beyond MostRecentFiles. False when the list is as it was.
bool RememberFile(std::vector<std::string>& files, const std::string& path);
