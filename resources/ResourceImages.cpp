#include "resources/ResourceImages.h"

#include <algorithm>
#include <cmath>

namespace {

const double Pi = 3.14159265358979323846;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageBytes) {
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);  // uncompressed
  Put32(out, imageBytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
}

// The standard 16-colour palette, as red, green, blue.
const uint8_t StandardPalette[16][3] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
const int PaletteBlack = 0;
const int PaletteWhite = 15;
// Seven rings two pixels wide: an odd number, so that both the centre and the
// rim are black and the rim outlines the icon on a light ground as the white
// rings do on a dark one.
const int RingCount = 7;
const double RingWidth = 2.0;
const double IconRadius = RingCount * RingWidth;

double DistanceFromIconCentre(int x, int y) {
  const double dx = x + 0.5 - IconSize / 2.0;
  const double dy = y + 0.5 - IconSize / 2.0;
  return std::sqrt(dx * dx + dy * dy);
}

bool IconTransparent(int x, int y) { return DistanceFromIconCentre(x, y) > IconRadius; }

// Transparent pixels are black: the screen shows through them unchanged.
int IconPaletteIndex(int x, int y) {
  if (IconTransparent(x, y)) return PaletteBlack;
  const int ring = std::min(RingCount - 1, static_cast<int>(DistanceFromIconCentre(x, y) / RingWidth));
  return ring % 2 == 0 ? PaletteBlack : PaletteWhite;
}

// Rows of a bitmap are stored bottom-up.
int StoredRow(int row, int height) { return height - 1 - row; }

// The marble: a periodic phase field, warped twice, so that every term has a
// whole number of cycles across the tile and the edges meet.
double MarbleValue(int x, int y) {
  const double u = 2 * Pi * x / TileSize;
  const double v = 2 * Pi * y / TileSize;
  const double warp = 1.6 * std::sin(2 * u - v) + 1.1 * std::cos(u + 2 * v);
  const double swirl = 0.7 * std::sin(3 * v + u + warp);
  return 0.5 + 0.5 * std::sin(u + v + warp + swirl);
}

// Pastel pink, yellow, grey and mauve along the marble's value.
const double Stops[4][3] = {
    {238, 196, 196}, {240, 222, 172}, {196, 190, 186}, {204, 170, 192}};

double Mix(double from, double to, double share) { return from + (to - from) * share; }

// Chosen so that the tile's mean colour is about (217, 193, 179).
const double Offset[3] = {-3.4, -2.2, -7.0};

}  // namespace

TileColour TilePixel(int x, int y) {
  const double position = MarbleValue(x, y) * 3.0;
  const int stop = std::min(2, static_cast<int>(position));
  const double share = position - stop;
  uint8_t channel[3];
  for (int c = 0; c < 3; c++) {
    const double value = Mix(Stops[stop][c], Stops[stop + 1][c], share) + Offset[c];
    channel[c] = static_cast<uint8_t>(std::clamp(value, 0.0, 255.0) + 0.5);
  }
  return TileColour{channel[0], channel[1], channel[2]};
}

std::vector<uint8_t> MakeIconFile() {
  const uint32_t xorBytes = IconSize * IconSize / 2;
  const uint32_t andBytes = IconSize * IconSize / 8;
  const uint32_t imageBytes = 40 + 16 * 4 + xorBytes + andBytes;
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, 1);  // one image
  out.push_back(IconSize);
  out.push_back(IconSize);
  out.push_back(16);  // colours
  out.push_back(0);
  Put16(out, 1);  // planes
  Put16(out, 4);  // bits per pixel
  Put32(out, imageBytes);
  Put32(out, 6 + 16);
  // The image's height counts the colour rows and the mask rows.
  PutInfoHeader(out, IconSize, 2 * IconSize, 4, xorBytes + andBytes);
  for (const auto& colour : StandardPalette) {
    out.push_back(colour[2]);
    out.push_back(colour[1]);
    out.push_back(colour[0]);
    out.push_back(0);
  }
  for (int stored = 0; stored < IconSize; stored++) {
    const int row = StoredRow(stored, IconSize);
    for (int x = 0; x < IconSize; x += 2)
      out.push_back(static_cast<uint8_t>(IconPaletteIndex(x, row) << 4 | IconPaletteIndex(x + 1, row)));
  }
  for (int stored = 0; stored < IconSize; stored++) {
    const int row = StoredRow(stored, IconSize);
    for (int x = 0; x < IconSize; x += 8) {
      uint8_t bits = 0;
      for (int b = 0; b < 8; b++)
        if (IconTransparent(x + b, row)) bits |= static_cast<uint8_t>(0x80 >> b);
      out.push_back(bits);
    }
  }
  return out;
}

std::vector<uint8_t> MakeTileFile() {
  const uint32_t rowBytes = TileSize * 3;  // 216, already a multiple of 4
  const uint32_t imageBytes = rowBytes * TileSize;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 14 + 40 + imageBytes);
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, TileSize, TileSize, 24, imageBytes);
  for (int stored = 0; stored < TileSize; stored++) {
    const int row = StoredRow(stored, TileSize);
    for (int x = 0; x < TileSize; x++) {
      const TileColour colour = TilePixel(x, row);
      out.push_back(colour.blue);
      out.push_back(colour.green);
      out.push_back(colour.red);
    }
  }
  return out;
}
