#include "shell/navigation.h"

#include <algorithm>

#include "editing/binary_editor.h"
#include "screen/main_screen.h"

namespace vorn {

namespace {

PaneState& focusedPane(EditorContext& ed) {
  return ed.view().pane(ed.view().focus);
}

}  // namespace

void stepForward(EditorContext& ed, int n) {
  PaneState& p = focusedPane(ed);
  if (n <= 0 || p.lastIndex < 0) return;
  if (p.cursorRow + n < p.lastRow) {
    p.cursorRow += n;
    return;
  }
  const int rest = n - (p.lastRow - p.cursorRow);
  p.cursorRow = p.lastRow;
  if (rest > 0 && p.lastRow < p.lastIndex) {
    p.topIndex = std::min(p.topIndex + rest, p.lastIndex - p.lastRow);
  }
}

void stepBackward(EditorContext& ed, int n) {
  PaneState& p = focusedPane(ed);
  if (n <= 0 || p.lastIndex < 0) return;
  if (p.cursorRow - n > 0) {
    p.cursorRow -= n;
    return;
  }
  const int rest = n - p.cursorRow;
  p.cursorRow = 0;
  if (rest > 0) p.topIndex = std::max(p.topIndex - rest, 0);
}

void moveForward(EditorContext& ed, int n) {
  const PaneState& p = focusedPane(ed);
  const int oldTop = p.topIndex;
  const int oldRow = p.cursorRow;
  // In the binary editor the digit cursor runs towards bit 0, the rightmost digit.
  if (ed.view().bitEditMode) {
    stepBackward(ed, n);
  } else {
    stepForward(ed, n);
  }
  refreshAfterMove(ed, oldTop, oldRow);
}

void moveBackward(EditorContext& ed, int n) {
  const PaneState& p = focusedPane(ed);
  const int oldTop = p.topIndex;
  const int oldRow = p.cursorRow;
  if (ed.view().bitEditMode) {
    stepForward(ed, n);
  } else {
    stepBackward(ed, n);
  }
  refreshAfterMove(ed, oldTop, oldRow);
}

void refreshAfterMove(EditorContext& ed, int oldTop, int oldRow) {
  const int pane = ed.view().focus;
  const PaneState& p = ed.view().pane(pane);
  const bool scrolled = p.topIndex != oldTop;
  const bool moved = p.cursorRow != oldRow;
  if (scrolled) drawFocusedPane(ed);
  if (moved) {
    if (ed.view().bitEditMode) {
      drawBitCursor(ed);
    } else {
      redrawRow(ed, pane, oldRow);
      redrawRow(ed, pane, p.cursorRow);
    }
  }
  if (!scrolled && !moved) return;
  switch (pane) {
    case kSectionPane:
      selectSection(ed);
      break;
    case kItemPane:
      refreshValues(ed);
      break;
    case kFieldPane:
      // The item texts show each item's raw value of the selected field.
      if (ed.view().researchMode) {
        loadItemList(ed);
        drawItemPane(ed);
      }
      break;
    default:
      break;
  }
}

void focusNext(EditorContext& ed) {
  const int old = ed.view().focus;
  ed.view().focus = old == kFieldPane ? kSectionPane : old + 1;
  refreshAfterFocusChange(ed, old);
}

void focusPrevious(EditorContext& ed) {
  const int old = ed.view().focus;
  ed.view().focus = old == kSectionPane ? kFieldPane : old - 1;
  refreshAfterFocusChange(ed, old);
}

void refreshAfterFocusChange(EditorContext& ed, int oldFocus) {
  const int focus = ed.view().focus;
  if (oldFocus == focus) return;
  drawFocusFrame(ed, oldFocus);
  drawFocusFrame(ed, focus);
  drawPane(ed, oldFocus);
  drawPane(ed, focus);
  redrawCursorRow(ed, oldFocus);
  redrawCursorRow(ed, focus);
}

}  // namespace vorn
