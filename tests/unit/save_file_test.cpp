// Catches a save that loses a file named in another script, leaves its
// temporary file behind, or half-writes the old file when the disk is full
// (a file size limit stands for the full disk here; the Windows build meets
// a failing WriteFile in wine.editor.save).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/SaveFile.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

size_t FilesIn(const fs::path& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

}  // namespace

TEST(SaveFile, ReplacesWholeOrNotAtAll) {
  const fs::path folder = fs::temp_directory_path() / ("сеансы Ω " + std::to_string(getpid()));
  fs::create_directories(folder);
  const fs::path file = folder / "вечер.txt";
  const std::string big(200000, 'x');
  std::string movedTo;
  EXPECT_TRUE(SaveFileAtomically(file.string(), "5s 1 10\n", movedTo));
  EXPECT_TRUE(SaveFileAtomically(file.string(), "title ru Вечер\n5s 1 10\n", movedTo));
  EXPECT_EQ(Contents(file), "title ru Вечер\n5s 1 10\n");
  EXPECT_EQ(FilesIn(folder), 1u);

  // A write beyond the limit fails (EFBIG) instead of ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit, low = {100000, 100000};
  getrlimit(RLIMIT_FSIZE, &limit);
  low.rlim_max = limit.rlim_max;
  setrlimit(RLIMIT_FSIZE, &low);
  const bool saved = SaveFileAtomically(file.string(), big, movedTo);
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, SIG_DFL);
  EXPECT_FALSE(saved);
  EXPECT_EQ(Contents(file), "title ru Вечер\n5s 1 10\n");
  EXPECT_EQ(FilesIn(folder), 1u);
  EXPECT_FALSE(SaveFileAtomically((folder / "нет" / "x.txt").string(), "5s 1 10\n", movedTo));
  fs::remove_all(folder);
}
