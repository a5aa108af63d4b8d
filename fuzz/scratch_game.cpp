#include "fuzz/scratch_game.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "model/versions.h"

namespace vorn::fuzz {

namespace {

std::string makeDirectory() {
  std::string base = "/dev/shm";
  if (::access(base.c_str(), W_OK) != 0) {
    const char* tmp = std::getenv("TMPDIR");
    base = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
  }
  std::string pattern = base + "/vorn2-fuzz-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a directory in " + base);
  }
  return pattern;
}

}  // namespace

ScratchGame::ScratchGame(const builder::GameImage& image, std::uint32_t extra)
    : directory_(makeDirectory()), path_(directory_ + "/VORN2.EXE"), original_(image.bytes()) {
  original_.resize(original_.size() + extra, 0);
  fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd_ < 0) throw std::runtime_error("cannot create " + path_);
  restore();
  if (!game.file.open(path_)) throw std::runtime_error("cannot open " + path_);
  game.versionIndex = image.versionIndex();
  game.file.setRequiredSize(requiredFileSize(game.version()));
}

ScratchGame::~ScratchGame() {
  game.file.close();
  if (fd_ >= 0) ::close(fd_);
  ::unlink(path_.c_str());
  ::rmdir(directory_.c_str());
}

void ScratchGame::write(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != original_.size()) throw std::logic_error("scratch game size changed");
  const ssize_t written = ::pwrite(fd_, bytes.data(), bytes.size(), 0);
  if (written != static_cast<ssize_t>(bytes.size())) {
    throw std::runtime_error("cannot write " + path_);
  }
}

std::vector<std::uint8_t> ScratchGame::read() const {
  std::vector<std::uint8_t> bytes(original_.size() + 1);
  const ssize_t got = ::pread(fd_, bytes.data(), bytes.size(), 0);
  if (got < 0) throw std::runtime_error("cannot read " + path_);
  bytes.resize(static_cast<std::size_t>(got));
  return bytes;
}

std::vector<std::uint32_t> changedOffsets(std::span<const std::uint8_t> before,
                                          std::span<const std::uint8_t> after) {
  std::vector<std::uint32_t> offsets;
  const std::size_t common = std::min(before.size(), after.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (before[i] != after[i]) offsets.push_back(static_cast<std::uint32_t>(i));
  }
  // A file that grew or shrank differs at every byte that only one of them has.
  for (std::size_t i = common; i < std::max(before.size(), after.size()); ++i) {
    offsets.push_back(static_cast<std::uint32_t>(i));
  }
  return offsets;
}

}  // namespace vorn::fuzz
