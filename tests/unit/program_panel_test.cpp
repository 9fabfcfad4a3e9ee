#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "exposure/ExposureState.h"
#include "language/FormatFrequency.h"
#include "language/Strings.h"
#include "visual/ArrowKeys.h"

namespace {

std::string Readout(uint32_t frequency) {
  char text[ReadoutBufferSize];
  std::memset(text, 'x', sizeof text);
  FormatFrequency(frequency, text);
  return std::string(text, strnlen(text, sizeof text));
}

// A Windows-1251 Russian text: Cyrillic letters are single bytes from 0xC0
// up; UTF-8 would give 0xD0/0xD1 lead bytes followed by 0x80..0xBF.
bool IsSingleByteCyrillic(const char* text) {
  bool anyLetter = false;
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; c++) {
    if (*c >= 0x80 && *c < 0xC0) return false;
    if (*c >= 0xC0) anyLetter = true;
  }
  return anyLetter;
}

}  // namespace

TEST(FormatFrequency, WorkedOutputs) {
  for (auto [frequency, text] : {std::pair{10u, "0,10"}, {99u, "0,99"}, {100u, "1,00"}, {780u, "7,80"},
                                 {999u, "9,99"}, {1000u, "10,00"}, {1005u, "10,05"}, {4999u, "49,99"},
                                 {5000u, "50,00"}})
    EXPECT_EQ(Readout(frequency), text);
}

TEST(FormatFrequency, EveryFrequencyReadsBackAsItsValue) {
  for (uint32_t f = MinimumFrequency; f <= MaximumFrequency; f++) {
    const std::string text = Readout(f);
    ASSERT_EQ(text.size(), f < 1000 ? 4u : 5u) << f;
    ASSERT_EQ(text[text.size() - 3], ',') << f;
    std::string digits = text;
    digits.erase(digits.size() - 3, 1);
    ASSERT_EQ(std::stoul(digits), f) << text;
  }
}

TEST(ArrowKeys, RulesAtTheirBounds) {
  for (auto [from, to] : {std::pair{4899u, 4999u}, {4900u, 5000u}, {5000u, 5000u}, {780u, 880u}})
    EXPECT_EQ(FrequencyAfterUp(from), to) << from;
  for (auto [from, to] : {std::pair{111u, 11u}, {110u, 10u}, {10u, 10u}, {780u, 680u}})
    EXPECT_EQ(FrequencyAfterDown(from), to) << from;
  for (auto [from, to] : {std::pair{5000u, 5000u}, {4999u, 5000u}}) EXPECT_EQ(FrequencyAfterRight(from), to);
  for (auto [from, to] : {std::pair{10u, 10u}, {11u, 10u}}) EXPECT_EQ(FrequencyAfterLeft(from), to);
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

TEST(Strings, RussianTextsAreSingleByteWindows1251) {
  const TextPair* pairs[] = {&PanelTitle, &StartCaption, &StopCaption, &FrequencyLabel,
                             &FrequencyUnit, &SoundLabel, &VisualLabel, &DurationLabel,
                             &DurationUnit};
  for (const TextPair* pair : pairs) EXPECT_TRUE(IsSingleByteCyrillic(pair->russian)) << pair->english;
  for (int mode = 0; mode < ModeCount; mode++) {
    EXPECT_TRUE(IsSingleByteCyrillic(SoundModeNames[mode].russian)) << mode;
    EXPECT_TRUE(IsSingleByteCyrillic(VisualModeNames[mode].russian)) << mode;
  }
  // One byte per letter: "Тессовант 03.2005", "Бинауральные биения", "Круги".
  EXPECT_EQ(std::strlen(PanelTitle.russian), 17u);
  EXPECT_EQ(std::strlen(SoundModeNames[1].russian), 19u);
  EXPECT_EQ(std::strlen(VisualModeNames[3].russian), 5u);
  // "Т" is 0xD2, "Рус" 0xD0 0xF3 0xF1 in Windows-1251.
  EXPECT_EQ(static_cast<unsigned char>(PanelTitle.russian[0]), 0xD2);
  EXPECT_STREQ(LanguageButtonCaption + 4, LanguageRussian);
  EXPECT_EQ(std::string(LanguageButtonCaption, 4), "Eng/");
}

TEST(Strings, TheCurrentLanguageChoosesTheText) {
  StoreField(ExposureState.language, LanguageEnglish);
  EXPECT_STREQ(InCurrentLanguage(StartCaption), "Start");
  EXPECT_STREQ(InCurrentLanguage(StopCaption), "Stop");
  StoreField(ExposureState.language, LanguageRussian);
  EXPECT_STREQ(InCurrentLanguage(StartCaption), StartCaption.russian);
  // Identity, not contents: a copy of a token is neither language.
  static const char copyOfEnglish[] = "Eng";
  StoreField(ExposureState.language, copyOfEnglish);
  EXPECT_STREQ(InCurrentLanguage(StartCaption), "");
  StoreField(ExposureState.language, nullptr);
}
