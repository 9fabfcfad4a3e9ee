// Catches a session whose flicker the display cannot show going unnamed
// before Start (or a shown one named), a seen frequency other than the
// display-rate table's, and the warning's words in either language.
#include <gtest/gtest.h>

#include "exposure/ExposureState.h"
#include "language/SessionTexts.h"
#include "session_format/SessionReader.h"
#include "visual/display_rate/DisplayFlicker.h"

TEST(DisplayFlicker, HalfTheRefreshRateAndUpCannotBeShown) {
  EXPECT_EQ(UsableRefreshHz(0), 60u);
  EXPECT_EQ(UsableRefreshHz(1), 60u);
  EXPECT_EQ(UsableRefreshHz(75), 75u);
  EXPECT_TRUE(DisplayCannotShow(3000, 60));
  EXPECT_FALSE(DisplayCannotShow(2999, 60));
  EXPECT_FALSE(DisplayCannotShow(5000, 144));
  EXPECT_TRUE(DisplayCannotShow(3750, 75));
}

TEST(DisplayFlicker, SeenAsTheDisplayRateTableAndTheLinePatternsTicksSayIt) {
  struct Case {
    VisualMode pattern;
    uint32_t frequency, refreshHz, seen;
  };
  const Case cases[] = {
      {VisualMode::SmoothStrobe, 4000, 60, 1833},    // the table's 18.33
      {VisualMode::DiscreteStrobe, 5000, 60, 1000},  // and its 10.00
      {VisualMode::SmoothStrobe, 5000, 75, 2500},
      {VisualMode::Grid, 4000, 60, 2000},     // ticks of 10 ms keep 40 Hz; the display 20
      {VisualMode::Circles, 4000, 60, 1000},  // ticks of 20 ms make 40 Hz a 10 Hz motion
      {VisualMode::Grid, 3000, 60, 3000},     // exactly half: either way 30
  };
  for (const Case& c : cases)
    EXPECT_EQ(SeenFrequency(c.pattern, c.frequency, c.refreshHz), c.seen)
        << static_cast<int>(c.pattern) << " " << c.frequency;
}

TEST(DisplayFlicker, NamesTheSegmentsWithLightThatTheDisplayCannotShow) {
  Session session;
  SessionSegment dark = PlainSegment(SoundMode::BrainWaves, 4, 4000, 4000);
  dark.light = static_cast<int32_t>(VisualMode::None);
  SessionSegment dim = PlainSegment(SoundMode::BrainWaves, 4, 4000, 4000);
  dim.brightness = 0;
  SessionSegment grid = PlainSegment(SoundMode::BrainWaves, 4, 2000, 4500);
  grid.light = static_cast<int32_t>(VisualMode::Grid);
  session.segments = {PlainSegment(SoundMode::BrainWaves, 4, 1000, 1000),
                      PlainSegment(SoundMode::BrainWaves, 4, 4000, 4000), dark, dim, grid};
  const std::vector<UnseenSegment> unseen =
      SegmentsDisplayCannotShow(session, VisualMode::SmoothStrobe, 60);
  ASSERT_EQ(unseen.size(), 2u);
  EXPECT_EQ(unseen[0].segment, 1u);
  EXPECT_EQ(unseen[0].frequency, 4000u);
  EXPECT_EQ(unseen[0].seen, 1833u);
  EXPECT_EQ(unseen[1].segment, 4u);
  EXPECT_EQ(unseen[1].frequency, 4500u);  // the slide's highest
  EXPECT_EQ(unseen[1].seen, 1500u);
  EXPECT_TRUE(SegmentsDisplayCannotShow(session, VisualMode::None, 144).empty());

  StoreField(ExposureState.language, LanguageEnglish);
  EXPECT_EQ(DisplayFlickerWarning(unseen, 60),
            "At 60 Hz this display shows the 40,00 Hz of segment 2 as a 18,33 Hz flicker. "
            "Also segment 5.");
  EXPECT_EQ(DisplayFlickerWarning({}, 60), "");
  StoreField(ExposureState.language, LanguageRussian);
  EXPECT_EQ(DisplayFlickerWarning({unseen[0]}, 60),
            "При 60 Гц этот экран показывает 40,00 Гц сегмента 2 как мигание 18,33 Гц.");
  EXPECT_EQ(DisplayFlickerWarning({unseen[0], unseen[1], unseen[1]}, 60),
            "При 60 Гц этот экран показывает 40,00 Гц сегмента 2 как мигание 18,33 Гц. "
            "Также сегменты 5, 5.");
}
