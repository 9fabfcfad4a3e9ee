// Catches a layout that does not grow with the display's scaling as Windows'
// MulDiv rounds, an editor whose fields leave their places when the window
// grows, or a picture whose rows do not fill its height.
#include <gtest/gtest.h>

#include "editor/EditorLayout.h"
#include "editor/SessionPicture.h"
#include "platform/DpiScale.h"

TEST(DpiScale, RoundsAsMulDivDoes) {
  struct Case {
    int length, dpi, scaled;
  };
  const Case cases[] = {{470, 96, 470}, {470, 144, 705}, {3, 144, 5},   {5, 120, 6},
                        {-3, 144, -5},  {0, 192, 0},     {13, 168, 23}, {26, 144, 39}};
  for (const Case& c : cases) EXPECT_EQ(ScaledForDpi(c.length, c.dpi), c.scaled) << c.length << "@" << c.dpi;
  const ChildPlace place = ScaledPlace({10, 30, 260, 120}, 144);
  EXPECT_EQ(place.x, 15);
  EXPECT_EQ(place.y, 45);
  EXPECT_EQ(place.width, 390);
  EXPECT_EQ(place.height, 180);
  EXPECT_EQ(FontHeightAtDpi(-11, 96, 144), -17);
  EXPECT_EQ(FontHeightAtDpi(-12, 0, 144), -12);  // no DPI to go from: as it is
}

TEST(EditorLayout, TheSmallestWindowIsTodaysAtTheDpiAndTheExtraGoesToTableAndPicture) {
  struct Case {
    EditorBand band;
    int stretch;
    ChildPlace at;
    int clientWidth, clientHeight, dpi;
    ChildPlace expected;
  };
  const ChildPlace table = {10, 10, 680, 150}, button = {700, 10, 130, 24},
                   field = {10, 186, 86, 22}, voiceField = {10, 378, 110, 22},
                   picture = {10, 562, 820, 140}, line = {10, 708, 820, 18};
  const Case cases[] = {
      {EditorBand::Table, GrowsWide | GrowsTall, table, 840, 732, 96, table},
      {EditorBand::Table, GrowsWide | GrowsTall, table, 1260, 1098, 144, {15, 15, 1020, 225}},
      // Smaller than the smallest is laid out as the smallest.
      {EditorBand::Table, GrowsWide | GrowsTall, table, 600, 400, 96, table},
      // 100 pixels wider and 200 taller: half the height to each.
      {EditorBand::Table, GrowsWide | GrowsTall, table, 940, 932, 96, {10, 10, 780, 250}},
      {EditorBand::Table, MovesRight, button, 940, 932, 96, {800, 10, 130, 24}},
      {EditorBand::Segment, Stays, field, 940, 932, 96, {10, 286, 86, 22}},
      {EditorBand::Voices, Stays, voiceField, 940, 932, 96, {10, 478, 110, 22}},
      {EditorBand::Session, MovesRight, button, 940, 932, 96, {800, 110, 130, 24}},
      {EditorBand::Picture, GrowsWide | GrowsTall, picture, 940, 932, 96, {10, 662, 920, 240}},
      {EditorBand::PictureLine, GrowsWide, line, 940, 932, 96, {10, 908, 920, 18}},
      // An odd pixel of height goes to the picture.
      {EditorBand::PictureLine, Stays, line, 840, 733, 96, {10, 709, 820, 18}},
  };
  for (const Case& c : cases) {
    const EditorLayout layout = LayOutEditor(c.clientWidth, c.clientHeight, c.dpi);
    const ChildPlace place = PlaceInEditor(layout, c.band, c.stretch, c.at);
    EXPECT_EQ(place.x, c.expected.x) << c.clientWidth << "x" << c.clientHeight << "@" << c.dpi;
    EXPECT_EQ(place.y, c.expected.y) << c.clientWidth << "x" << c.clientHeight << "@" << c.dpi;
    EXPECT_EQ(place.width, c.expected.width) << c.clientWidth << "x" << c.clientHeight;
    EXPECT_EQ(place.height, c.expected.height) << c.clientWidth << "x" << c.clientHeight;
  }
  EXPECT_EQ(EditorMinimumWidth(144), 1260);
  EXPECT_EQ(EditorMinimumHeight(144), 1098);
}

// The frequency takes every row the others leave: 90 of the picture's 156 at
// 96 DPI, as before it could grow.
TEST(SessionPicture, RowsFillThePictureAtItsDpi) {
  const PictureRows at96 = PictureRowsAt(156, 96);
  EXPECT_EQ(at96.top, 8);
  EXPECT_EQ(at96.frequencyHeight, 90);
  EXPECT_EQ(at96.levelsTop, 101);
  EXPECT_EQ(at96.lightTop, 130);
  EXPECT_EQ(at96.timeWordsTop, 143);
  EXPECT_EQ(at96.left, 40);
  const PictureRows taller = PictureRowsAt(356, 96);
  EXPECT_EQ(taller.frequencyHeight, 290);
  EXPECT_EQ(taller.timeWordsTop, 343);
  const PictureRows at144 = PictureRowsAt(234, 144);
  EXPECT_EQ(at144.top, 12);
  EXPECT_EQ(at144.left, 60);
  EXPECT_EQ(at144.timeWordsTop + ScaledForDpi(13, 144), 234);
  // Never less than a band to draw in.
  EXPECT_EQ(PictureRowsAt(10, 96).frequencyHeight, 20);
}
