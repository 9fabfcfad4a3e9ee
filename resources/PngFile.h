// A PNG file of 8-bit RGBA pixels, made without a compression library so
// that the committed image is the same bytes on every machine.
#pragma once

#include <cstdint>
#include <vector>

// `rgba`: width x height pixels, rows from the top, red first, alpha not
// premultiplied.
std::vector<uint8_t> MakePngFile(int width, int height, const std::vector<uint8_t>& rgba);
