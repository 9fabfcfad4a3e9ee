#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "resources/ResourceImages.h"

namespace {
std::vector<uint8_t> Committed(const char* name) {
  std::ifstream file(std::string(TESSOVANT_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint32_t Read16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }

int ColourDistance(TileColour a, TileColour b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

// Icon pixel (x, y from the top): palette index and mask bit.
int IconIndex(const std::vector<uint8_t>& ico, int x, int y) {
  const size_t pixels = 22 + 40 + 64;
  const uint8_t pair = ico[pixels + (31 - y) * 16 + x / 2];
  return x % 2 == 0 ? pair >> 4 : pair & 0xF;
}
bool IconMasked(const std::vector<uint8_t>& ico, int x, int y) {
  const size_t mask = 22 + 40 + 64 + 512;
  return ico[mask + (31 - y) * 4 + x / 8] & (0x80 >> (x % 8));
}
}  // namespace

TEST(ResourceImages, CommittedFilesAreWhatTheGeneratorMakes) {
  EXPECT_EQ(Committed("tessovant.ico"), MakeIconFile());
  EXPECT_EQ(Committed("panel-tile.bmp"), MakeTileFile());
}

TEST(ResourceImages, IconIsOne32By32SixteenColourImageWithAMask) {
  const auto ico = MakeIconFile();
  ASSERT_EQ(ico.size(), 22u + 40 + 64 + 512 + 128);
  EXPECT_EQ(Read16(ico, 2), 1u);  // icon
  EXPECT_EQ(Read16(ico, 4), 1u);  // one image
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(ico[8], 16);
  EXPECT_EQ(Read16(ico, 12), 4u);
  EXPECT_EQ(Read32(ico, 14), ico.size() - 22);
  EXPECT_EQ(Read32(ico, 18), 22u);
  EXPECT_EQ(Read32(ico, 22), 40u);
  EXPECT_EQ(Read32(ico, 26), 32u);
  EXPECT_EQ(Read32(ico, 30), 64u);  // colour rows and mask rows
  EXPECT_EQ(Read16(ico, 36), 4u);
  // The standard palette: black first, white last.
  EXPECT_EQ(Read32(ico, 62), 0u);
  EXPECT_EQ(Read32(ico, 62 + 15 * 4), 0x00FFFFFFu);
}

TEST(ResourceImages, IconShowsBlackAndWhiteRingsOnATransparentGround) {
  const auto ico = MakeIconFile();
  for (int corner : {0, 31}) {
    EXPECT_TRUE(IconMasked(ico, corner, corner));
    EXPECT_TRUE(IconMasked(ico, corner, 31 - corner));
  }
  EXPECT_FALSE(IconMasked(ico, 16, 16));
  // Along the centre row from the centre out: only black and white, changing
  // several times.
  int changes = 0;
  for (int x = 16; x < 31; x++) {
    ASSERT_FALSE(IconMasked(ico, x, 16)) << x;
    const int index = IconIndex(ico, x, 16);
    ASSERT_TRUE(index == 0 || index == 15) << x;
    changes += index != IconIndex(ico, x + 1, 16) && !IconMasked(ico, x + 1, 16);
  }
  EXPECT_GE(changes, 5);
}

TEST(ResourceImages, TileIsA72By72BottomUp24BitBitmap) {
  const auto bmp = MakeTileFile();
  ASSERT_EQ(bmp.size(), 14u + 40 + 72 * 72 * 3);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(Read32(bmp, 2), bmp.size());
  EXPECT_EQ(Read32(bmp, 10), 54u);
  EXPECT_EQ(Read32(bmp, 18), 72u);
  EXPECT_EQ(Read32(bmp, 22), 72u);  // positive: rows bottom-up
  EXPECT_EQ(Read16(bmp, 28), 24u);
  EXPECT_EQ(Read32(bmp, 30), 0u);  // uncompressed
  // The first stored row is the bottom one, blue first.
  const TileColour bottomLeft = TilePixel(0, 71);
  EXPECT_EQ(bmp[54], bottomLeft.blue);
  EXPECT_EQ(bmp[55], bottomLeft.green);
  EXPECT_EQ(bmp[56], bottomLeft.red);
}

TEST(ResourceImages, TileIsPaleWithTheIntendedMeanColour) {
  double red = 0, green = 0, blue = 0;
  for (int y = 0; y < TileSize; y++)
    for (int x = 0; x < TileSize; x++) {
      const TileColour c = TilePixel(x, y);
      red += c.red;
      green += c.green;
      blue += c.blue;
      ASSERT_GE(c.red + c.green + c.blue, 3 * 150) << "too dark at " << x << "," << y;
    }
  const double n = TileSize * TileSize;
  EXPECT_NEAR(red / n, 217, 3);
  EXPECT_NEAR(green / n, 193, 3);
  EXPECT_NEAR(blue / n, 179, 3);
}

TEST(ResourceImages, TileRepeatsWithoutASeam) {
  // Across the wrap, neighbours differ no more than neighbours inside do.
  int inside = 0, across = 0;
  for (int i = 0; i < TileSize; i++) {
    for (int k = 0; k < TileSize - 1; k++) {
      inside = std::max(inside, ColourDistance(TilePixel(k, i), TilePixel(k + 1, i)));
      inside = std::max(inside, ColourDistance(TilePixel(i, k), TilePixel(i, k + 1)));
    }
    across = std::max(across, ColourDistance(TilePixel(TileSize - 1, i), TilePixel(0, i)));
    across = std::max(across, ColourDistance(TilePixel(i, TileSize - 1), TilePixel(i, 0)));
  }
  EXPECT_GT(inside, 0);
  EXPECT_LE(across, inside);
}
