#include "screen/main_screen.h"

#include <algorithm>
#include <string>

#include "editing/binary_editor.h"
#include "editing/edit_popup.h"
#include "editing/research.h"
#include "screen/identity.h"
#include "screen/layout.h"
#include "screen/primitives.h"
#include "values/lists.h"
#include "values/value_text.h"

namespace vorn {

namespace {

constexpr int kHeaderNameLength = 40;
constexpr int kValueTextLength = 20;

struct LegendPiece {
  std::string_view text;
  bool highlighted;  // the letter key that does the same as the function key
};

struct LegendGroup {
  int column;
  std::array<LegendPiece, 9> pieces;
};

constexpr std::array<LegendGroup, 5> kKeyLegend{{
    {2, {{{"F1=", false}, {"h", true}, {"elp", false}}}},
    {10,
     {{{"F2/F3/F4/F5=", false},
       {"b", true},
       {"in/he", false},
       {"x", true},
       {"/[", false},
       {"d", true},
       {"/", false},
       {"D", true},
       {"]ec", false}}}},
    {38, {{{"F7/F8=", false}, {"s", true}, {"ave/", false}, {"l", true}, {"oad ini", false}}}},
    {59, {{{"F10=i", false}, {"n", true}, {"i dump", false}}}},
    {72, {{{"F12=", false}, {"i", true}, {"nfo", false}}}},
}};

std::string cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

std::string_view sectionLabel(int section) {
  return sectionDef(section).label;
}

// The text of row `row` of a main pane, as drawn from the caches.
std::string paneRowText(EditorContext& ed, int pane, int row) {
  const ViewState& view = ed.view();
  const int index = view.pane(pane).topIndex + row;
  switch (pane) {
    case kSectionPane:
      return cut(std::string(sectionLabel(index)), kItemTextWidth);
    case kItemPane:
      return cut(view.itemNames[index], kItemTextWidth);
    case kFieldPane:
      return std::string((*view.fieldTable)[index].label);
    default:
      return {};
  }
}

void drawValueCell(EditorContext& ed, int row, int fromColumn) {
  drawRun(ed.console, fromColumn, paneArea[kFieldPane].top + row, valueWidth, ' ');
  writeAt(ed.console, valueColumn, paneArea[kFieldPane].top + row, ed.view().valueTexts[row]);
}

// Draws every row of a main pane and blanks the rows below the list.
void drawPaneRows(EditorContext& ed, int pane) {
  PaneState& state = ed.view().pane(pane);
  const Rect& area = paneArea[pane];
  state.lastRow = std::min(paneRows(pane) - 1, state.lastIndex);
  for (int r = 0; r <= state.lastRow; ++r) {
    setRowColours(ed, pane, r);
    drawRun(ed.console, area.left, area.top + r, paneWidth[pane], ' ');
    writeAt(ed.console, area.left + 1, area.top + r, paneRowText(ed, pane, r));
  }
  setDefaultColours(ed.console);
  for (int r = std::max(state.lastRow + 1, 0); r < paneRows(pane); ++r) {
    drawRun(ed.console, area.left, area.top + r, paneWidth[pane], ' ');
  }
}

std::string valueCellText(EditorContext& ed, int field) {
  const int section = ed.selectedSection();
  const int item = ed.selectedItem();
  const bool research = ed.view().researchMode;
  if (research && !isBitFlag((*ed.view().fieldTable)[field].type)) {
    return fieldHexText(ed.game, section, item, field, true);
  }
  return valueText(ed.game, section, item, field, true, research);
}

}  // namespace

void drawTitleBar(EditorContext& ed) {
  Console& console = ed.console;
  drawRun(console, 1, 1, kScreenColumns, doubleFrame.horizontal);
  writeAt(console, 3, 1, " " + std::string(editorTitle) + " " + std::string(editorVersion) + " ");
  const int authorLength = static_cast<int>(editorAuthor.size());
  writeAt(console, 74 - authorLength, 1, " by " + std::string(editorAuthor) + " ");
}

void drawHeaderLine(EditorContext& ed) {
  Console& console = ed.console;
  console.setForeground(kLightGrey);
  writeAt(console, 2, 2, "File: [" + cut(ed.state.gameFileName, kHeaderNameLength) + "]");
  const std::string_view key = ed.game.version().key;
  const int column = std::max(1, 66 - static_cast<int>(key.size()));
  writeAt(console, column, 2, "Vorn ");
  console.setForeground(kWhite);
  console.writeText("V");
  console.setForeground(kLightGrey);
  console.writeText("ersion: " + std::string(key));
}

void drawKeyLegend(EditorContext& ed) {
  Console& console = ed.console;
  for (const LegendGroup& group : kKeyLegend) {
    console.moveTo(group.column, kScreenRows);
    for (const LegendPiece& piece : group.pieces) {
      if (piece.text.empty()) break;
      console.setForeground(piece.highlighted ? kWhite : kLightGrey);
      console.writeText(piece.text);
    }
  }
  console.setForeground(kLightGrey);
}

void drawStaticLines(EditorContext& ed) {
  setColours(ed.console, inactiveTextColour);
  drawTitleBar(ed);
  drawHeaderLine(ed);
  drawKeyLegend(ed);
}

void resetScreen(EditorContext& ed) {
  ed.console.clearScreen();
  drawStaticLines(ed);
}

void drawSectionPane(EditorContext& ed) {
  drawPaneRows(ed, kSectionPane);
  parkCursor(ed.console);
}

void drawItemPane(EditorContext& ed) {
  drawPaneRows(ed, kItemPane);
  parkCursor(ed.console);
}

void drawFieldPane(EditorContext& ed) {
  drawPaneRows(ed, kFieldPane);
  refreshValues(ed);
}

void refreshValues(EditorContext& ed) {
  ViewState& view = ed.view();
  const PaneState& fields = view.pane(kFieldPane);
  const int n = std::min(fields.lastIndex, fields.lastRow);
  // Every value is read before the first one is drawn.
  const ReadBatch batch(ed.game.file);
  for (int r = 0; r <= n; ++r)
    view.valueTexts[r] = cut(valueCellText(ed, fields.topIndex + r), kValueTextLength);
  for (int r = 0; r <= n; ++r) {
    setRowColours(ed, kFieldPane, r);
    drawValueCell(ed, r, valueColumn - 1);
  }
  setDefaultColours(ed.console);
  for (int r = std::max(n + 1, 0); r < kValueRows; ++r) {
    drawRun(ed.console, valueColumn - 1, paneArea[kFieldPane].top + r, valueWidth, ' ');
  }
  parkCursor(ed.console);
}

void drawPane(EditorContext& ed, int pane) {
  switch (pane) {
    case kSectionPane:
      drawSectionPane(ed);
      break;
    case kItemPane:
      drawItemPane(ed);
      break;
    case kFieldPane:
      drawFieldPane(ed);
      break;
    default:
      buildList(ed);
      break;
  }
  drawScrollMarks(ed, pane);
}

void drawFocusedPane(EditorContext& ed) {
  drawPane(ed, ed.view().focus);
}

void drawMainPanes(EditorContext& ed) {
  drawPane(ed, kSectionPane);
  drawPane(ed, kItemPane);
  drawPane(ed, kFieldPane);
}

void drawPaneRow(EditorContext& ed, int pane, int row) {
  ViewState& view = ed.view();
  const PaneState& state = view.pane(pane);
  if (state.lastRow < 0) return;
  const Rect& area = paneArea[pane];
  setRowColours(ed, pane, row);
  drawRun(ed.console, area.left, area.top + row, paneWidth[pane], ' ');
  ed.console.moveTo(area.left + 1, area.top + row);
  if (pane == kPopupPane) {
    if (state.lastIndex >= 0)
      ed.console.writeText(listEntryText(view.listNames[state.topIndex + row]));
  } else {
    ed.console.writeText(paneRowText(ed, pane, row));
    if (pane == kFieldPane) drawValueCell(ed, row, valueColumn);
  }
  setDefaultColours(ed.console);
  parkCursor(ed.console);
}

void redrawRow(EditorContext& ed, int pane, int row) {
  if (ed.view().bitEditMode && ed.view().focus == kPopupPane) {
    drawBitCursor(ed);
    return;
  }
  drawPaneRow(ed, pane, row);
}

void redrawCursorRow(EditorContext& ed, int pane) {
  redrawRow(ed, pane, ed.view().pane(pane).cursorRow);
}

void redrawCursorRows(EditorContext& ed) {
  if (ed.view().focus != kPopupPane) {
    redrawCursorRow(ed, kSectionPane);
    redrawCursorRow(ed, kItemPane);
    redrawCursorRow(ed, kFieldPane);
  } else {
    redrawCursorRow(ed, kPopupPane);
  }
}

void drawScrollMarks(EditorContext& ed, int pane) {
  const PaneState& state = ed.view().pane(pane);
  const bool moreAbove = state.topIndex > 0;
  const bool moreBelow =
      state.lastRow < state.lastIndex && state.lastIndex - state.lastRow > state.topIndex;
  const bool focused = pane == ed.view().focus;
  const FrameCharSet& set = frameChars(focused);
  ed.console.setForeground(focused ? kWhite : kLightGrey);
  ed.console.setBackground(kBlue);
  const Rect& area = paneArea[pane];
  ed.console.moveTo(area.left - 1, area.top);
  ed.console.writeChar(moreAbove ? set.moreAbove : ' ');
  ed.console.moveTo(area.left - 1, area.bottom);
  ed.console.writeChar(moreBelow ? set.moreBelow : ' ');
  setDefaultColours(ed.console);
  parkCursor(ed.console);
}

void loadItemList(EditorContext& ed) {
  const ReadBatch batch(ed.game.file);
  ViewState& view = ed.view();
  const int section = ed.selectedSection();
  view.pane(kFieldPane).lastIndex = lastFieldIndex(section);
  view.fieldTable = sectionDef(section).fields;
  view.pane(kItemPane).lastIndex = ed.game.itemCount(section) - 1;
  for (int i = 0; i <= view.pane(kItemPane).lastIndex; ++i) {
    view.itemNames[i] = itemName(ed.game, section, i);
    if (view.researchMode) appendResearchValue(ed, i);
  }
}

void selectSection(EditorContext& ed) {
  for (int pane : {kItemPane, kFieldPane}) {
    ed.view().pane(pane).topIndex = 0;
    ed.view().pane(pane).cursorRow = 0;
  }
  loadItemList(ed);
  drawPane(ed, kItemPane);
  redrawCursorRow(ed, kItemPane);
  drawPane(ed, kFieldPane);
  redrawCursorRow(ed, kFieldPane);
}

void drawPaneFrame(EditorContext& ed, int pane, bool isDouble) {
  ed.console.setBackground(kBlue);
  ed.console.setForeground(pane == ed.view().focus ? kWhite : kLightGrey);
  const FrameRect& frame = paneFrame[pane];
  drawFrame(ed.console, frame.x, frame.y, frame.width, frame.height, paneDivider[pane], isDouble,
            pane == kPopupPane);
  ed.console.setForeground(kWhite);
}

void drawFocusFrame(EditorContext& ed, int pane) {
  if (pane == kPopupPane) {
    drawPaneFrame(ed, kPopupPane, true);
  } else {
    drawPaneFrame(ed, pane, pane == ed.view().focus);
  }
}

void drawMainFrames(EditorContext& ed) {
  drawFocusFrame(ed, kSectionPane);
  drawFocusFrame(ed, kItemPane);
  drawFocusFrame(ed, kFieldPane);
}

void redrawScreen(EditorContext& ed) {
  resetScreen(ed);
  if (ed.view().focus == kPopupPane) {
    reopenEditPopup(ed);
    return;
  }
  drawMainFrames(ed);
  drawMainPanes(ed);
  redrawCursorRows(ed);
}

void dimFocusedPane(EditorContext& ed) {
  ViewState& view = ed.view();
  const int pane = view.focus;
  view.previousFocus = pane;
  view.focus = kPopupPane;
  drawPaneFrame(ed, pane, true);
  drawPane(ed, pane);
  redrawCursorRow(ed, pane);
  view.focus = pane;
}

}  // namespace vorn
