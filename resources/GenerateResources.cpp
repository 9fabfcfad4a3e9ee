// Writes the icon and the background tile into a folder:
//   generate-resources DIR   (DIR/tessovant.ico, DIR/panel-tile.bmp)
#include <cstdio>
#include <string>
#include <vector>

#include "resources/ResourceImages.h"

namespace {
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: generate-resources DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  if (!WriteFile(dir + "/tessovant.ico", MakeIconFile()) ||
      !WriteFile(dir + "/panel-tile.bmp", MakeTileFile())) {
    std::fprintf(stderr, "generate-resources: cannot write into %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
