// Hexadecimal entry: the field's raw bytes as digits, most significant byte first. Every
// digit pattern is a valid value, so the entry is never out of range.
#include <algorithm>
#include <string>

#include "editing/entry_editors.h"
#include "editing/entry_line.h"
#include "model/game.h"
#include "screen/primitives.h"

namespace vorn {

namespace {

constexpr int kTextColumn = 17;
constexpr int kOldValueRow = 9;
constexpr InputLine kHexLine{19, 12};

// The letters b, d and D are digits here; only x of the editor letters ends the entry.
bool endsHexEntry(KeyPress press) {
  return isEnterKey(press) || isEscapeKey(press) || isEditorKey(press) || press.isPlain('x');
}

// The digit a plain key types (a..f count as A..F), or 0.
char typedHexDigit(KeyPress press) {
  if (press.extended()) return 0;
  const char c = static_cast<char>(press.code);
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) return c;
  if (c >= 'a' && c <= 'f') return static_cast<char>(c - 'a' + 'A');
  return 0;
}

// A blank separates the bytes: it follows every completed pair but the last.
void putHexDigit(LineCursor& cursor, std::string& s, char digit, std::size_t digits) {
  s.push_back(digit);
  cursor.put(static_cast<std::uint8_t>(digit));
  if (s.size() % 2 == 0 && s.size() < digits) cursor.put(' ');
}

}  // namespace

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

int hexByteValue(std::string_view text) {
  if (text.empty()) return 0;
  if (text.size() == 1) return hexDigitValue(text[0]);
  return 16 * hexDigitValue(text[0]) + hexDigitValue(text[1]);
}

void editHex(EditorContext& ed) {
  clearPopupList(ed);
  const EditedField f = editedField(ed);
  writeAt(ed.console, kTextColumn, kOldValueRow,
          "Old value : " + fieldHexText(ed.game, f.section, f.item, f.field, true));
  ed.console.moveTo(kHexLine.column, kHexLine.row);
  const std::uint32_t value =
      readHex(ed, kHexLine, fieldHexText(ed.game, f.section, f.item, f.field, false), f.width);
  if (ed.state.entryMessage.empty()) ed.game.file.writeLittleEndian(f.address, value, f.width);
  setDefaultColours(ed.console);
  endEntry(ed);
}

std::uint32_t readHex(EditorContext& ed, InputLine line, std::string_view text, int width) {
  const std::size_t digits = 2 * static_cast<std::size_t>(std::clamp(width, 1, 4));
  std::string s;
  LineCursor cursor(ed.console, line);
  for (char c : text.substr(0, std::min(text.size(), digits))) putHexDigit(cursor, s, c, digits);
  KeyPress press{};
  for (;;) {
    press = readKeyPress(ed.console);
    if (endsHexEntry(press)) break;
    if (const char digit = typedHexDigit(press); digit != 0) {
      if (s.size() < digits) putHexDigit(cursor, s, digit, digits);
    } else if (isBackspaceKey(press) && !s.empty()) {
      if (s.size() % 2 == 0 && s.size() < digits) cursor.back();  // over the byte's blank
      s.pop_back();
      cursor.erase();
    }
  }
  // Typed digits are the most significant ones: the rest of the value is 0.
  while (s.size() < digits) putHexDigit(cursor, s, '0', digits);
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < digits; k += 2) {
    value =
        (value << 8) | static_cast<std::uint32_t>(hexByteValue(std::string_view(s).substr(k, 2)));
  }
  ed.state.entryMessage = isEnterKey(press) ? "" : std::string(kEntryCanceled);
  return value;
}

}  // namespace vorn
