// The program's two images, made by arithmetic alone so that they can be
// regenerated and checked: the panel's icon and its background tile.
#pragma once

#include <cstdint>
#include <vector>

constexpr int IconSize = 32;
constexpr int TileSize = 72;

// An .ico file: one 32 x 32 image, 4 bits per pixel with the standard
// 16-colour palette and an AND mask: black and white rings on a transparent
// ground.
std::vector<uint8_t> MakeIconFile();

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
