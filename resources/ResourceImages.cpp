#include "resources/ResourceImages.h"

#include <algorithm>
#include <cmath>

#include "resources/PngFile.h"

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

// The one drawing, at a point (u, v) in the pixels of the 32 x 32 image.
enum class Ink { Clear, Black, White };

Ink IconInk(double u, double v) {
  const double du = u - IconSize / 2.0;
  const double dv = v - IconSize / 2.0;
  const double distance = std::sqrt(du * du + dv * dv);
  if (distance > IconRadius) return Ink::Clear;
  const int ring = std::min(RingCount - 1, static_cast<int>(distance / RingWidth));
  return ring % 2 == 0 ? Ink::Black : Ink::White;
}

// The 16-colour image takes the drawing at each pixel's centre.
bool IconTransparent(int x, int y) { return IconInk(x + 0.5, y + 0.5) == Ink::Clear; }

// Transparent pixels are black: the screen shows through them unchanged.
int IconPaletteIndex(int x, int y) {
  return IconInk(x + 0.5, y + 0.5) == Ink::White ? PaletteWhite : PaletteBlack;
}

// Samples per pixel along each side for the images with alpha.
const int Samples = 8;

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

IconShade IconPixel(int size, int x, int y) {
  int covered = 0, white = 0;
  const double scale = static_cast<double>(IconSize) / size;
  for (int i = 0; i < Samples; i++)
    for (int j = 0; j < Samples; j++) {
      const Ink ink = IconInk((x + (i + 0.5) / Samples) * scale, (y + (j + 0.5) / Samples) * scale);
      covered += ink != Ink::Clear;
      white += ink == Ink::White;
    }
  if (covered == 0) return IconShade{0, 0};
  const int all = Samples * Samples;
  return IconShade{static_cast<uint8_t>((255 * white + covered / 2) / covered),
                   static_cast<uint8_t>((255 * covered + all / 2) / all)};
}

namespace {

struct IconImage {
  int size;
  int colours;  // 16 for the palette image, 0 otherwise
  int bits;
  std::vector<uint8_t> bytes;
};

// Colour rows bottom-up, then the AND mask, as in the 32 x 32 image.
std::vector<uint8_t> SixteenColourImage() {
  const uint32_t xorBytes = IconSize * IconSize / 2;
  const uint32_t andBytes = IconSize * IconSize / 8;
  std::vector<uint8_t> out;
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

// Blue, green, red, alpha rows bottom-up, then an AND mask of the wholly
// transparent pixels for the programs that draw without alpha.
std::vector<uint8_t> AlphaImage(int size) {
  const int maskRowBytes = (size + 31) / 32 * 4;
  std::vector<uint8_t> out;
  PutInfoHeader(out, size, 2 * size, 32, static_cast<uint32_t>(size * size * 4 + maskRowBytes * size));
  for (int stored = 0; stored < size; stored++)
    for (int x = 0; x < size; x++) {
      const IconShade shade = IconPixel(size, x, StoredRow(stored, size));
      out.insert(out.end(), {shade.grey, shade.grey, shade.grey, shade.alpha});
    }
  for (int stored = 0; stored < size; stored++) {
    std::vector<uint8_t> mask(maskRowBytes, 0);
    for (int x = 0; x < size; x++)
      if (IconPixel(size, x, StoredRow(stored, size)).alpha == 0) mask[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

std::vector<uint8_t> PngImage(int size) {
  std::vector<uint8_t> rgba;
  for (int y = 0; y < size; y++)
    for (int x = 0; x < size; x++) {
      const IconShade shade = IconPixel(size, x, y);
      rgba.insert(rgba.end(), {shade.grey, shade.grey, shade.grey, shade.alpha});
    }
  return MakePngFile(size, size, rgba);
}

}  // namespace

std::vector<uint8_t> MakeIconFile() {
  std::vector<IconImage> images = {{IconSize, 16, 4, SixteenColourImage()}};
  for (int size : IconAlphaSizes)
    images.push_back({size, 0, 32, size == IconPngSize ? PngImage(size) : AlphaImage(size)});
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (const IconImage& image : images) {
    // A size of 256 is written as 0.
    out.push_back(static_cast<uint8_t>(image.size));
    out.push_back(static_cast<uint8_t>(image.size));
    out.push_back(static_cast<uint8_t>(image.colours));
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, static_cast<uint32_t>(image.bits));
    Put32(out, static_cast<uint32_t>(image.bytes.size()));
    Put32(out, offset);
    offset += static_cast<uint32_t>(image.bytes.size());
  }
  for (const IconImage& image : images) out.insert(out.end(), image.bytes.begin(), image.bytes.end());
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
