#include "platform/memory_console.h"

namespace vorn {

MemoryConsole::MemoryConsole() {
  clearScreen();
}

void MemoryConsole::moveTo(int column, int row) {
  if (column < 1 || column > kScreenColumns || row < 1 || row > kScreenRows) {
    throw std::out_of_range("cursor moved off the screen to (" + std::to_string(column) + ", " +
                            std::to_string(row) + ")");
  }
  column_ = column;
  row_ = row;
}

void MemoryConsole::clearScreen() {
  for (auto& row : cells_) row.fill(Cell{' ', foreground_, background_});
  column_ = 1;
  row_ = 1;
}

void MemoryConsole::writeChar(std::uint8_t ch) {
  cells_[row_ - 1][column_ - 1] = Cell{ch, foreground_, background_};
  ++writes_;
  if (column_ < kScreenColumns) {
    ++column_;
  } else if (row_ < kScreenRows) {
    column_ = 1;
    ++row_;
  }
}

void MemoryConsole::writeLineEnd() {
  column_ = 1;
  if (row_ < kScreenRows) ++row_;
}

std::uint8_t MemoryConsole::readKey() {
  if (keys_.empty()) throw KeyQueueEmpty();
  const std::uint8_t key = keys_.front().byte;
  keys_.pop_front();
  return key;
}

void MemoryConsole::pushKeys(std::string_view bytes) {
  for (char c : bytes) pushKey(static_cast<std::uint8_t>(c));
}

void MemoryConsole::pushExtended(std::uint8_t scanCode) {
  keys_.push_back({0, true});
  keys_.push_back({scanCode, false});
}

void MemoryConsole::pushBurst(std::string_view bytes) {
  bool first = true;
  for (char c : bytes) {
    keys_.push_back({static_cast<std::uint8_t>(c), first});
    first = false;
  }
}

std::string MemoryConsole::rowText(int row) const {
  return text(1, row, kScreenColumns);
}

std::string MemoryConsole::text(int column, int row, int length) const {
  std::string result;
  for (int c = column; c < column + length && c <= kScreenColumns; ++c) {
    result.push_back(static_cast<char>(cell(c, row).ch));
  }
  return result;
}

std::string MemoryConsole::screenDump() const {
  std::string dump;
  for (int row = 1; row <= kScreenRows; ++row) {
    std::string line = rowText(row);
    for (char& c : line) {
      const auto byte = static_cast<std::uint8_t>(c);
      if (byte < 32 || byte >= 127) c = '#';
    }
    dump += (row < 10 ? " " : "") + std::to_string(row) + "|" + line + "|\n";
  }
  return dump;
}

}  // namespace vorn
