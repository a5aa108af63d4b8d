#include "model/game_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace vorn {

namespace {

constexpr int kMaxStringLength = 100;

bool openRegularFile(const std::string& path, int flags, int& fd) {
  fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool usable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  // A file whose write permission was taken away is meant to stay as it is, even for a
  // user (such as root) whom the system would let write it.
  const bool forWriting = (flags & O_ACCMODE) != O_RDONLY;
  if (usable && forWriting && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) usable = false;
  if (!usable) {
    ::close(fd);
    fd = -1;
  }
  return usable;
}

}  // namespace

GameFile::~GameFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool GameFile::open(const std::string& path) {
  close();
  if (!openRegularFile(path, O_RDWR, fd_)) return false;
  path_ = path;
  requiredSize_ = 0;
  return true;
}

bool GameFile::openReadOnly(const std::string& path) {
  close();
  if (!openRegularFile(path, O_RDONLY, fd_)) return false;
  path_ = path;
  requiredSize_ = 0;
  return true;
}

void GameFile::close() {
  if (fd_ < 0) return;
  int fd = fd_;
  fd_ = -1;
  blocks_.clear();
  if (::close(fd) != 0) {
    std::string message = "\"" + path_ + "\": " + std::strerror(errno);
    throw IoError(message);
  }
}

void GameFile::fail(const char* what) const {
  throw IoError("\"" + path_ + "\": " + what + ": " + std::strerror(errno));
}

void GameFile::failChanged(const std::string& what) const {
  throw IoError("\"" + path_ + "\": " + what);
}

std::uint32_t GameFile::querySize() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) fail("size");
  // Removed, or replaced by another file under its name: whatever is written now is lost.
  if (info.st_nlink == 0) failChanged("the game file was removed");
  const std::uint32_t bytes =
      info.st_size > 0xFFFFFFFFLL ? 0xFFFFFFFFu : static_cast<std::uint32_t>(info.st_size);
  // Cut by another program: the tables are gone, and a write would leave a hole of zeros.
  if (bytes < requiredSize_) {
    failChanged("the game file was cut short to " + std::to_string(bytes) + " bytes");
  }
  return bytes;
}

std::uint32_t GameFile::size() const {
  return batchDepth_ > 0 ? batchSize_ : querySize();
}

void GameFile::checkIntact() const {
  querySize();
}

std::size_t GameFile::readDirect(std::uint32_t offset, std::uint8_t* destination,
                                 std::size_t count) const {
  ssize_t got = 0;
  do {
    got = ::pread(fd_, destination, count, static_cast<off_t>(offset));
  } while (got < 0 && errno == EINTR);
  if (got < 0) fail("read");
  return static_cast<std::size_t>(got);
}

const GameFile::Block& GameFile::cachedBlock(std::uint32_t index) const {
  std::unique_ptr<Block>& block = blocks_[index];
  if (!block) {
    block = std::make_unique<Block>();
    block->length = static_cast<std::uint32_t>(
        readDirect(index * kBlockSize, block->bytes.data(), block->bytes.size()));
  }
  return *block;
}

std::size_t GameFile::readBytes(std::uint32_t offset, std::uint8_t* destination,
                                std::size_t count) const {
  // A read beyond the end of the file comes back short; the missing bytes count as zeros.
  if (batchDepth_ == 0) return readDirect(offset, destination, count);
  if (offset >= batchSize_) return 0;
  if (count > batchSize_ - offset) count = batchSize_ - offset;
  std::size_t done = 0;
  while (done < count) {
    const std::uint32_t at = offset + static_cast<std::uint32_t>(done);
    const Block& block = cachedBlock(at / kBlockSize);
    const std::uint32_t start = at % kBlockSize;
    if (start >= block.length) break;
    const std::size_t piece = std::min<std::size_t>(count - done, block.length - start);
    std::memcpy(destination + done, block.bytes.data() + start, piece);
    done += piece;
  }
  return done;
}

void GameFile::forgetBlocks(std::uint32_t offset, std::size_t count) const {
  if (blocks_.empty() || count == 0) return;
  const std::uint32_t last = offset + static_cast<std::uint32_t>(count) - 1;
  for (std::uint32_t index = offset / kBlockSize; index <= last / kBlockSize; ++index) {
    blocks_.erase(index);
  }
}

std::uint8_t GameFile::readByte(std::uint32_t offset) const {
  return static_cast<std::uint8_t>(readLittleEndian(offset, 1));
}

