// Catches a setting that does not read back as written, and a value of the
// wrong type, out of range or missing that is not taken as its default.
#include <gtest/gtest.h>

#include "player/PlayerSettings.h"
#include "sound/DeviceWatch.h"

TEST(PlayerSettings, WrittenValuesReadBack) {
  const std::vector<std::string> files = {"C:\\сеансы\\sleep.txt", "D:\\Ω.txt"};
  const StoredValues values = {
      {"Volume", NumberValue(40)},
      {"Pattern", NumberValue(3)},
      {"Language", TextValue("en")},
      {"Folder", TextValue("C:\\сеансы")},
      {"EditorLeft", NumberValue(static_cast<uint32_t>(-1200))},
      {"EditorTop", NumberValue(30)},
      {"EditorWidth", NumberValue(900)},
      {"EditorHeight", NumberValue(700)},
      {"RecentFiles", TextListValue(files)},
  };
  const PlayerSettings read = SettingsFrom(values);
  EXPECT_EQ(read.volume, 40u);
  EXPECT_EQ(read.pattern, 3u);
  EXPECT_EQ(read.language, "en");
  EXPECT_EQ(read.folder, "C:\\сеансы");
  EXPECT_EQ(read.editor.left, -1200);
  EXPECT_EQ(read.editor.top, 30);
  EXPECT_EQ(read.editor.width, 900);
  EXPECT_EQ(read.editor.height, 700);
  EXPECT_EQ(read.recentFiles, files);
  // As Windows writes them: UTF-16 with a null, the list with one more.
  EXPECT_EQ(TextValue("en").bytes, (std::vector<uint8_t>{'e', 0, 'n', 0, 0, 0}));
  EXPECT_EQ(TextListValue({}).bytes, (std::vector<uint8_t>{0, 0}));
}

TEST(PlayerSettings, WrongTypeOutOfRangeOrMissingIsTheDefault) {
  struct Case {
    const char* what;
    StoredValues values;
  };
  const Case cases[] = {
      {"nothing stored", {}},
      {"numbers as text", {{"Volume", TextValue("40")}, {"Pattern", TextValue("3")}}},
      {"text as a number", {{"Language", NumberValue(1)}, {"Folder", NumberValue(2)}}},
      {"out of range", {{"Volume", NumberValue(101)}, {"Pattern", NumberValue(5)},
                        {"Language", TextValue("de")}}},
      {"a number of two bytes", {{"Volume", StoredValue{NumberType, {40, 0}}}}},
      {"the editor's place without its height",
       {{"EditorLeft", NumberValue(0)}, {"EditorTop", NumberValue(0)}, {"EditorWidth", NumberValue(900)}}},
      {"the editor of no width",
       {{"EditorLeft", NumberValue(0)}, {"EditorTop", NumberValue(0)}, {"EditorWidth", NumberValue(0)},
        {"EditorHeight", NumberValue(700)}}},
      {"the files as one text", {{"RecentFiles", TextValue("C:\\a.txt")}}},
  };
  for (const Case& c : cases) {
    const PlayerSettings read = SettingsFrom(c.values);
    EXPECT_EQ(read.volume, 100u) << c.what;
    EXPECT_EQ(read.pattern, 1u) << c.what;
    EXPECT_EQ(read.language, "") << c.what;
    EXPECT_EQ(read.folder, "") << c.what;
    EXPECT_EQ(read.editor.width, 0) << c.what;
    EXPECT_TRUE(read.recentFiles.empty()) << c.what;
  }
}

TEST(PlayerSettings, TheLastTwentyFilesOpenedTheLatestLast) {
  std::vector<std::string> files;
  for (int i = 0; i < 25; i++) EXPECT_TRUE(RememberFile(files, "C:\\" + std::to_string(i) + ".txt"));
  ASSERT_EQ(files.size(), MostRecentFiles);
  EXPECT_EQ(files.front(), "C:\\5.txt");
  EXPECT_TRUE(RememberFile(files, "c:\\7.TXT"));  // Windows' names know no case
  EXPECT_EQ(files.size(), MostRecentFiles);
  EXPECT_EQ(files.back(), "c:\\7.TXT");
  EXPECT_FALSE(RememberFile(files, "c:\\7.TXT"));  // already the latest
  // More than twenty stored (by hand): the first twenty are taken.
  std::vector<std::string> many(files);
  many.push_back("C:\\extra.txt");
  EXPECT_EQ(SettingsFrom({{"RecentFiles", TextListValue(many)}}).recentFiles, files);
}

// The device rule: a device is given up only when neither a notification
// nor, where the worker reads it, a move of its position has come for the
// limit.
TEST(DeviceWatch, APlayingDeviceIsKeptHoweverLateItsNotifications) {
  struct Case {
    const char* what;
    int slices;           // of 50 ms, none with a notification
    int lastMoveAt;       // the slice in which the position last moved; -1 never
    bool readsPosition;
    bool standsStill;
  };
  const Case cases[] = {
      {"3 s without a notice, moving all along", 60, 59, true, false},
      {"3 s without a notice, still for the last 2 s", 60, 19, true, true},
      {"still for 1.95 s", 60, 21, true, false},
      {"the panel's worker reads no position", 40, 39, false, true},
      {"1.95 s without a notice", 39, -1, false, false},
      {"a position never read", 40, -1, true, true},
  };
  for (const Case& c : cases) {
    DeviceWatch watch = {0, 0};
    for (int slice = 0; slice < c.slices; slice++) NoteSilentSlice(watch, 50, slice <= c.lastMoveAt);
    EXPECT_EQ(DeviceStandsStill(watch, 2000, c.readsPosition), c.standsStill) << c.what;
  }
}
