#include "platform/cp437.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <string_view>

namespace vorn {
namespace {

TEST(Cp437Unicode, GlyphsOfFramesArrowsAndControlCodes) {
  struct Case {
    std::uint8_t byte;
    char32_t glyph;
  };
  constexpr Case kCases[] = {
      {0xC9, U'╔'}, {0xCD, U'═'}, {0xBA, U'║'}, {0xDA, U'┌'}, {0xC4, U'─'}, {0xB3, U'│'},
      {0xCB, U'╦'}, {0xC1, U'┴'}, {0x18, U'↑'}, {0x19, U'↓'}, {0x1A, U'→'}, {0x1B, U'←'},
      {0x01, U'☺'}, {0x7F, U'⌂'}, {0x41, U'A'}, {0x20, U' '}, {0x00, U' '}, {0xFF, U' '},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(kCp437Unicode[c.byte], c.glyph) << "byte " << int{c.byte};
  }
}

// The C library's own code page 437 converter is an independent source for the upper half.
TEST(Cp437Unicode, UpperHalfAgreesWithTheSystemConverter) {
  iconv_t converter = iconv_open("UTF-32LE", "CP437");
  if (converter == reinterpret_cast<iconv_t>(-1)) GTEST_SKIP() << "no CP437 converter";
  for (int byte = 0x80; byte <= 0xFE; ++byte) {
    char in = static_cast<char>(byte);
    char out[4] = {};
    char* inPointer = &in;
    char* outPointer = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    ASSERT_NE(iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft),
              static_cast<std::size_t>(-1));
    std::uint32_t expected = 0;
    for (int i = 3; i >= 0; --i) expected = expected << 8 | static_cast<unsigned char>(out[i]);
    EXPECT_EQ(static_cast<std::uint32_t>(kCp437Unicode[byte]), expected) << "byte " << byte;
  }
  iconv_close(converter);
}

TEST(Cp437Fallback, EveryVisibleByteHasAVisibleLookAlike) {
  // Letters of the VT100 alternate character set that curses names (ACS_ macros).
  constexpr std::string_view kLineDrawingLetters = "`afgjklmnopqrstuvwxyz{|}~,+-.h0";
  for (int byte = 0; byte < 256; ++byte) {
    const FallbackGlyph glyph = kCp437Fallback[byte];
    const bool blank = byte == 0x00 || byte == 0x20 || byte == 0xFF;
    if (blank) {
      EXPECT_EQ(glyph.ch, ' ') << "byte " << byte;
      EXPECT_FALSE(glyph.lineDrawing) << "byte " << byte;
    } else if (glyph.lineDrawing) {
      EXPECT_NE(kLineDrawingLetters.find(glyph.ch), std::string_view::npos) << "byte " << byte;
    } else {
      EXPECT_GT(glyph.ch, ' ') << "byte " << byte;
      EXPECT_LT(glyph.ch, '\x7f') << "byte " << byte;
    }
  }
}

TEST(Cp437Fallback, FramesArrowsAndLetters) {
  struct Case {
    std::uint8_t byte;
    FallbackGlyph glyph;
  };
  constexpr Case kCases[] = {
      {0xDA, {'l', true}},  {0xBF, {'k', true}},  {0xC0, {'m', true}},  {0xD9, {'j', true}},
      {0xC4, {'q', true}},  {0xB3, {'x', true}},  {0xC2, {'w', true}},  {0xC1, {'v', true}},
      {0xC9, {'+', false}}, {0xCD, {'=', false}}, {0xBA, {'|', false}}, {0xCB, {'+', false}},
      {0x18, {'-', true}},  {0x19, {'.', true}},  {0x82, {'e', false}}, {0x41, {'A', false}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(kCp437Fallback[c.byte].ch, c.glyph.ch) << "byte " << int{c.byte};
    EXPECT_EQ(kCp437Fallback[c.byte].lineDrawing, c.glyph.lineDrawing) << "byte " << int{c.byte};
  }
}

TEST(GlyphSetForCodeset, OnlyUtf8GetsUnicode) {
  EXPECT_EQ(glyphSetForCodeset("UTF-8"), GlyphSet::Unicode);
  EXPECT_EQ(glyphSetForCodeset("utf8"), GlyphSet::Unicode);
  EXPECT_EQ(glyphSetForCodeset("UTF8"), GlyphSet::Unicode);
  EXPECT_EQ(glyphSetForCodeset("ANSI_X3.4-1968"), GlyphSet::Fallback);
  EXPECT_EQ(glyphSetForCodeset("ISO-8859-1"), GlyphSet::Fallback);
  EXPECT_EQ(glyphSetForCodeset("UTF-16"), GlyphSet::Fallback);
  EXPECT_EQ(glyphSetForCodeset("UTF"), GlyphSet::Fallback);
  EXPECT_EQ(glyphSetForCodeset(""), GlyphSet::Fallback);
}

}  // namespace
}  // namespace vorn
