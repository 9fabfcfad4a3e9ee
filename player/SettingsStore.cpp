#include "player/SettingsStore.h"

#include <windows.h>

#include "platform/FileNames.h"

namespace {

const wchar_t PlayerKey[] = L"Software\\Tessovant\\Player";

}  // namespace

PlayerSettings ReadPlayerSettings() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, PlayerKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return PlayerSettings();
  DWORD longestName = 0, longestData = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                   &longestName, &longestData, nullptr, nullptr);
  StoredValues values;
  std::wstring name(longestName + 1, L'\0');
  std::vector<uint8_t> data(longestData + 2);
  for (DWORD index = 0;; index++) {
    DWORD nameLength = longestName + 1, type = 0, size = longestData;
    const LONG result = RegEnumValueW(key, index, &name[0], &nameLength, nullptr, &type,
                                      data.data(), &size);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS) continue;  // a value grown meanwhile is left at its default
    values[Utf8FromWide(name.substr(0, nameLength))] =
        StoredValue{type, std::vector<uint8_t>(data.begin(), data.begin() + size)};
  }
  RegCloseKey(key);
  return SettingsFrom(values);
}

void StoreSetting(const char* name, const StoredValue& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, PlayerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExW(key, WideFromUtf8(name).c_str(), 0, value.type, value.bytes.data(),
                 static_cast<DWORD>(value.bytes.size()));
  RegCloseKey(key);
}
