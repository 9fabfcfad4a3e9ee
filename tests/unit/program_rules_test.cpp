#include <gtest/gtest.h>

#include <cstring>

#include "exposure/Countdown.h"
#include "exposure/ExposureState.h"
#include "panel/FormatFrequency.h"
#include "panel/Strings.h"
#include "visual/ArrowKeys.h"

namespace {
std::string Readout(uint32_t frequency) {
  char text[ReadoutBufferSize];
  std::memset(text, 'x', sizeof text);
  FormatFrequency(frequency, text);
  return text;
}

int TicksUntilEnd(uint32_t minutes) {
  uint32_t remaining = minutes * MillisecondsPerMinute;
  for (int tick = 1; tick < 1000000; tick++)
    if (CountdownEndsExposure(remaining)) return tick;
  return -1;
}
}  // namespace

TEST(FormatFrequency, WorkedOutputs) {
  EXPECT_EQ(Readout(10), "0,10");
  EXPECT_EQ(Readout(99), "0,99");
  EXPECT_EQ(Readout(100), "1,00");
  EXPECT_EQ(Readout(780), "7,80");
  EXPECT_EQ(Readout(999), "9,99");
  EXPECT_EQ(Readout(1000), "10,00");
  EXPECT_EQ(Readout(1005), "10,05");
  EXPECT_EQ(Readout(4999), "49,99");
  EXPECT_EQ(Readout(5000), "50,00");
}

TEST(FormatFrequency, FitsTheBufferForEveryFrequency) {
  for (uint32_t f = MinimumFrequency; f <= MaximumFrequency; f++) {
    const std::string text = Readout(f);
    ASSERT_EQ(text.size(), f < 1000 ? 4u : 5u) << f;
    ASSERT_EQ(text[text.size() - 3], ',') << f;
  }
}

TEST(ArrowKeys, RulesAtTheirBounds) {
  EXPECT_EQ(FrequencyAfterUp(4899), 4999u);
  EXPECT_EQ(FrequencyAfterUp(4900), 5000u);
  EXPECT_EQ(FrequencyAfterUp(5000), 5000u);
  EXPECT_EQ(FrequencyAfterUp(780), 880u);
  EXPECT_EQ(FrequencyAfterDown(111), 11u);
  EXPECT_EQ(FrequencyAfterDown(110), 10u);
  EXPECT_EQ(FrequencyAfterDown(10), 10u);
  EXPECT_EQ(FrequencyAfterRight(5000), 5000u);
  EXPECT_EQ(FrequencyAfterRight(4999), 5000u);
  EXPECT_EQ(FrequencyAfterLeft(10), 10u);
  EXPECT_EQ(FrequencyAfterLeft(11), 10u);
}

TEST(ArrowKeys, NeverLeaveTheRange) {
  for (uint32_t f = MinimumFrequency; f <= MaximumFrequency; f++) {
    for (uint32_t next : {FrequencyAfterUp(f), FrequencyAfterDown(f), FrequencyAfterLeft(f),
                          FrequencyAfterRight(f)}) {
      ASSERT_GE(next, MinimumFrequency) << f;
      ASSERT_LE(next, MaximumFrequency) << f;
    }
  }
}

TEST(Countdown, AnNMinuteExposureEndsAtTick60NPlus1) {
  EXPECT_EQ(TicksUntilEnd(1), 61);
  EXPECT_EQ(TicksUntilEnd(10), 601);
  EXPECT_EQ(TicksUntilEnd(10000), 600001);
}

TEST(CursorBalance, StartStopStartSpaceLeavesTheCursorShown) {
  // Start, Stop (window left up), Start again, Space: one hide, one show.
  bool hidden = false;
  int displayCount = 0;
  if (CursorNeedsHiding(hidden)) displayCount--;
  if (CursorNeedsHiding(hidden)) displayCount--;
  if (CursorNeedsShowing(hidden)) displayCount++;
  EXPECT_EQ(displayCount, 0);
  // Space with nothing hidden by the program changes nothing.
  if (CursorNeedsShowing(hidden)) displayCount++;
  EXPECT_EQ(displayCount, 0);
}

TEST(Strings, LabelByteCounts) {
  EXPECT_EQ(std::strlen(FrequencyLabel.russian), 20u);
  EXPECT_EQ(std::strlen(FrequencyUnit.russian), 2u);
  EXPECT_EQ(std::strlen(SoundLabel.russian), 21u);
  EXPECT_EQ(std::strlen(VisualLabel.russian), 23u);
  EXPECT_EQ(std::strlen(DurationLabel.russian), 18u);
  EXPECT_EQ(std::strlen(DurationUnit.russian), 3u);
  EXPECT_EQ(std::strlen(FrequencyLabel.english), 19u);
  EXPECT_EQ(std::strlen(SoundLabel.english), 16u);
  EXPECT_EQ(std::strlen(VisualLabel.english), 17u);
  EXPECT_EQ(std::strlen(DurationLabel.english), 18u);
  EXPECT_EQ(std::strlen(WebAddressLine), 25u);
}

TEST(Strings, RussianTextsAreWindows1251Bytes) {
  EXPECT_STREQ(PanelTitle.russian, "\xD2\xE5\xF1\xF1\xEE\xE2\xE0\xED\xF2 03.2005");
  EXPECT_STREQ(StartCaption.russian, "\xC7\xE0\xEF\xF3\xF1\xEA");
  EXPECT_STREQ(StopCaption.russian, "\xD1\xF2\xEE\xEF");
  EXPECT_STREQ(SoundModeNames[0].russian, VisualModeNames[0].russian);
  EXPECT_STREQ(VisualModeNames[3].english, "Circles");
  EXPECT_STREQ(LanguageButtonCaption, "Eng/\xD0\xF3\xF1");
}

TEST(Strings, TheCurrentLanguageChoosesTheText) {
  StoreField(ExposureState.language, LanguageEnglish);
  EXPECT_STREQ(InCurrentLanguage(StartCaption), "Start");
  StoreField(ExposureState.language, LanguageRussian);
  EXPECT_STREQ(InCurrentLanguage(StartCaption), StartCaption.russian);
  StoreField(ExposureState.language, nullptr);
}
