#include "screen/primitives.h"

namespace vorn {

void setColours(Console& console, ColourPair pair) {
  console.setForeground(pair.foreground);
  console.setBackground(pair.background);
}

void drawRun(Console& console, int x, int y, int count, std::uint8_t ch) {
  if (count <= 0) return;
  console.moveTo(x, y);
  for (int i = 0; i < count; ++i) console.writeChar(ch);
}

void drawColumn(Console& console, int x, int y, int count, std::uint8_t ch) {
  for (int i = 0; i < count; ++i) {
    console.moveTo(x, y + i);
    console.writeChar(ch);
  }
}

void fillBlank(Console& console, int x, int y, int width, int rows) {
  for (int i = 0; i < rows; ++i) drawRun(console, x, y + i, width, ' ');
}

void drawFrame(Console& console, int x, int y, int width, int height, int divider, bool isDouble,
               bool fill) {
  const FrameCharSet& set = frameChars(isDouble);
  const int right = x + width - 1;
  const int bottom = y + height - 1;
  console.moveTo(x, y);
  console.writeChar(set.topLeft);
  console.moveTo(right, y);
  console.writeChar(set.topRight);
  console.moveTo(x, bottom);
  console.writeChar(set.bottomLeft);
  console.moveTo(right, bottom);
  console.writeChar(set.bottomRight);
  drawRun(console, x + 1, y, width - 2, set.horizontal);
  drawRun(console, x + 1, bottom, width - 2, set.horizontal);
  drawColumn(console, x, y + 1, height - 2, set.vertical);
  drawColumn(console, right, y + 1, height - 2, set.vertical);
  if (fill) fillBlank(console, x + 1, y + 1, width - 2, height - 2);
  if (divider >= 2) {
    const int c = x + divider - 1;
    console.moveTo(c, y);
    console.writeChar(set.topTee);
    console.moveTo(c, bottom);
    console.writeChar(set.bottomTee);
    drawColumn(console, c, y + 1, height - 2, set.vertical);
  }
  parkCursor(console);
}

void parkCursor(Console& console) {
  console.moveTo(kScreenColumns, kScreenRows);
}

void writeAt(Console& console, int x, int y, std::string_view text) {
  console.moveTo(x, y);
  console.writeText(text);
}

void setRowColours(EditorContext& ed, int pane, int row) {
  const bool onCursor = row == ed.view().pane(pane).cursorRow;
  const bool focused = pane == ed.view().focus;
  if (onCursor && focused) {
    setColours(ed.console, activeCursorColour);
  } else if (onCursor) {
    setColours(ed.console, inactiveCursorColour);
  } else if (focused) {
    setColours(ed.console, activeTextColour);
  } else {
    setColours(ed.console, inactiveTextColour);
  }
}

void setDefaultColours(Console& console) {
  setColours(console, activeTextColour);
}

}  // namespace vorn
