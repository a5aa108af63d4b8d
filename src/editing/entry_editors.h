// The typed entry editors of the edit popup: decimal, hexadecimal, string reference and
// character entry. Each shows the old value, reads its own keys on one line of the popup,
// writes the field only when the entry is confirmed and valid, and hands the focus back to
// the pane that opened the popup.
#pragma once

#include <cstdint>
#include <string_view>

#include "shell/editor.h"

namespace vorn {

// The outcomes of an entry besides success (an empty entryMessage).
inline constexpr std::string_view kEntryCanceled = "Canceled";
inline constexpr std::string_view kValueTooLarge = "Value too large!";
inline constexpr std::string_view kValueTooSmall = "Value too small!";

// The screen position where a line editor's text starts.
struct InputLine {
  int column;
  int row;
};

struct DecimalRange {
  std::int64_t min;
  std::int64_t max;
};
// The values a field of width bytes (0 counts as 1) holds, signed or unsigned.
DecimalRange decimalRange(int width, bool isSigned);

// Decimal entry of the edited field; showRange adds the "Data range: " line.
void editDecimal(EditorContext& ed, bool isSigned, bool showRange);
// Edits text on the line; returns the entered number as the bit pattern of width bytes and
// sets entryMessage.
std::uint32_t readDecimal(EditorContext& ed, InputLine line, std::string_view text,
                          std::int64_t min, std::int64_t max, int width);

void editHex(EditorContext& ed);
// Edits up to 2 x width hexadecimal digits; digits not typed count as 0 on the right.
std::uint32_t readHex(EditorContext& ed, InputLine line, std::string_view text, int width);
// 0..9 for '0'..'9', 10..15 for 'A'..'F', 0 for anything else.
int hexDigitValue(char c);
// The byte that two hexadecimal digits give; missing leading digits count as 0.
int hexByteValue(std::string_view text);

// Points a string reference at another offset of the game file, after a confirmation.
void editStringReference(EditorContext& ed);

void editCharacter(EditorContext& ed);
// Shows c and lets the user replace it by a letter; returns the last letter typed (or c).
std::uint8_t readLetter(EditorContext& ed, InputLine line, std::uint8_t c);

}  // namespace vorn
