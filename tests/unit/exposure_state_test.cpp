#include <gtest/gtest.h>

#include <cstring>

#include "exposure/ExposureState.h"

TEST(ExposureState, StartsZeroFilledAndStopped) {
  EXPECT_EQ(LoadField(ExposureState.running), 0);
  EXPECT_EQ(LoadField(ExposureState.frequency), 0u);
  EXPECT_EQ(LoadField(ExposureState.soundMode), SoundMode::None);
  EXPECT_EQ(LoadField(ExposureState.visualMode), VisualMode::None);
  EXPECT_EQ(LoadField(ExposureState.countdownEnabled), 0);
  EXPECT_EQ(LoadField(ExposureState.language), nullptr);
  EXPECT_EQ(ExposureState.ControlPanel, nullptr);
}

TEST(ExposureState, LanguageTokensAreTheHalvesOfTheButtonCaption) {
  EXPECT_STREQ(LanguageEnglish, "Eng");
  EXPECT_STREQ(LanguageRussian, "\xD0\xF3\xF1");  // Windows-1251 bytes
  EXPECT_TRUE(IsRussian(LanguageRussian));
  EXPECT_FALSE(IsRussian(LanguageEnglish));
  EXPECT_TRUE(IsEnglish(LanguageEnglish));
  // Identity, not content: a copy of the bytes is not the token.
  char copy[4];
  std::memcpy(copy, LanguageRussian, sizeof copy);
  EXPECT_FALSE(IsRussian(copy));
}

TEST(ExposureState, ModeValuesArePositionsInTheLists) {
  EXPECT_EQ(static_cast<int>(SoundMode::NoiseWaves), 4);
  EXPECT_EQ(static_cast<int>(VisualMode::Grid), 4);
  EXPECT_EQ(sizeof(ExposureState.frequency), 4u);
  EXPECT_EQ(sizeof(ExposureState.running), 1u);
}
