#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <initializer_list>

#include "resources/ResourceImages.h"

namespace {
uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint32_t Read16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }

int ColourDistance(TileColour a, TileColour b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

// The 16-colour image comes first, after the directory of six entries.
const size_t FirstImage = 6 + 6 * 16;

// Icon pixel (x, y from the top): palette index and mask bit.
int IconIndex(const std::vector<uint8_t>& ico, int x, int y) {
  const size_t pixels = FirstImage + 40 + 64;
  const uint8_t pair = ico[pixels + (31 - y) * 16 + x / 2];
  return x % 2 == 0 ? pair >> 4 : pair & 0xF;
}
bool IconMasked(const std::vector<uint8_t>& ico, int x, int y) {
  const size_t mask = FirstImage + 40 + 64 + 512;
  return ico[mask + (31 - y) * 4 + x / 8] & (0x80 >> (x % 8));
}
}  // namespace

// Offset, bytes, value of each header field that a reader of the file needs.
void ExpectFields(const std::vector<uint8_t>& file, std::initializer_list<std::array<uint32_t, 3>> fields) {
  for (const auto& f : fields)
    EXPECT_EQ(f[1] == 4 ? Read32(file, f[0]) : f[1] == 2 ? Read16(file, f[0]) : file[f[0]], f[2]) << f[0];
}

TEST(ResourceImages, IconHoldsSixImagesThe32By32SixteenColourOneFirst) {
  const auto ico = MakeIconFile();
  ASSERT_EQ(Read32(ico, 0), 0x00010000u);  // an icon
  ASSERT_EQ(Read16(ico, 4), 6u);
  const uint32_t sizes[6] = {32, 16, 24, 32, 48, 0};  // 256 is written as 0
  uint32_t offset = FirstImage;
  for (int i = 0; i < 6; i++) {
    const size_t at = 6 + 16 * i;
    EXPECT_EQ(Read32(ico, at), sizes[i] * 0x101 | (i == 0 ? 16u << 16 : 0u)) << i;  // size, colours
    EXPECT_EQ(Read32(ico, at + 4), i == 0 ? 0x00040001u : 0x00200001u) << i;  // a plane, bits
    EXPECT_EQ(Read32(ico, at + 12), offset) << i;  // the images one after the other
    offset += Read32(ico, at + 8);
  }
  EXPECT_EQ(offset, ico.size());
  // The first image's header: 40 bytes, 32 wide, 64 high (colour rows and
  // mask rows), 1 plane of 4 bits, uncompressed, 512 + 128 bytes of pixels.
  const uint32_t at = FirstImage;
  ExpectFields(ico, {{at, 4, 40}, {at + 4, 4, 32}, {at + 8, 4, 64}, {at + 12, 2, 1}, {at + 14, 2, 4},
                     {at + 16, 4, 0}, {at + 20, 4, 512 + 128}});
  const uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                 0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (int i = 0; i < 16; i++) EXPECT_EQ(Read32(ico, FirstImage + 40 + 4 * i), standard[i]) << i;  // 0x00RRGGBB
}

TEST(ResourceImages, IconShowsBlackAndWhiteRingsOnATransparentGround) {
  const auto ico = MakeIconFile();
  for (int corner : {0, 31}) {
    EXPECT_TRUE(IconMasked(ico, corner, corner));
    EXPECT_TRUE(IconMasked(ico, corner, 31 - corner));
  }
  // Only black and white are drawn, and the masked ground is black so that
  // the screen shows through unchanged; the disc is symmetric.
  int masked = 0;
  for (int y = 0; y < 32; y++)
    for (int x = 0; x < 32; x++) {
      const int index = IconIndex(ico, x, y);
      ASSERT_TRUE(index == 0 || index == 15) << x << "," << y;
      if (IconMasked(ico, x, y)) {
        masked++;
        EXPECT_EQ(index, 0) << x << "," << y;
      }
      EXPECT_EQ(IconMasked(ico, x, y), IconMasked(ico, y, 31 - x)) << x << "," << y;
      EXPECT_EQ(index, IconIndex(ico, 31 - x, y)) << x << "," << y;
    }
  // From the centre out along a row: rings two pixels wide, black at the
  // centre and at the rim 14 pixels out, then the transparent ground.
  const int rimEnd = 30;
  EXPECT_NEAR(masked, 32 * 32 - 3.14159 * 14 * 14, 20);  // outside a disc
  for (int x = 16; x < rimEnd; x++) {
    ASSERT_FALSE(IconMasked(ico, x, 16)) << x;
    EXPECT_EQ(IconIndex(ico, x, 16), (x - 16) / 2 % 2 == 0 ? 0 : 15) << x;
  }
  for (int x = rimEnd; x < 32; x++) EXPECT_TRUE(IconMasked(ico, x, 16)) << x;
}

TEST(ResourceImages, TileIsA72By72BottomUp24BitBitmap) {
  const auto bmp = MakeTileFile();
  ASSERT_EQ(bmp.size(), 14u + 40 + 72 * 72 * 3);
  // "BM", the file's size, pixels at 54, 72 x 72 (a positive height: rows
  // bottom-up), 24 bits, uncompressed.
  ExpectFields(bmp, {{0, 1, 'B'}, {1, 1, 'M'}, {2, 4, static_cast<uint32_t>(bmp.size())}, {10, 4, 54},
                     {18, 4, 72}, {22, 4, 72}, {28, 2, 24}, {30, 4, 0}});
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

TEST(ResourceImages, TileShowsPinkYellowGreyAndMauve) {
  // Each pixel goes to the nearest of the four pastels; none may be rare.
  const TileColour pastels[4] = {{240, 198, 198}, {240, 222, 172}, {196, 191, 187}, {205, 170, 193}};
  int share[4] = {0, 0, 0, 0};
  for (int y = 0; y < TileSize; y++)
    for (int x = 0; x < TileSize; x++) {
      int nearest = 0;
      for (int k = 1; k < 4; k++)
        if (ColourDistance(TilePixel(x, y), pastels[k]) < ColourDistance(TilePixel(x, y), pastels[nearest]))
          nearest = k;
      share[nearest]++;
    }
  for (int k = 0; k < 4; k++) EXPECT_GT(share[k], TileSize * TileSize / 10) << k;
}

// Mean colour difference between horizontal neighbours (x, y) and (x + 1, y)
// over the columns [from, to), the last column's right neighbour wrapping to
// the first; swapping x and y gives vertical neighbours.
double MeanStep(int from, int to, bool vertical) {
  double sum = 0;
  for (int i = 0; i < TileSize; i++)
    for (int k = from; k < to; k++) {
      const int next = (k + 1) % TileSize;
      sum += vertical ? ColourDistance(TilePixel(i, k), TilePixel(i, next))
                      : ColourDistance(TilePixel(k, i), TilePixel(next, i));
    }
  return sum / (TileSize * (to - from));
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
  // A seam shows as a step along a whole edge: across each wrap the mean
  // step stays close to the mean step inside.
  for (bool vertical : {false, true}) {
    const double insideStep = MeanStep(0, TileSize - 1, vertical);
    EXPECT_GT(insideStep, 2.0) << vertical;  // a pattern, not a flat colour
    EXPECT_LE(MeanStep(TileSize - 1, TileSize, vertical), 1.5 * insideStep) << vertical;
  }
}
