// Byte access to the open game executable. Nothing is cached: every value is read from
// the file when it is asked for. A value of 1 to 4 bytes is read with one positioned read
// and written with one positioned write, so neither a crash nor another program ever sees
// half a value.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vorn {

// An input/output error after the file was opened. It ends the program: the terminal is
// restored, one line naming the file and the system's error text goes to standard error,
// and the exit status is 1.
struct IoError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class GameFile {
 public:
  GameFile() = default;
  GameFile(const GameFile&) = delete;
  GameFile& operator=(const GameFile&) = delete;
  ~GameFile();

  // Opens an existing regular file for reading and writing (or for reading only).
  // Returns false when it cannot be opened that way.
  bool open(const std::string& path);
  bool openReadOnly(const std::string& path);
  void close();
  bool isOpen() const { return fd_ >= 0; }
  const std::string& path() const { return path_; }

  // The size is asked for at every call.
  std::uint32_t size() const;

  // 0 at or beyond the end of the file, without touching it.
  std::uint8_t readByte(std::uint32_t offset) const;
  // count 0 counts as 1 and above 4 as 4; bytes beyond the end read as 0.
  std::uint32_t readLittleEndian(std::uint32_t offset, int count) const;
  // Sign-extended from count bytes (count 0 returns the byte unchanged).
  std::int32_t readSignedLittleEndian(std::uint32_t offset, int count) const;

  void writeByte(std::uint32_t offset, std::uint8_t value);
  // Writes the low count bytes (0 counts as 1, above 4 as 4) with one positioned write.
  void writeLittleEndian(std::uint32_t offset, std::uint32_t value, int count);

  // At most 100 characters, up to the first zero byte; empty beyond the end of the file.
  std::string readZeroTerminatedString(std::uint32_t offset) const;

 private:
  [[noreturn]] void fail(const char* what) const;
  int fd_ = -1;
  std::string path_;
};

int clampCount(int count);
std::int32_t signExtend(std::uint32_t value, int width);
std::uint32_t toUnsigned(std::int64_t value, int width);
std::uint8_t byteOf(std::uint32_t value, int index);
std::string hexText(int count, std::uint32_t value, bool spaced);
std::string binaryText(int count, std::uint32_t value, bool spaced);

}  // namespace vorn
