#include "resources/PngFile.h"

#include <algorithm>

namespace {

// Writes the bits of a deflate stream, the first bit in the lowest place.
struct BitWriter {
  std::vector<uint8_t> bytes;
  uint32_t pending = 0;
  int count = 0;

  void Put(uint32_t value, int bits) {
    for (int i = 0; i < bits; i++) {
      pending |= ((value >> i) & 1u) << count;
      if (++count == 8) Flush();
    }
  }
  // Huffman codes go in from their highest bit.
  void PutCode(uint32_t code, int bits) {
    for (int i = bits - 1; i >= 0; i--) Put(code >> i, 1);
  }
  void Flush() {
    if (count == 0) return;
    bytes.push_back(static_cast<uint8_t>(pending));
    pending = 0;
    count = 0;
  }
};

// The fixed Huffman code of a literal or length symbol 0..287.
void PutSymbol(BitWriter& out, int symbol) {
  if (symbol < 144) out.PutCode(0x30 + symbol, 8);
  else if (symbol < 256) out.PutCode(0x190 + symbol - 144, 9);
  else if (symbol < 280) out.PutCode(symbol - 256, 7);
  else out.PutCode(0xC0 + symbol - 280, 8);
}

const int LengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int LengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                             2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const int DistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                              33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                              1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const int DistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                               6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void PutMatch(BitWriter& out, int length, int distance) {
  int l = 28;
  while (LengthBase[l] > length) l--;
  PutSymbol(out, 257 + l);
  out.Put(length - LengthBase[l], LengthExtra[l]);
  int d = 29;
  while (DistanceBase[d] > distance) d--;
  out.PutCode(d, 5);
  out.Put(distance - DistanceBase[d], DistanceExtra[d]);
}

int MatchLength(const std::vector<uint8_t>& data, size_t at, size_t distance) {
  if (distance > at) return 0;
  const size_t longest = std::min<size_t>(258, data.size() - at);
  size_t length = 0;
  while (length < longest && data[at + length] == data[at + length - distance]) length++;
  return static_cast<int>(length);
}

// One block of fixed codes. An icon repeats itself along a row and from one
// row to the next, so only those two distances are tried: enough to shrink
// the image many times over, with no search.
std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data, size_t pixelBytes, size_t rowBytes) {
  BitWriter out;
  out.Put(1, 1);  // the last block
  out.Put(1, 2);  // fixed codes
  for (size_t at = 0; at < data.size();) {
    const int alongRow = MatchLength(data, at, pixelBytes);
    const int fromRowAbove = MatchLength(data, at, rowBytes);
    const int length = std::max(alongRow, fromRowAbove);
    if (length >= 3) {
      PutMatch(out, length, static_cast<int>(alongRow >= fromRowAbove ? pixelBytes : rowBytes));
      at += length;
    } else {
      PutSymbol(out, data[at++]);
    }
  }
  PutSymbol(out, 256);  // end of block
  out.Flush();
  return out.bytes;
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
  uint32_t a = 1, b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; i++) {
    crc ^= data[i];
    for (int k = 0; k < 8; k++) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

std::vector<uint8_t> MakePngFile(int width, int height, const std::vector<uint8_t>& rgba) {
  const size_t pixelBytes = 4;
  const size_t rowBytes = 1 + pixelBytes * width;
  std::vector<uint8_t> rows;
  for (int y = 0; y < height; y++) {
    rows.push_back(0);  // no filter
    rows.insert(rows.end(), rgba.begin() + y * (rowBytes - 1), rgba.begin() + (y + 1) * (rowBytes - 1));
  }
  std::vector<uint8_t> stream = {0x78, 0x01};  // deflate, 32 KiB window
  const std::vector<uint8_t> deflated = Deflate(rows, pixelBytes, rowBytes);
  stream.insert(stream.end(), deflated.begin(), deflated.end());
  PutBigEndian(stream, Adler32(rows));

  std::vector<uint8_t> header;
  PutBigEndian(header, static_cast<uint32_t>(width));
  PutBigEndian(header, static_cast<uint32_t>(height));
  const uint8_t format[5] = {8, 6, 0, 0, 0};  // 8 bits, RGBA, deflate, no filter choice, no interlace
  header.insert(header.end(), format, format + 5);

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", stream);
  PutChunk(png, "IEND", {});
  return png;
}
