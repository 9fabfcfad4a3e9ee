// WAV files built field by field for the tests of the music reader and the
// mix: whatever the reader is given, the test wrote it here.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

inline std::string Bytes(uint32_t value, int count) {
  std::string text;
  for (int i = 0; i < count; i++) text += static_cast<char>(value >> (8 * i) & 0xFF);
  return text;
}

// NAME SIZE BODY, and the pad byte of an odd-sized body.
inline std::string Chunk(const std::string& name, const std::string& body) {
  return name + Bytes(static_cast<uint32_t>(body.size()), 4) + body +
         std::string(body.size() % 2, 0);
}

inline std::string Format(uint32_t tag, uint32_t channels, uint32_t rate, uint32_t bits) {
  return Bytes(tag, 2) + Bytes(channels, 2) + Bytes(rate, 4) +
         Bytes(rate * channels * bits / 8, 4) + Bytes(channels * bits / 8, 2) + Bytes(bits, 2);
}

inline std::string Wave(const std::string& chunks) {
  return "RIFF" + Bytes(static_cast<uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// 16-bit PCM at 44100 Hz, the samples interleaved when stereo.
inline std::string PcmWave(uint32_t channels, const std::vector<int16_t>& samples) {
  std::string data;
  for (int16_t s : samples) data += Bytes(static_cast<uint16_t>(s), 2);
  return Wave(Chunk("fmt ", Format(1, channels, 44100, 16)) + Chunk("data", data));
}

// The process's own name, so that test runs side by side never share a file.
inline std::string WrittenFile(const std::string& name, const std::string& bytes) {
  const std::string path = ::testing::TempDir() + std::to_string(getpid()) + " " + name;
  FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return path;
}