std::uint32_t GameFile::readLittleEndian(std::uint32_t offset, int count) const {
  count = clampCount(count);
  std::array<std::uint8_t, 4> buffer{};
  readBytes(offset, buffer.data(), static_cast<std::size_t>(count));
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value |= static_cast<std::uint32_t>(buffer[i]) << (8 * i);
  return value;
}

std::int32_t GameFile::readSignedLittleEndian(std::uint32_t offset, int count) const {
  return signExtend(readLittleEndian(offset, count), count > 4 ? 4 : count);
}

void GameFile::writeByte(std::uint32_t offset, std::uint8_t value) {
  writeLittleEndian(offset, value, 1);
}

void GameFile::writeLittleEndian(std::uint32_t offset, std::uint32_t value, int count) {
  count = clampCount(count);
  // A change is never written into a file that was removed or cut short meanwhile.
  checkIntact();
  std::array<std::uint8_t, 4> buffer{};
  for (int i = 0; i < count; ++i) buffer[i] = byteOf(value, i);
  // The blocks this write touches are read again when next asked for.
  forgetBlocks(offset, static_cast<std::size_t>(count));
  ssize_t written = 0;
  do {
    written =
        ::pwrite(fd_, buffer.data(), static_cast<std::size_t>(count), static_cast<off_t>(offset));
  } while (written < 0 && errno == EINTR);
  if (written < 0) fail("write");
  if (written != count) {
    errno = ENOSPC;
    fail("write");
  }
}

std::string GameFile::readZeroTerminatedString(std::uint32_t offset) const {
  std::array<std::uint8_t, kMaxStringLength> buffer{};
  const std::size_t got = readBytes(offset, buffer.data(), buffer.size());
  std::string text;
  for (std::size_t i = 0; i < got && buffer[i] != 0; ++i)
    text.push_back(static_cast<char>(buffer[i]));
  return text;
}

ReadBatch::ReadBatch(const GameFile& file) : file_(file) {
  if (file_.batchDepth_ == 0) file_.batchSize_ = file_.querySize();
  ++file_.batchDepth_;
}

ReadBatch::~ReadBatch() {
  if (--file_.batchDepth_ == 0) file_.blocks_.clear();
}

int clampCount(int count) {
  if (count <= 0) return 1;
  return count > 4 ? 4 : count;
}

std::int32_t signExtend(std::uint32_t value, int width) {
  if (width <= 0) return static_cast<std::int32_t>(value);
  if (width >= 4) return static_cast<std::int32_t>(value);
  const std::uint32_t signBit = 1u << (8 * width - 1);
  const std::int64_t wide = value;
  if (value & signBit) return static_cast<std::int32_t>(wide - (std::int64_t{1} << (8 * width)));
  return static_cast<std::int32_t>(value);
}

std::uint32_t toUnsigned(std::int64_t value, int width) {
  // A flag field (width 0) shares one byte; its pattern is that of one byte.
  if (width <= 0) width = 1;
  if (width > 4) width = 4;
  const std::int64_t modulus = std::int64_t{1} << (8 * width);
  if (value < 0) value += modulus;
  return static_cast<std::uint32_t>(value);
}

std::uint8_t byteOf(std::uint32_t value, int index) {
  if (index > 3) index = 3;
  if (index < 0) index = 0;
  return static_cast<std::uint8_t>((value >> (8 * index)) & 0xFF);
}

std::string hexText(int count, std::uint32_t value, bool spaced) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  count = clampCount(count);
  std::string text;
  for (int i = count - 1; i >= 0; --i) {
    const std::uint8_t byte = byteOf(value, i);
    text.push_back(kDigits[byte >> 4]);
    text.push_back(kDigits[byte & 0xF]);
    if (spaced && i > 0) text.push_back(' ');
  }
  return text;
}

std::string binaryText(int count, std::uint32_t value, bool spaced) {
  count = clampCount(count);
  std::string text;
  for (int i = count - 1; i >= 0; --i) {
    const std::uint8_t byte = byteOf(value, i);
    for (int bit = 7; bit >= 0; --bit) {
      text.push_back((byte >> bit) & 1 ? '1' : '0');
      if (spaced && bit == 4) text.push_back(' ');
    }
    if (spaced && i > 0) text += " | ";
  }
  return text;
}

}  // namespace vorn
