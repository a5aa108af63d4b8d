// An in-memory console for tests: 80 x 25 cells with their colours, the cursor and a
// scripted queue of key bytes.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/console.h"

namespace vorn {

struct Cell {
  std::uint8_t ch = ' ';
  int foreground = 7;
  int background = 0;
  bool operator==(const Cell&) const = default;
};

// Thrown when the editor reads a key that the test did not script, so that a test fails
// at once instead of hanging.
struct KeyQueueEmpty : std::logic_error {
  KeyQueueEmpty() : std::logic_error("the editor asked for a key that the test did not provide") {}
};

class MemoryConsole : public Console {
 public:
  MemoryConsole();

  void moveTo(int column, int row) override;
  void setForeground(int colour) override { foreground_ = colour & 15; }
  void setBackground(int colour) override { background_ = colour & 7; }
  void clearScreen() override;
  void writeChar(std::uint8_t ch) override;
  void writeLineEnd() override;
  // Only the rest of the key being read counts as waiting: keys pushed one by one
  // arrive as if typed slowly, a burst as if typed faster than they are handled.
  bool keyAvailable() override { return !keys_.empty() && !keys_.front().startsKey; }
  std::uint8_t readKey() override;

  // Scripting keys: each byte of pushKeys is one plain key; an extended key is its scan
  // code; a burst is a run of bytes that arrive all at once.
  void pushKeys(std::string_view bytes);
  void pushKey(std::uint8_t byte) { keys_.push_back({byte, true}); }
  void pushExtended(std::uint8_t scanCode);
  void pushBurst(std::string_view bytes);
  std::size_t pendingKeys() const { return keys_.size(); }

  // Inspection (1-based positions).
  const Cell& cell(int column, int row) const { return cells_[row - 1][column - 1]; }
  std::string rowText(int row) const;
  std::string text(int column, int row, int length) const;
  int cursorColumn() const { return column_; }
  int cursorRow() const { return row_; }
  int foreground() const { return foreground_; }
  int background() const { return background_; }
  // Number of characters written since the counter was last reset (redraw checks).
  long writes() const { return writes_; }
  void resetWrites() { writes_ = 0; }
  std::string screenDump() const;

 private:
  std::array<std::array<Cell, kScreenColumns>, kScreenRows> cells_{};
  struct KeyByte {
    std::uint8_t byte;
    bool startsKey;
  };
  std::deque<KeyByte> keys_;
  int column_ = 1;
  int row_ = 1;
  int foreground_ = 7;
  int background_ = 0;
  long writes_ = 0;
};

}  // namespace vorn
