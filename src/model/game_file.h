// Byte access to the open game executable. Every value is read from the file when it is
// asked for, with one positioned read, and a value of 1 to 4 bytes is written with one
// positioned write, so neither a crash nor another program ever sees half a value.
//
// Drawing a pane or writing a dump reads hundreds of values; a ReadBatch around such work
// reads each 4 KiB block of the file it touches once (a value across two blocks from both),
// with the size asked for once, and forgets them all when it ends. Batches never outlive
// the drawing or the dump they serve, so a value shown after the next key is read from the
// file again.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>

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

  // The size is asked for at every call (once per batch inside a ReadBatch). Throws IoError
  // when the file was removed or replaced since it was opened, or cut below the required
  // size: the tables the editor shows and writes are then no longer in it.
  std::uint32_t size() const;
  // The size the file must keep while it is open (that of the identified release's tables).
  void setRequiredSize(std::uint32_t bytes) { requiredSize_ = bytes; }
  // Asks the system whether the file is still the one opened and long enough (see size()).
  void checkIntact() const;

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
  friend class ReadBatch;
  static constexpr std::uint32_t kBlockSize = 4096;
  struct Block {
    std::uint32_t length = 0;  // short for the last block of the file
    std::array<std::uint8_t, kBlockSize> bytes{};
  };

  [[noreturn]] void fail(const char* what) const;
  [[noreturn]] void failChanged(const std::string& what) const;
  std::uint32_t querySize() const;
  // Copies up to count bytes at offset into destination; returns how many the file holds.
  std::size_t readBytes(std::uint32_t offset, std::uint8_t* destination, std::size_t count) const;
  std::size_t readDirect(std::uint32_t offset, std::uint8_t* destination, std::size_t count) const;
  const Block& cachedBlock(std::uint32_t index) const;
  void forgetBlocks(std::uint32_t offset, std::size_t count) const;

  int fd_ = -1;
  std::string path_;
  std::uint32_t requiredSize_ = 0;
  mutable int batchDepth_ = 0;
  mutable std::uint32_t batchSize_ = 0;
  mutable std::unordered_map<std::uint32_t, std::unique_ptr<Block>> blocks_;
};

// Serves the reads of one drawing or one dump from blocks read once (see above). Batches
// may nest; the outermost one asks for the size and drops the blocks when it ends.
class ReadBatch {
 public:
  explicit ReadBatch(const GameFile& file);
  ~ReadBatch();
  ReadBatch(const ReadBatch&) = delete;
  ReadBatch& operator=(const ReadBatch&) = delete;

 private:
  const GameFile& file_;
};

int clampCount(int count);
std::int32_t signExtend(std::uint32_t value, int width);
std::uint32_t toUnsigned(std::int64_t value, int width);
std::uint8_t byteOf(std::uint32_t value, int index);
std::string hexText(int count, std::uint32_t value, bool spaced);
std::string binaryText(int count, std::uint32_t value, bool spaced);

}  // namespace vorn
