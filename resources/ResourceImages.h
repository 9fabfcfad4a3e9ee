// The program's two images, made by arithmetic alone so that they can be
// regenerated and checked: the panel's icon and its background tile.
#pragma once

#include <cstdint>
#include <vector>

constexpr int IconSize = 32;
constexpr int TileSize = 72;

// The sizes of the icon's images in 32-bit colour with alpha, in the order of
// the file; the largest is stored as PNG, as Windows reads it from Vista on.
constexpr int IconAlphaSizes[] = {16, 24, 32, 48, 256};
constexpr int IconPngSize = 256;

// An .ico file of six images of one drawing, black and white rings on a
// transparent ground: first 32 x 32 at 4 bits per pixel with the standard
// 16-colour palette and an AND mask, then the sizes above.
std::vector<uint8_t> MakeIconFile();

// A pixel of the drawing at `size` pixels square, (x, y) from the top: a
// grey with its coverage as alpha, both 0..255.
struct IconShade {
  uint8_t grey;
  uint8_t alpha;
};
IconShade IconPixel(int size, int x, int y);

// A .bmp file: 72 x 72, 24 bits per pixel, rows bottom-up; a pale pastel
// marble that repeats without a seam.
std::vector<uint8_t> MakeTileFile();

// The tile's colour at (x, y), y from the top, as red, green, blue.
struct TileColour {
  uint8_t red;
  uint8_t green;
  uint8_t blue;
};
TileColour TilePixel(int x, int y);
