// The text console the editor draws on: 80 x 25 cells of code page 437 bytes with a
// foreground colour 0..15 and a background colour 0..7, and a keyboard that delivers
// key bytes (an extended key is a 0 byte followed by its scan code).
#pragma once

#include <cstdint>
#include <string_view>

namespace vorn {

inline constexpr int kScreenColumns = 80;
inline constexpr int kScreenRows = 25;

class Console {
 public:
  virtual ~Console() = default;

  // Positions are 1-based (column, row).
  virtual void moveTo(int column, int row) = 0;
  virtual void setForeground(int colour) = 0;
  // Only the low three bits count: background 12 is shown as 4.
  virtual void setBackground(int colour) = 0;
  // Fills the screen with blanks in the current colours; the cursor goes to (1, 1).
  virtual void clearScreen() = 0;
  // Writes one code page 437 byte at the cursor and moves the cursor right.
  virtual void writeChar(std::uint8_t ch) = 0;
  virtual void writeText(std::string_view text) {
    for (char c : text) writeChar(static_cast<std::uint8_t>(c));
  }
  // Moves the cursor to column 1 of the next row.
  virtual void writeLineEnd() = 0;
  // True when a key byte can be read without waiting.
  virtual bool keyAvailable() = 0;
  // Waits for and returns the next key byte.
  virtual std::uint8_t readKey() = 0;
};

}  // namespace vorn
