// The edit popup: a double-framed window over the main screen that names the field being
// edited and runs the editor that the opening key and the field's data type choose.
#include "editing/edit_popup.h"

#include <array>
#include <string>

#include "editing/binary_editor.h"
#include "editing/entry_editors.h"
#include "editing/research.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "screen/main_screen.h"
#include "screen/primitives.h"
#include "values/lists.h"
#include "values/value_text.h"

namespace vorn {

namespace {

constexpr int kTextColumn = 17;
constexpr int kLabelRow = 5;  // the popup's top frame row
constexpr int kSectionRow = 6;
constexpr int kOptionRow = 7;
constexpr int kAddressRow = 8;
constexpr int kTypeRow = 9;
constexpr int kTypeColumn = 29;
// The popup's interior from the text column up to its right frame.
constexpr int kTextWidth = 49;

// The label pieces of each mode around "EDIT", indexed by EditMode.
constexpr std::array<std::string_view, 5> kLabelPrefix{"", "BIN ", "HEX ", "DEC ", "DEC "};
constexpr std::array<std::string_view, 5> kLabelSuffix{"", "", "", " SIGNED", " UNSIGNED"};

std::string editLabel(EditMode mode) {
  return "[" + std::string(kLabelPrefix[mode]) + "EDIT" + std::string(kLabelSuffix[mode]) + "]";
}

// The bare-value editors show the address as the raw bytes they work on.
std::string addressText(std::uint32_t address, EditMode mode) {
  return mode == EditBinary || mode == EditHex ? hexText(4, address, false)
                                               : std::to_string(address);
}

// The label in the top frame row, then the item, the field and its file address.
void drawPopupHeader(EditorContext& ed, EditMode mode) {
  const int section = ed.selectedSection();
  const int item = ed.selectedItem();
  const int field = ed.selectedField();
  Console& console = ed.console;
  writeAt(console, kTextColumn, kLabelRow, editLabel(mode));
  std::string name = "Section   : " + itemName(ed.game, section, item);
  if (name.size() > kTextWidth) name.resize(kTextWidth);
  writeAt(console, kTextColumn, kSectionRow, name);
  writeAt(console, kTextColumn, kOptionRow,
          "Option    : " + std::string(ed.selectedFieldDef().label));
  writeAt(console, kTextColumn, kAddressRow,
          "Address   : " + addressText(fieldAddress(ed.game, section, item, field), mode));
}

void drawDataTypeLines(EditorContext& ed) {
  const TypeDescription& description = typeDescription(ed.selectedFieldDef().type);
  writeAt(ed.console, kTextColumn, kTypeRow, "Data type : ");
  writeAt(ed.console, kTypeColumn, kTypeRow, description.line1);
  writeAt(ed.console, kTypeColumn, kTypeRow + 1, description.line2);
}

// The typed editors run to their end; every other data type is edited in the list that
// drawing the popup pane built, whose cursor only has to start on the current value.
void runEditorOfType(EditorContext& ed) {
  switch (ed.selectedFieldDef().type) {
    case Dword:
    case SignedByte:
    case Word:
      editDecimal(ed, true, false);
      break;
    case UnsignedByte:
      editDecimal(ed, false, false);
      break;
    case StringRef:
      editStringReference(ed);
      break;
    case Character:
      editCharacter(ed);
      break;
    default:
      preselectList(ed);  // nothing to preselect in switch sets and the script listing
      break;
  }
}

void runEditor(EditorContext& ed, EditMode mode) {
  switch (mode) {
    case EditByType:
      drawDataTypeLines(ed);
      ed.view().pane(kPopupPane) = PaneState{0, 0, 0, 0};
      drawFocusedPane(ed);
      runEditorOfType(ed);
      break;
    case EditBinary:
      editBinary(ed);
      break;
    case EditHex:
      editHex(ed);
      break;
    case EditDecimalSigned:
      editDecimal(ed, true, true);
      break;
    case EditDecimalUnsigned:
      editDecimal(ed, false, true);
      break;
  }
}

}  // namespace

void editSelectedField(EditorContext& ed, EditMode mode) {
  ViewState& view = ed.view();
  view.previousFocus = view.focus;
  view.focus = kPopupPane;
  // Research mode works on raw values: flags bit by bit, everything else in hexadecimal.
  if (mode == EditByType && view.researchMode) {
    mode = isBitFlag(ed.selectedFieldDef().type) ? EditBinary : EditHex;
  }
  openEditPopup(ed, mode);
}

void openEditPopup(EditorContext& ed, EditMode mode) {
  const int behind = ed.view().previousFocus;
  // The focus is already the popup's, so the pane behind shows as inactive.
  drawPaneFrame(ed, behind, true);
  drawPane(ed, behind);
  redrawCursorRow(ed, behind);
  drawFocusFrame(ed, kPopupPane);
  drawPopupHeader(ed, mode);
  runEditor(ed, mode);
  // Lists, switch sets, the script listing and binary editing leave the popup open for the
  // main loop; it closes it later.
  if (ed.view().focus == kPopupPane) return;
  // A typed entry has ended and handed the focus back: show the field as it is now.
  if (ed.view().researchMode) refreshResearchItem(ed);
  resetScreen(ed);
  drawMainFrames(ed);
  drawMainPanes(ed);
  redrawCursorRows(ed);
}

void reopenEditPopup(EditorContext& ed) {
  const int behind = ed.view().previousFocus;
  drawMainFrames(ed);
  drawPaneFrame(ed, behind, true);
  drawMainPanes(ed);
  // As when the popup opened; the row itself, since while binary editing a cursor row
  // redraw means the bit cursor.
  drawPaneRow(ed, behind, ed.view().pane(behind).cursorRow);
  drawFocusFrame(ed, kPopupPane);
  // Only lists and binary editing stay open; the typed editors never reach a redraw.
  const bool binary = ed.view().bitEditMode;
  drawPopupHeader(ed, binary ? EditBinary : EditByType);
  if (binary) {
    drawBinaryEditor(ed);
  } else {
    drawDataTypeLines(ed);
    drawFocusedPane(ed);  // rebuilds the list around the unchanged cursor
  }
}

}  // namespace vorn
