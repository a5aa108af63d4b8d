// A synthetic game file for the fuzz targets: written once per process into a private
// temporary directory (in memory under /dev/shm where there is one) and opened as the
// editor opens it. Each input rewrites its bytes with one positioned write, so that the
// open game sees them at its next read.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "builder/game_file_builder.h"
#include "model/game.h"

namespace vorn::fuzz {

class ScratchGame {
 public:
  // The image padded with extra zero bytes behind it, named "VORN2.EXE".
  explicit ScratchGame(const builder::GameImage& image, std::uint32_t extra = 0);
  ~ScratchGame();
  ScratchGame(const ScratchGame&) = delete;
  ScratchGame& operator=(const ScratchGame&) = delete;

  // The bytes the file was made with.
  const std::vector<std::uint8_t>& original() const { return original_; }
  // Replaces the file's bytes; bytes must be as long as the file.
  void write(std::span<const std::uint8_t> bytes);
  void restore() { write(original_); }
  // The file as it is now.
  std::vector<std::uint8_t> read() const;

  const std::string& path() const { return path_; }
  Game game;

 private:
  std::string directory_;
  std::string path_;
  std::vector<std::uint8_t> original_;
  int fd_ = -1;
};

// The bytes at which before and after differ.
std::vector<std::uint32_t> changedOffsets(std::span<const std::uint8_t> before,
                                          std::span<const std::uint8_t> after);

}  // namespace vorn::fuzz
