// The help popup: the help text of the selected field when the field pane has the focus,
// otherwise the legend of the main screen's keys.
#include "info/help.h"

#include <string>

#include "screen/identity.h"
#include "screen/layout.h"
#include "screen/popup.h"
#include "screen/primitives.h"

namespace vorn {

namespace {

struct LegendRow {
  int row;
  int column;
  std::string_view keys;
  std::string_view description;  // at column 27
};

constexpr int kLegendDescriptionColumn = 27;

// Rows 9 and 16 stay blank; F6 has no function on the main screen.
constexpr std::array<LegendRow, 16> kLegend{{
    {6, 15, "Left/Right", ": Navigate between sections"},
    {7, 15, "Up/Down", ": Navigate through section list"},
    {8, 16, "(PageUp/PageDown/Home/End for faster scrolling)", ""},
    {10, 15, "Space/Enter", ": Modify/confirm selected value"},
    {11, 15, "F1/h", ": Shows help on the selected option"},
    {12, 15, "F2/b", ": Edit as bare binary value"},
    {13, 15, "F3/x", ": Edit as bare hexadecimal value"},
    {14, 15, "F4/d", ": Edit as bare decimal value (signed)"},
    {15, 15, "F5/D", ": Edit as bare decimal value (unsigned)"},
    {17, 15, "F7/s", ": Save unit/struct data to profile.ini"},
    {18, 15, "F8/l", ": Load unit/struct data from profile.ini"},
    {19, 15, "F9/v", ": Vorn EXE version information"},
    {20, 15, "F10/n", ": Dumps all data to an ini-file"},
    {21, 15, "F11/r", ": Toggles hexadecimal \"Research\" mode"},
    {22, 15, "F12/i", ": Info screen about the editor"},
    {23, 15, "[ESC]", ": Close popup frame / Exit program"},
}};

// The number of the last non-empty line (0 for an entry without text); a line holding
// only a blank counts as text.
int usedLines(const HelpEntry& entry) {
  for (int n = static_cast<int>(entry.lines.size()); n > 0; --n) {
    if (!entry.lines[n - 1].empty()) return n;
  }
  return 0;
}

HelpEntry selectedFieldHelp(const EditorContext& ed) {
  const FieldDef& field = (*ed.view().fieldTable)[ed.view().pane(kFieldPane).selected()];
  return getHelpEntry(field.helpIndex);
}

void writeHelpHeading(EditorContext& ed, const PopupRect& rect) {
  const std::string title = std::string(editorTitle) + " " + std::string(editorVersion);
  const int x = rect.x + 2;
  writeAt(ed.console, x, rect.y, "[HELP]");
  writeAt(ed.console, x, rect.y + 1, title);
  drawRun(ed.console, x, rect.y + 2, static_cast<int>(title.size()), singleFrame.horizontal);
}

void writeLegend(EditorContext& ed) {
  for (const LegendRow& row : kLegend) {
    writeAt(ed.console, row.column, row.row, row.keys);
    if (!row.description.empty()) {
      writeAt(ed.console, kLegendDescriptionColumn, row.row, row.description);
    }
  }
}

void writeEntry(EditorContext& ed, const PopupRect& rect, const HelpEntry& entry, int lines) {
  for (int i = 0; i < lines; ++i) writeAt(ed.console, rect.x + 2, rect.y + 3 + i, entry.lines[i]);
}

}  // namespace

void showHelp(EditorContext& ed) {
  if (ed.view().focus == kFieldPane) {
    const HelpEntry entry = selectedFieldHelp(ed);
    const int lines = usedLines(entry);
    const PopupRect rect = fieldHelpRect(lines);
    openInfoPopup(ed, rect);
    writeHelpHeading(ed, rect);
    writeEntry(ed, rect, entry, lines);
  } else {
    openInfoPopup(ed, keyHelpRect);
    writeHelpHeading(ed, keyHelpRect);
    writeLegend(ed);
  }
  closeInfoPopup(ed);
}

}  // namespace vorn
