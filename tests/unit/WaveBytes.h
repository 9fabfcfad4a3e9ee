// WAV files built field by field for the tests of the music reader and the
// mix: whatever the reader is given, the test wrote it here.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

inline std::string LittleEndian(uint32_t value, int bytes) {
  std::string text;
  for (int i = 0; i < bytes; i++) text += static_cast<char>(value >> (8 * i) & 0xFF);
  return text;
}

// NAME SIZE BODY, and the pad byte of an odd-sized body.
inline std::string Chunk(const std::string& name, const std::string& body) {
  return name + LittleEndian(static_cast<uint32_t>(body.size()), 4) + body +
         (body.size() % 2 ? std::string(1, '\0') : "");
}

inline std::string FormatChunk(uint32_t tag, uint32_t channels, uint32_t rate, uint32_t bits) {
  const uint32_t align = channels * bits / 8;
  return Chunk("fmt ", LittleEndian(tag, 2) + LittleEndian(channels, 2) + LittleEndian(rate, 4) +
                           LittleEndian(rate * align, 4) + LittleEndian(align, 2) +
                           LittleEndian(bits, 2));
}

inline std::string Samples(const std::vector<int16_t>& samples) {
  std::string bytes;
  for (int16_t s : samples) bytes += LittleEndian(static_cast<uint16_t>(s), 2);
  return bytes;
}

inline std::string Wave(const std::string& chunks) {
  return "RIFF" + LittleEndian(static_cast<uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// A 16-bit PCM file at 44100 Hz of these samples (interleaved when stereo).
inline std::string PcmWave(uint32_t channels, const std::vector<int16_t>& samples) {
  return Wave(FormatChunk(1, channels, 44100, 16) + Chunk("data", Samples(samples)));
}

inline std::string WrittenFile(const std::string& name, const std::string& bytes) {
  const std::string path = ::testing::TempDir() + name;
  FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return path;
}
