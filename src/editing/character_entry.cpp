// Character entry: a house's voice prefix letter, the first byte of its field.
#include <string>

#include "editing/entry_editors.h"
#include "editing/entry_line.h"
#include "model/game.h"
#include "screen/primitives.h"

namespace vorn {

namespace {

constexpr int kTextColumn = 17;
constexpr int kOldValueRow = 11;
constexpr InputLine kLetterLine{19, 13};
constexpr int kAfterLineColumn = 49;

}  // namespace

void editCharacter(EditorContext& ed) {
  clearPopupList(ed);
  const EditedField f = editedField(ed);
  const auto old =
      static_cast<std::uint8_t>(readFieldBytes(ed.game, f.section, f.item, f.field, 1));
  std::string text = "Old value : \"";
  text.push_back(static_cast<char>(old));
  text.push_back('"');
  writeAt(ed.console, kTextColumn, kOldValueRow, text);
  ed.console.moveTo(kLetterLine.column, kLetterLine.row);
  const std::uint8_t letter = readLetter(ed, kLetterLine, old);
  ed.console.moveTo(kAfterLineColumn, kLetterLine.row);
  // Only the first byte of the field is the letter.
  if (ed.state.entryMessage.empty()) ed.game.file.writeLittleEndian(f.address, letter, 1);
  setDefaultColours(ed.console);
  endEntry(ed);
}

std::uint8_t readLetter(EditorContext& ed, InputLine line, std::uint8_t c) {
  LineCursor cursor(ed.console, line);
  cursor.put(c);
  std::uint8_t result = c;
  KeyPress press{};
  for (;;) {
    press = readKeyPress(ed.console);
    if (isEnterKey(press) || isEscapeKey(press) || isEditorKey(press)) break;
    if (isPlainLetter(press)) {
      cursor.back();
      cursor.put(press.code);
      result = press.code;
    }
  }
  ed.state.entryMessage = isEnterKey(press) ? "" : std::string(kEntryCanceled);
  return result;
}

}  // namespace vorn
