#include "model/game_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  return true;
}

bool GameFile::openReadOnly(const std::string& path) {
  close();
  if (!openRegularFile(path, O_RDONLY, fd_)) return false;
  path_ = path;
  return true;
}

void GameFile::close() {
  if (fd_ < 0) return;
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    std::string message = "\"" + path_ + "\": " + std::strerror(errno);
    throw IoError(message);
  }
}

void GameFile::fail(const char* what) const {
  throw IoError("\"" + path_ + "\": " + what + ": " + std::strerror(errno));
}

std::uint32_t GameFile::size() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) fail("size");
  if (info.st_size > 0xFFFFFFFFLL) return 0xFFFFFFFFu;
  return static_cast<std::uint32_t>(info.st_size);
}

std::uint8_t GameFile::readByte(std::uint32_t offset) const {
  return static_cast<std::uint8_t>(readLittleEndian(offset, 1));
}

std::uint32_t GameFile::readLittleEndian(std::uint32_t offset, int count) const {
  count = clampCount(count);
  const std::uint32_t fileSize = size();
  if (offset >= fileSize) return 0;
  std::array<std::uint8_t, 4> buffer{};
  const std::uint32_t available = fileSize - offset;
  const auto wanted = static_cast<std::size_t>(available < static_cast<std::uint32_t>(count)
                                                   ? available
                                                   : static_cast<std::uint32_t>(count));
  ssize_t got = 0;
  do {
    got = ::pread(fd_, buffer.data(), wanted, static_cast<off_t>(offset));
  } while (got < 0 && errno == EINTR);
  if (got < 0) fail("read");
  // A file that shrank since the size query reads as zeros beyond its new end.
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
  std::array<std::uint8_t, 4> buffer{};
  for (int i = 0; i < count; ++i) buffer[i] = byteOf(value, i);
  ssize_t written = 0;
  do {
    written = ::pwrite(fd_, buffer.data(), static_cast<std::size_t>(count),
                       static_cast<off_t>(offset));
  } while (written < 0 && errno == EINTR);
  if (written < 0) fail("write");
  if (written != count) {
    errno = ENOSPC;
    fail("write");
  }
}

std::string GameFile::readZeroTerminatedString(std::uint32_t offset) const {
  std::string text;
  const std::uint32_t fileSize = size();
  if (offset >= fileSize) return text;
  std::array<char, kMaxStringLength> buffer{};
  const std::uint32_t available = fileSize - offset;
  const std::size_t wanted = available < kMaxStringLength ? available : kMaxStringLength;
  ssize_t got = 0;
  do {
    got = ::pread(fd_, buffer.data(), wanted, static_cast<off_t>(offset));
  } while (got < 0 && errno == EINTR);
  if (got < 0) fail("read");
  for (ssize_t i = 0; i < got && buffer[i] != '\0'; ++i) text.push_back(buffer[i]);
  return text;
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
