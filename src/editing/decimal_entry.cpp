// Decimal entry: the field's raw bytes as a signed or unsigned number, checked against the
// range of the field's width before anything is written.
#include <algorithm>
#include <string>

#include "editing/entry_editors.h"
#include "editing/entry_line.h"
#include "model/game.h"
#include "model/game_file.h"
#include "screen/primitives.h"

namespace vorn {

namespace {

constexpr int kTextColumn = 17;
constexpr int kRangeRow = 9;
constexpr int kOldValueRow = 10;
constexpr int kInputRow = 13;
constexpr int kInputColumn = 19;
constexpr int kMessageColumn = 44;

// Besides Enter and Escape, the keys that open another editor end the entry.
bool endsDecimalEntry(KeyPress press) {
  if (isEnterKey(press) || isEscapeKey(press) || isEditorKey(press)) return true;
  if (press.extended()) return false;
  return press.code == 'b' || press.code == 'x' || press.code == 'd' || press.code == 'D';
}

// The line holds at most eleven characters, so the number is read exactly in 64 bits: a
// number beyond 32 bits is caught by the range comparison itself and cannot wrap around
// into the range. A text without digits reads as 0.
std::int64_t lineNumber(const std::string& s) {
  const bool negative = !s.empty() && s.front() == '-';
  std::int64_t n = 0;
  for (std::size_t k = negative ? 1 : 0; k < s.size(); ++k) n = 10 * n + (s[k] - '0');
  return negative ? -n : n;
}

std::string_view rangeMessage(std::int64_t v, std::int64_t min, std::int64_t max) {
  if (v > max) return kValueTooLarge;
  if (min < 0 && v < min) return kValueTooSmall;
  return {};
}

}  // namespace

DecimalRange decimalRange(int width, bool isSigned) {
  const int bits = 8 * std::clamp(width, 1, 4);
  if (isSigned) return {-(std::int64_t{1} << (bits - 1)), (std::int64_t{1} << (bits - 1)) - 1};
  return {0, (std::int64_t{1} << bits) - 1};
}

void editDecimal(EditorContext& ed, bool isSigned, bool showRange) {
  clearPopupList(ed);
  const EditedField f = editedField(ed);
  const DecimalRange range = decimalRange(f.width, isSigned);
  if (showRange) {
    writeAt(ed.console, kTextColumn, kRangeRow,
            "Data range: " + std::to_string(range.min) + "," + std::to_string(range.max));
  }
  const std::string old = isSigned
                              ? std::to_string(readFieldSigned(ed.game, f.section, f.item, f.field))
                              : std::to_string(readField(ed.game, f.section, f.item, f.field));
  // Below a second description line, so that the old value never covers it.
  writeAt(ed.console, kTextColumn, kOldValueRow + f.shift, "Old value : " + old);
  const InputLine line{kInputColumn, kInputRow + f.shift};
  drawInputLine(ed, line);
  const std::uint32_t value = readDecimal(ed, line, old, range.min, range.max, f.width);
  if (ed.state.entryMessage.empty()) {
    ed.game.file.writeLittleEndian(f.address, value, f.width);
  } else if (ed.state.entryMessage != kEntryCanceled) {
    showEntryMessage(ed, kMessageColumn, line.row);
  }
  endEntry(ed);
}

std::uint32_t readDecimal(EditorContext& ed, InputLine line, std::string_view text,
                          std::int64_t min, std::int64_t max, int width) {
  std::string s(text);
  const std::size_t minLength = std::to_string(min).size();
  const std::size_t maxLength = std::to_string(max).size();
  LineCursor cursor(ed.console, line);
  for (char c : s) cursor.put(static_cast<std::uint8_t>(c));
  KeyPress press{};
  for (;;) {
    press = readKeyPress(ed.console);
    if (endsDecimalEntry(press)) break;
    if (press.isPlain('-')) {
      if (!s.empty() || min >= 0) continue;
    } else if (isPlainDigit(press)) {
      const bool negative = !s.empty() && s.front() == '-';
      if (s.size() >= (negative ? minLength : maxLength)) continue;
    } else {
      if (isBackspaceKey(press) && !s.empty()) {
        s.pop_back();
        cursor.erase();
      }
      continue;
    }
    s.push_back(static_cast<char>(press.code));
    cursor.put(press.code);
  }
  const std::int64_t v = lineNumber(s);
  ed.state.entryMessage =
      isEnterKey(press) ? std::string(rangeMessage(v, min, max)) : std::string(kEntryCanceled);
  return min < 0 ? toUnsigned(v, width) : static_cast<std::uint32_t>(v);
}

}  // namespace vorn
