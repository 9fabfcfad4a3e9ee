#include <gtest/gtest.h>

#include <cstring>

#include "exposure/ExposureState.h"

namespace {

// The record as the process finds it, read during static initialisation,
// before any test can have written it: the tests run in any order.
struct StartUpState {
  uint8_t running;
  uint32_t frequency;
  SoundMode soundMode;
  VisualMode visualMode;
  uint8_t countdownEnabled;
  const char* language;
  HWND controlPanel;
};

const StartUpState atStartUp = {
    LoadField(ExposureState.running),          LoadField(ExposureState.frequency),
    LoadField(ExposureState.soundMode),        LoadField(ExposureState.visualMode),
    LoadField(ExposureState.countdownEnabled), LoadField(ExposureState.language),
    ExposureState.ControlPanel,
};

}  // namespace

TEST(ExposureState, StartsZeroFilledAndStopped) {
  EXPECT_EQ(atStartUp.running, 0);
  EXPECT_EQ(atStartUp.frequency, 0u);
  EXPECT_EQ(atStartUp.soundMode, SoundMode::None);
  EXPECT_EQ(atStartUp.visualMode, VisualMode::None);
  EXPECT_EQ(atStartUp.countdownEnabled, 0);
  EXPECT_EQ(atStartUp.language, nullptr);
  EXPECT_EQ(atStartUp.controlPanel, nullptr);
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
