// Shared steps of the information screen tests: moving through the panes with the real
// keys and opening a popup so that it stays on the screen.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "platform/memory_console.h"
#include "shell/keys.h"
#include "support/game_fixture.h"

namespace vorn::testing {

// The popup waits for a key that the test does not give, so the open popup is what the
// screen shows when the wait gives up.
inline void openPopup(TestEditor& t, std::uint8_t scanCode) {
  EXPECT_THROW(t.pressExtended(scanCode), KeyQueueEmpty);
}
inline void openPopupWithLetter(TestEditor& t, std::uint8_t letter) {
  EXPECT_THROW(t.press(letter), KeyQueueEmpty);
}

// Moves the section cursor to section s (0 = Units), then focuses the field pane with
// field f selected.
inline void selectField(TestEditor& t, int section, int field) {
  for (int i = 0; i < section; ++i) t.pressExtended(key::Down);
  t.pressExtended(key::Right);
  t.pressExtended(key::Right);
  for (int i = 0; i < field; ++i) t.pressExtended(key::Down);
  ASSERT_EQ(t.ed.view().focus, kFieldPane);
  ASSERT_EQ(t.ed.selectedSection(), section);
  ASSERT_EQ(t.ed.selectedField(), field);
}

using ScreenCells = std::array<std::array<Cell, kScreenColumns>, kScreenRows>;

inline ScreenCells screenCells(const MemoryConsole& console) {
  ScreenCells cells{};
  for (int row = 1; row <= kScreenRows; ++row) {
    for (int col = 1; col <= kScreenColumns; ++col)
      cells[row - 1][col - 1] = console.cell(col, row);
  }
  return cells;
}

// Cells look the same when character and background match and, unless the cell is a
// blank, the foreground too: the start-up screen is cleared in light grey and every later
// full redraw in white, which no blank shows.
inline bool looksSame(const Cell& a, const Cell& b) {
  return a.ch == b.ch && a.background == b.background &&
         (a.foreground == b.foreground || a.ch == ' ');
}

// The cells that look different, listed for a failure message (empty when none).
inline std::string visibleDifferences(const ScreenCells& a, const ScreenCells& b) {
  std::string out;
  int shown = 0;
  for (int row = 0; row < kScreenRows; ++row) {
    for (int col = 0; col < kScreenColumns; ++col) {
      const Cell& x = a[row][col];
      const Cell& y = b[row][col];
      if (looksSame(x, y) || ++shown > 10) continue;
      out += "(" + std::to_string(col + 1) + "," + std::to_string(row + 1) +
             "): " + std::to_string(x.ch) + "/" + std::to_string(x.foreground) + "/" +
             std::to_string(x.background) + " vs " + std::to_string(y.ch) + "/" +
             std::to_string(y.foreground) + "/" + std::to_string(y.background) + "\n";
    }
  }
  return out;
}

// Trailing blanks removed, to compare a row's text with what was written on it.
inline std::string trimmedText(const MemoryConsole& console, int column, int row, int length) {
  std::string text = console.text(column, row, length);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace vorn::testing
