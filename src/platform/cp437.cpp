#include "platform/cp437.h"

#include <langinfo.h>

#include <cstddef>

namespace vorn {

namespace {

// The DOS text screen shows a glyph for every control code too: the editor draws its scroll
// marks with 0x18 and 0x19.
constexpr char32_t kControlGlyphs[32] = {
    U' ', U'☺', U'☻', U'♥', U'♦', U'♣', U'♠', U'•', U'◘', U'○', U'◙', U'♂', U'♀', U'♪', U'♫', U'☼',
    U'►', U'◄', U'↕', U'‼', U'¶', U'§', U'▬', U'↨', U'↑', U'↓', U'→', U'←', U'∟', U'↔', U'▲', U'▼',
};

constexpr char32_t kHighGlyphs[128] = {
    U'Ç',
    U'ü',
    U'é',
    U'â',
    U'ä',
    U'à',
    U'å',
    U'ç',
    U'ê',
    U'ë',
    U'è',
    U'ï',
    U'î',
    U'ì',
    U'Ä',
    U'Å',
    U'É',
    U'æ',
    U'Æ',
    U'ô',
    U'ö',
    U'ò',
    U'û',
    U'ù',
    U'ÿ',
    U'Ö',
    U'Ü',
    U'¢',
    U'£',
    U'¥',
    U'₧',
    U'ƒ',
    U'á',
    U'í',
    U'ó',
    U'ú',
    U'ñ',
    U'Ñ',
    U'ª',
    U'º',
    U'¿',
    U'⌐',
    U'¬',
    U'½',
    U'¼',
    U'¡',
    U'«',
    U'»',
    U'░',
    U'▒',
    U'▓',
    U'│',
    U'┤',
    U'╡',
    U'╢',
    U'╖',
    U'╕',
    U'╣',
    U'║',
    U'╗',
    U'╝',
    U'╜',
    U'╛',
    U'┐',
    U'└',
    U'┴',
    U'┬',
    U'├',
    U'─',
    U'┼',
    U'╞',
    U'╟',
    U'╚',
    U'╔',
    U'╩',
    U'╦',
    U'╠',
    U'═',
    U'╬',
    U'╧',
    U'╨',
    U'╤',
    U'╥',
    U'╙',
    U'╘',
    U'╒',
    U'╓',
    U'╫',
    U'╪',
    U'┘',
    U'┌',
    U'█',
    U'▄',
    U'▌',
    U'▐',
    U'▀',
    U'α',
    U'ß',
    U'Γ',
    U'π',
    U'Σ',
    U'σ',
    U'µ',
    U'τ',
    U'Φ',
    U'Θ',
    U'Ω',
    U'δ',
    U'∞',
    U'φ',
    U'ε',
    U'∩',
    // 0xFF is the no-break space: a plain blank on the screen.
    U'≡',
    U'±',
    U'≥',
    U'≤',
    U'⌠',
    U'⌡',
    U'÷',
    U'≈',
    U'°',
    U'∙',
    U'·',
    U'√',
    U'ⁿ',
    U'²',
    U'■',
    U' ',
};

constexpr std::array<char32_t, 256> makeUnicodeTable() {
  std::array<char32_t, 256> table{};
  for (std::size_t i = 0; i < 32; ++i) table[i] = kControlGlyphs[i];
  for (std::size_t i = 32; i < 127; ++i) table[i] = static_cast<char32_t>(i);
  table[0x7F] = U'⌂';
  for (std::size_t i = 0; i < 128; ++i) table[128 + i] = kHighGlyphs[i];
  return table;
}

// ASCII look-alikes, one character for each byte of 0x00..0x1F and of 0x80..0xFF. Accented
// letters lose their accents; lines and corners of the double-line frames become '=', '|'
// and '+'.
constexpr std::string_view kControlAscii = " @@*****#o#mfdd*><|!PS_|^v><L-^v";
constexpr std::string_view kHighAscii =
    "CueaaaaceeeiiiAA"
    "EaAooouuyOUcLYPf"
    "aiounNao?--//!<>"
    "###|++++++|+++++"
    "++++-++++++++=++"
    "+++++++++++#####"
    "aBGpEsutFOOd8fen"
    "=+><()/~o..vn2# ";
static_assert(kControlAscii.size() == 32 && kHighAscii.size() == 128);

// Bytes that the VT100 alternate character set can show better than ASCII: the single-line
// frames, arrows, shades and a few symbols. The letter is the character's code in that set.
struct LineDrawingGlyph {
  std::uint8_t byte;
  char letter;
};
constexpr LineDrawingGlyph kLineDrawing[] = {
    {0x04, '`'}, {0x07, '~'}, {0x10, '+'}, {0x11, ','}, {0x18, '-'}, {0x19, '.'}, {0x1A, '+'},
    {0x1B, ','}, {0x1E, '-'}, {0x1F, '.'}, {0xB0, 'h'}, {0xB1, 'a'}, {0xB2, 'a'}, {0xB3, 'x'},
    {0xB4, 'u'}, {0xBF, 'k'}, {0xC0, 'm'}, {0xC1, 'v'}, {0xC2, 'w'}, {0xC3, 't'}, {0xC4, 'q'},
    {0xC5, 'n'}, {0xD9, 'j'}, {0xDA, 'l'}, {0xDB, '0'}, {0xE3, '{'}, {0xF1, 'g'}, {0xF2, 'z'},
    {0xF3, 'y'}, {0xF8, 'f'}, {0xF9, '~'},
};

constexpr std::array<FallbackGlyph, 256> makeFallbackTable() {
  std::array<FallbackGlyph, 256> table{};
  for (std::size_t i = 0; i < 32; ++i) table[i] = {kControlAscii[i], false};
  for (std::size_t i = 32; i < 127; ++i) table[i] = {static_cast<char>(i), false};
  table[0x7F] = {'^', false};
  for (std::size_t i = 0; i < 128; ++i) table[128 + i] = {kHighAscii[i], false};
  for (const LineDrawingGlyph& glyph : kLineDrawing) table[glyph.byte] = {glyph.letter, true};
  return table;
}

constexpr char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

}  // namespace

constexpr std::array<char32_t, 256> kCp437Unicode = makeUnicodeTable();
constexpr std::array<FallbackGlyph, 256> kCp437Fallback = makeFallbackTable();

bool codesetIsUtf8(std::string_view codeset) {
  std::string_view expected = "utf8";
  std::size_t matched = 0;
  for (char c : codeset) {
    if (c == '-' || c == '_') continue;
    if (matched == expected.size() || lowerAscii(c) != expected[matched]) return false;
    ++matched;
  }
  return matched == expected.size();
}

GlyphSet glyphSetForCodeset(std::string_view codeset) {
  return codesetIsUtf8(codeset) ? GlyphSet::Unicode : GlyphSet::Fallback;
}

GlyphSet glyphSetForLocale() {
  const char* codeset = nl_langinfo(CODESET);
  return glyphSetForCodeset(codeset != nullptr ? codeset : "");
}

}  // namespace vorn
