// How the code page 437 bytes of the screen are shown on a real terminal. A UTF-8 terminal
// shows the glyph the DOS text screen had for every byte, control codes included (0x18 and
// 0x19 are the scroll arrows, 0x01 a smiling face); any other terminal gets a line-drawing
// character of its alternate character set or an ASCII look-alike, never a blank where the
// DOS screen had a visible mark and never a raw control byte.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vorn {

// Unicode code point of the glyph of every code page 437 byte. 0x00 and 0xFF are shown as
// a plain blank.
extern const std::array<char32_t, 256> kCp437Unicode;

// The look-alike of a byte on a terminal without Unicode. When lineDrawing is set, ch is the
// letter of the character in the VT100 alternate character set (as curses' ACS_ names use
// it: 'q' horizontal line, 'l' top-left corner, '-' arrow up...); curses itself picks an
// ASCII substitute on a terminal that has no such character. Otherwise ch is a printable
// ASCII character.
struct FallbackGlyph {
  char ch;
  bool lineDrawing;
};
extern const std::array<FallbackGlyph, 256> kCp437Fallback;

enum class GlyphSet { Unicode, Fallback };

// True for the names that nl_langinfo(CODESET) gives a UTF-8 locale ("UTF-8", "utf8"...).
bool codesetIsUtf8(std::string_view codeset);
GlyphSet glyphSetForCodeset(std::string_view codeset);
// The glyph set of the current locale (setlocale must have been called before).
GlyphSet glyphSetForLocale();

}  // namespace vorn
