// Builds synthetic game files of any of the six releases: zero-filled to a size that holds
// every table, the identification string at its offset, and whatever values, names,
// strings and scripts a test or the sample asks for. No byte comes from the real game.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::builder {

class GameImage {
 public:
  // A zero-filled image of release versionIndex (0..5) with "VORN2.EXE" at its
  // identification offset.
  explicit GameImage(int versionIndex);

  int versionIndex() const { return versionIndex_; }
  std::vector<std::uint8_t>& bytes() { return bytes_; }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::uint32_t size() const { return static_cast<std::uint32_t>(bytes_.size()); }

  // Appends a zero-terminated string behind everything else and returns its file offset.
  std::uint32_t addString(std::string_view text);
  // The same, returning the string reference the game stores for it.
  std::uint32_t addStringReference(std::string_view text);
  // Appends script words (16-bit) at a paragraph boundary at or after the load image
  // offset and returns the AnimScript field value that points at them (paragraph << 16).
  std::uint32_t addScript(std::initializer_list<std::uint16_t> words);
  std::uint32_t addScript(std::span<const std::uint16_t> words);

  // The file offset of a field (as the editor computes it).
  std::uint32_t fieldOffset(int section, int item, int field) const;
  // Stores value in the field's bytes, little-endian (a flag field sets or clears its bit
  // according to value != 0).
  void setField(int section, int item, int field, std::uint32_t value);
  std::uint32_t field(int section, int item, int field) const;
  // Points the item's name field at a new string (sections with a name field).
  void setName(int section, int item, std::string_view name);
  void setBytes(std::uint32_t offset, std::span<const std::uint8_t> data);
  void setLittleEndian(std::uint32_t offset, std::uint32_t value, int count);
  std::uint32_t littleEndian(std::uint32_t offset, int count) const;

  // Gives every item of every section with a name field a plausible distinct name.
  void nameAllItems();

  void writeTo(const std::string& path) const;

 private:
  int versionIndex_;
  std::vector<std::uint8_t> bytes_;
};

// Reads a whole file (to compare bytes in tests).
std::vector<std::uint8_t> readWholeFile(const std::string& path);

// A plausible sample of a release (3 = 1.07-US by default) with invented values.
GameImage makeSampleImage(int versionIndex = 3);

}  // namespace vorn::builder
