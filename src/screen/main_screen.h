// The main screen: title bar, header line, key legend and the three panes, with the
// redraw routines that navigation, the popups and the editors compose their updates from.
#pragma once

#include "shell/editor.h"

namespace vorn {

void drawTitleBar(EditorContext& ed);
void drawHeaderLine(EditorContext& ed);
void drawKeyLegend(EditorContext& ed);
void drawStaticLines(EditorContext& ed);
void resetScreen(EditorContext& ed);

void drawSectionPane(EditorContext& ed);
void drawItemPane(EditorContext& ed);
void drawFieldPane(EditorContext& ed);
void refreshValues(EditorContext& ed);
void drawPane(EditorContext& ed, int pane);
void drawFocusedPane(EditorContext& ed);
void drawMainPanes(EditorContext& ed);
void drawPaneRow(EditorContext& ed, int pane, int row);
void redrawRow(EditorContext& ed, int pane, int row);
void redrawCursorRow(EditorContext& ed, int pane);
void redrawCursorRows(EditorContext& ed);
void drawScrollMarks(EditorContext& ed, int pane);

void loadItemList(EditorContext& ed);
void selectSection(EditorContext& ed);

void drawPaneFrame(EditorContext& ed, int pane, bool isDouble);
void drawFocusFrame(EditorContext& ed, int pane);
void drawMainFrames(EditorContext& ed);
void redrawScreen(EditorContext& ed);
void dimFocusedPane(EditorContext& ed);

// Item texts are cut at the item pane's frame, list entries at the popup's blanked width.
inline constexpr int kItemTextWidth = 22;

}  // namespace vorn
