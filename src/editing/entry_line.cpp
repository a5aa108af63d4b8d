#include "editing/entry_line.h"

#include <algorithm>

#include "model/catalogue.h"
#include "model/game.h"
#include "screen/popup.h"
#include "screen/primitives.h"

namespace vorn {

namespace {

constexpr int kInputLineLength = 19;

}  // namespace

EditedField editedField(const EditorContext& ed) {
  const int section = ed.selectedSection();
  const int item = ed.selectedItem();
  const int field = ed.selectedField();
  const int type = ed.selectedFieldDef().type;
  const int shift = type >= 0 && !typeDescription(type).line2.empty() ? 1 : 0;
  return {section,
          item,
          field,
          type,
          std::max(1, fieldWidth(section, field)),
          fieldAddress(ed.game, section, item, field),
          shift};
}

void clearPopupList(EditorContext& ed) {
  PaneState& pane = ed.view().pane(kPopupPane);
  pane.lastRow = 0;
  pane.lastIndex = -1;
  pane.topIndex = 0;
  pane.cursorRow = 0;
}

void drawInputLine(EditorContext& ed, InputLine line) {
  drawRun(ed.console, line.column, line.row, kInputLineLength, '_');
  ed.console.moveTo(line.column, line.row);
}

void showEntryMessage(EditorContext& ed, int column, int row) {
  writeAt(ed.console, column, row, ed.state.entryMessage);
  parkCursor(ed.console);
  waitForKey(ed);
}

void endEntry(EditorContext& ed) {
  parkCursor(ed.console);
  ed.view().focus = ed.view().previousFocus;
}

}  // namespace vorn
