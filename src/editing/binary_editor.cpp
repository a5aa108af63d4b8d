// Binary editing: every bit of the field on one line, the selected bit p counted from the
// least significant bit of the little-endian value. The popup pane's cursor is the bit
// cursor, so navigation and Space work on it as on a list.
#include "editing/binary_editor.h"

#include <algorithm>
#include <string>

#include "model/catalogue.h"
#include "model/game.h"
#include "screen/layout.h"
#include "screen/primitives.h"

namespace vorn {

namespace {

constexpr int kTextColumn = 17;
constexpr int kOldValueRow = 9;
constexpr int kDigitsColumn = 18;
constexpr int kCursorAboveRow = 10;
constexpr int kDigitsRow = 11;
constexpr int kCursorBelowRow = 12;
constexpr int kNewValueRow = 14;
constexpr int kNewValueColumn = 28;

int editedWidth(const EditorContext& ed) {
  return std::max(1, fieldWidth(ed.selectedSection(), ed.selectedField()));
}

std::string editedHexText(const EditorContext& ed) {
  return fieldHexText(ed.game, ed.selectedSection(), ed.selectedItem(), ed.selectedField(), true);
}

// The value the field had when the popup opened, so that a full redraw shows the same
// old value after bits were toggled.
std::string& openingValue(EditorContext& ed) {
  return ed.view().binaryOldValue;
}

}  // namespace

int bitOffset(int n) {
  return n + (n / 4) + 2 * (n / 8);
}

void editBinary(EditorContext& ed) {
  ViewState& view = ed.view();
  view.bitEditMode = true;
  const int bits = 8 * editedWidth(ed);
  const int type = ed.selectedFieldDef().type;
  PaneState& pane = view.pane(kPopupPane);
  pane.lastIndex = bits - 1;
  pane.lastRow = bits - 1;  // every bit is on the one line: no scrolling
  pane.topIndex = 0;
  pane.cursorRow = isBitFlag(type) ? type - Bit1 : 0;  // a flag starts on its own bit
  openingValue(ed) = editedHexText(ed);
  drawBinaryEditor(ed);
}

void drawBinaryEditor(EditorContext& ed) {
  writeAt(ed.console, kTextColumn, kOldValueRow, "Old value : " + openingValue(ed));
  writeAt(ed.console, kTextColumn, kNewValueRow, "New value:");
  drawBinaryValue(ed);
  drawBitCursor(ed);
}

void drawBinaryValue(EditorContext& ed) {
  writeAt(
      ed.console, kDigitsColumn, kDigitsRow,
      fieldBinaryText(ed.game, ed.selectedSection(), ed.selectedItem(), ed.selectedField(), true));
  writeAt(ed.console, kNewValueColumn, kNewValueRow, editedHexText(ed));
  parkCursor(ed.console);
  setDefaultColours(ed.console);
}

void drawBitCursor(EditorContext& ed) {
  const int last = 8 * editedWidth(ed) - 1;
  const int span = bitOffset(last) + 1;
  const int column =
      kDigitsColumn + bitOffset(last) - bitOffset(ed.view().pane(kPopupPane).selected());
  setDefaultColours(ed.console);
  drawRun(ed.console, kDigitsColumn, kCursorAboveRow, span, ' ');
  drawRun(ed.console, column, kCursorAboveRow, 1, doubleFrame.moreBelow);
  drawRun(ed.console, kDigitsColumn, kCursorBelowRow, span, ' ');
  drawRun(ed.console, column, kCursorBelowRow, 1, doubleFrame.moreAbove);
  parkCursor(ed.console);
}

}  // namespace vorn
