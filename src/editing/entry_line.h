// What the entry editors share: the edited field, the popup without a list, the cursor of
// the typed line, the keys that end an entry, and handing the focus back.
#pragma once

#include <cstdint>
#include <string_view>

#include "editing/entry_editors.h"
#include "platform/console.h"
#include "shell/editor.h"
#include "shell/keys.h"

namespace vorn {

// The field the popup edits, fixed when it opened.
struct EditedField {
  int section;
  int item;
  int field;
  int type;
  int width;  // bytes, at least 1: a flag shares the byte of its neighbours
  std::uint32_t address;
  int shift;  // 1 when the data type's description has a second line, else 0
};
EditedField editedField(const EditorContext& ed);

// Every entry editor starts with an empty popup list.
void clearPopupList(EditorContext& ed);
// Blanks the line with underscores and puts the cursor at its start.
void drawInputLine(EditorContext& ed, InputLine line);
// Shows entryMessage at (column, row) and waits for a key.
void showEntryMessage(EditorContext& ed, int column, int row);
// Parks the cursor and gives the focus back to the pane that opened the popup.
void endEntry(EditorContext& ed);

// The typed characters of a line. The console has no cursor query, so the column is kept
// here and every write is positioned.
struct LineCursor {
  Console& console;
  InputLine line;
  int column;

  LineCursor(Console& c, InputLine at) : console(c), line(at), column(at.column) {
    console.moveTo(column, line.row);
  }
  void put(std::uint8_t ch) {
    console.moveTo(column, line.row);
    console.writeChar(ch);
    ++column;
  }
  void back() {
    if (column > line.column) --column;
    console.moveTo(column, line.row);
  }
  // Backspace: an underscore takes the place of the last character and the cursor waits on
  // it.
  void erase() {
    back();
    put('_');
    back();
  }
};

inline bool isEnterKey(KeyPress press) {
  return press.code == key::Enter;
}
inline bool isEscapeKey(KeyPress press) {
  return press.code == key::Escape;
}
inline bool isBackspaceKey(KeyPress press) {
  return press.code == key::Backspace;
}
// F2..F5 open the other editors; inside an entry they cancel it.
inline bool isEditorKey(KeyPress press) {
  return press.extended() && press.code >= key::F2 && press.code <= key::F5;
}
inline bool isPlainDigit(KeyPress press) {
  return !press.extended() && press.code >= '0' && press.code <= '9';
}
inline bool isPlainLetter(KeyPress press) {
  const std::uint8_t c = press.code;
  return !press.extended() && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
}

}  // namespace vorn
