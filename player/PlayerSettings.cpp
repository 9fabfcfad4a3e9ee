#include "player/PlayerSettings.h"

#include <algorithm>

#include "platform/Paths.h"

namespace {

// The registry's texts are UTF-16 on every host; the settings keep UTF-8.
std::u16string Utf16FromUtf8(const std::string& text) {
  std::u16string units;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length && i + k < text.size(); k++)
      point = point << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += length;
    if (point < 0x10000) {
      units += static_cast<char16_t>(point);
      continue;
    }
    units += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
    units += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
  }
  return units;
}

std::string Utf8FromUtf16(const std::u16string& units) {
  std::string text;
  for (size_t i = 0; i < units.size(); i++) {
    uint32_t point = units[i];
    const bool pair = point >= 0xD800 && point < 0xDC00 && i + 1 < units.size() &&
                      units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000;
    if (pair) point = 0x10000 + ((point - 0xD800) << 10) + (units[++i] - 0xDC00);
    if (point < 0x80) {
      text += static_cast<char>(point);
    } else if (point < 0x800) {
      text += static_cast<char>(0xC0 | point >> 6);
      text += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
      text += static_cast<char>(0xE0 | point >> 12);
      text += static_cast<char>(0x80 | (point >> 6 & 0x3F));
      text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | point >> 18);
      text += static_cast<char>(0x80 | (point >> 12 & 0x3F));
      text += static_cast<char>(0x80 | (point >> 6 & 0x3F));
      text += static_cast<char>(0x80 | (point & 0x3F));
    }
  }
  return text;
}

const uint32_t LastPattern = ModeCount - 1;
const int LargestEditorSide = 32767;

const StoredValue* Find(const StoredValues& values, const char* name, uint32_t type) {
  const auto found = values.find(name);
  return found != values.end() && found->second.type == type ? &found->second : nullptr;
}

bool Number(const StoredValues& values, const char* name, uint32_t& number) {
  const StoredValue* value = Find(values, name, NumberType);
  if (!value || value->bytes.size() != 4) return false;
  const std::vector<uint8_t>& b = value->bytes;
  number = b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24;
  return true;
}

// UTF-16 little-endian units up to the first null or the end.
std::vector<std::u16string> Texts(const std::vector<uint8_t>& bytes) {
  std::vector<std::u16string> texts(1);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char16_t unit = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    if (unit != 0) {
      texts.back() += unit;
      continue;
    }
    if (texts.back().empty()) break;  // the list's closing null
    texts.emplace_back();
  }
  if (texts.back().empty()) texts.pop_back();
  return texts;
}

bool Text(const StoredValues& values, const char* name, std::string& utf8) {
  const StoredValue* value = Find(values, name, TextType);
  if (!value) return false;
  const std::vector<std::u16string> texts = Texts(value->bytes);
  utf8 = texts.empty() ? "" : Utf8FromUtf16(texts.front());
  return true;
}

void AddUnits(std::vector<uint8_t>& bytes, const std::u16string& text) {
  for (char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>((unit >> 8) & 0xFF));
  }
  bytes.push_back(0);
  bytes.push_back(0);
}

EditorPlace EditorPlaceFrom(const StoredValues& values) {
  uint32_t left, top, width, height;
  const bool all = Number(values, "EditorLeft", left) && Number(values, "EditorTop", top) &&
                   Number(values, "EditorWidth", width) && Number(values, "EditorHeight", height);
  const auto side = [](uint32_t n) { return n >= 1 && n <= LargestEditorSide; };
  if (!all || !side(width) || !side(height)) return {0, 0, 0, 0};
  return {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int>(width),
          static_cast<int>(height)};
}

}  // namespace

PlayerSettings SettingsFrom(const StoredValues& values) {
  PlayerSettings settings;
  uint32_t number;
  if (Number(values, "Volume", number) && number <= FullListenerLevel) settings.volume = number;
  if (Number(values, "Pattern", number) && number <= LastPattern) settings.pattern = number;
  std::string text;
  if (Text(values, "Language", text) && (text == "ru" || text == "en")) settings.language = text;
  if (Text(values, "Folder", text)) settings.folder = text;
  settings.editor = EditorPlaceFrom(values);
  if (const StoredValue* files = Find(values, "RecentFiles", TextListType))
    for (const std::u16string& file : Texts(files->bytes))
      if (settings.recentFiles.size() < MostRecentFiles)
        settings.recentFiles.push_back(Utf8FromUtf16(file));
  return settings;
}

StoredValue NumberValue(uint32_t number) {
  return {NumberType,
          {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
           static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)}};
}

StoredValue TextValue(const std::string& utf8) {
  StoredValue value = {TextType, {}};
  AddUnits(value.bytes, Utf16FromUtf8(utf8));
  return value;
}

// Each name ended by a null, and one more after the last.
StoredValue TextListValue(const std::vector<std::string>& utf8) {
  StoredValue value = {TextListType, {}};
  for (const std::string& text : utf8) AddUnits(value.bytes, Utf16FromUtf8(text));
  AddUnits(value.bytes, u"");
  return value;
}

bool RememberFile(std::vector<std::string>& files, const std::string& path) {
  const std::vector<std::string> before = files;
  files.erase(std::remove_if(files.begin(), files.end(),
                             [&path](const std::string& file) { return SameWindowsName(file, path); }),
              files.end());
  files.push_back(path);
  if (files.size() > MostRecentFiles) files.erase(files.begin(), files.end() - MostRecentFiles);
  return files != before;
}
