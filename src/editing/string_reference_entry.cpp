// String reference entry: a name or file name field of the game holds a reference to a
// zero-terminated string. The editor never writes string text; it only points the
// reference at another existing offset of the game file, whose text it shows before the
// change is confirmed.
#include <string>

#include "editing/entry_editors.h"
#include "editing/entry_line.h"
#include "model/game.h"
#include "screen/popup.h"
#include "screen/primitives.h"

namespace vorn {

namespace {

constexpr int kTextColumn = 17;
constexpr int kOldValueRow = 12;  // less the second description line that StringRef has
constexpr InputLine kOffsetLine{19, 13};
constexpr int kMessageColumn = 49;
constexpr int kNewValueRow = 15;
constexpr int kNewStringRow = 16;
constexpr int kPromptRow = 18;
// The popup's interior from the text column up to its right frame.
constexpr int kTextWidth = 49;

std::string oldValueText(const EditorContext& ed, const EditedField& f, std::int64_t offset) {
  if (offset < 0) return "<invalid>";
  return fieldHexText(ed.game, f.section, f.item, f.field, true) + " (" +
         (offset != 0 ? "offset " + std::to_string(offset) : std::string("blank")) + ")";
}

void writeRow(EditorContext& ed, int row, std::string text) {
  drawRun(ed.console, kTextColumn, row, kTextWidth, ' ');
  if (text.size() > kTextWidth) text.resize(kTextWidth);
  writeAt(ed.console, kTextColumn, row, text);
}

// Shows the new reference and its string; Enter or Space writes it.
void confirmReference(EditorContext& ed, const EditedField& f, std::int64_t offset) {
  const std::uint32_t reference = offsetToReference(ed.game, offset);
  writeRow(
      ed, kNewValueRow,
      "New value : " + hexText(4, reference, true) +
          (offset != 0 ? " (offset " + std::to_string(referenceToOffset(ed.game, reference)) + ")"
                       : std::string(" (blank)")));
  const std::string text = referenceText(ed.game, reference);
  writeRow(ed, kNewStringRow, "New string: " + (offset != 0 ? "\"" + text + "\"" : text));
  writeAt(ed.console, kTextColumn, kPromptRow, "[ENTER]/[SPACE]: save     [ESC]: cancel");
  parkCursor(ed.console);
  const std::uint8_t answer = ed.console.readKey();
  // A raw byte 255 would end the main loop.
  ed.state.lastKey = answer == key::Quit ? 0 : answer;
  if (answer == key::Enter || answer == key::Space) {
    ed.game.file.writeLittleEndian(f.address, reference, 4);
  }
  while (ed.console.keyAvailable()) ed.console.readKey();
}

}  // namespace

void editStringReference(EditorContext& ed) {
  clearPopupList(ed);
  const EditedField f = editedField(ed);
  const std::int64_t old = fieldReferenceOffset(ed.game, f.section, f.item, f.field);
  writeAt(ed.console, kTextColumn, kOldValueRow - f.shift,
          "Old value : " + oldValueText(ed, f, old));
  writeAt(ed.console, kTextColumn, kNewValueRow, "WARNING - Don't edit these unless you know");
  writeAt(ed.console, kTextColumn, kNewStringRow, "          exactly what you're doing!");
  drawInputLine(ed, kOffsetLine);
  // Any byte of the file can start a string; the reference must stay inside it.
  const std::int64_t last = static_cast<std::int64_t>(ed.game.file.size()) - 1;
  const std::uint32_t offset =
      readDecimal(ed, kOffsetLine, std::to_string(old < 0 ? 0 : old), 0, last, 4);
  if (ed.state.entryMessage.empty()) {
    confirmReference(ed, f, offset);
  } else if (ed.state.entryMessage != kEntryCanceled) {
    showEntryMessage(ed, kMessageColumn, kOffsetLine.row);
  }
  endEntry(ed);
}

}  // namespace vorn
