#include "platform/key_translation.h"

#include <curses.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vorn {
namespace {

std::vector<TerminalInput> characters(std::string_view text) {
  std::vector<TerminalInput> inputs;
  for (char c : text) inputs.push_back(inputCharacter(static_cast<unsigned char>(c)));
  return inputs;
}

std::vector<TerminalInput> keyCode(int code) {
  return {inputKeyCode(code)};
}

std::vector<TerminalInput> operator+(std::vector<TerminalInput> a,
                                     const std::vector<TerminalInput>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct KeyCase {
  std::string name;
  std::vector<TerminalInput> inputs;
  KeyBytes key;
  std::size_t consumed;
};

void expectTranslations(const std::vector<KeyCase>& cases) {
  for (const KeyCase& c : cases) {
    const KeyTranslation translation = translateKey(c.inputs);
    EXPECT_EQ(translation.key, c.key) << c.name;
    EXPECT_EQ(translation.consumed, c.consumed) << c.name;
  }
}

TEST(TranslateKey, CursesKeyCodes) {
  expectTranslations({
      {"Up", keyCode(KEY_UP), extendedKey(0x48), 1},
      {"Down", keyCode(KEY_DOWN), extendedKey(0x50), 1},
      {"Left", keyCode(KEY_LEFT), extendedKey(0x4B), 1},
      {"Right", keyCode(KEY_RIGHT), extendedKey(0x4D), 1},
      {"Page Up", keyCode(KEY_PPAGE), extendedKey(0x49), 1},
      {"Page Down", keyCode(KEY_NPAGE), extendedKey(0x51), 1},
      {"Home", keyCode(KEY_HOME), extendedKey(0x47), 1},
      {"End", keyCode(KEY_END), extendedKey(0x4F), 1},
      {"Find is Home", keyCode(KEY_FIND), extendedKey(0x47), 1},
      {"Select is End", keyCode(KEY_SELECT), extendedKey(0x4F), 1},
      {"keypad top-left is Home", keyCode(KEY_A1), extendedKey(0x47), 1},
      {"keypad bottom-right is Page Down", keyCode(KEY_C3), extendedKey(0x51), 1},
      {"F1", keyCode(KEY_F(1)), extendedKey(0x3B), 1},
      {"F5", keyCode(KEY_F(5)), extendedKey(0x3F), 1},
      {"F10", keyCode(KEY_F(10)), extendedKey(0x44), 1},
      {"F11", keyCode(KEY_F(11)), extendedKey(0x85), 1},
      {"F12", keyCode(KEY_F(12)), extendedKey(0x86), 1},
      {"Backspace key", keyCode(KEY_BACKSPACE), plainKey(8), 1},
      {"keypad Enter", keyCode(KEY_ENTER), plainKey(13), 1},
      {"Delete is unknown", keyCode(KEY_DC), kUnknownKey, 1},
      {"Shift+F1 (F13) is unknown", keyCode(KEY_F(13)), kUnknownKey, 1},
      {"mouse is unknown", keyCode(KEY_MOUSE), kUnknownKey, 1},
  });
}

TEST(TranslateKey, Characters) {
  expectTranslations({
      {"letter", characters("a"), plainKey('a'), 1},
      {"capital letter", characters("D"), plainKey('D'), 1},
      {"digit", characters("7"), plainKey('7'), 1},
      {"minus", characters("-"), plainKey('-'), 1},
      {"space", characters(" "), plainKey(' '), 1},
      {"tilde", characters("~"), plainKey('~'), 1},
      {"DEL is Backspace", characters("\x7f"), plainKey(8), 1},
      {"^H is Backspace", characters("\x08"), plainKey(8), 1},
      {"CR is Enter", characters("\r"), plainKey(13), 1},
      {"LF is Enter", characters("\n"), plainKey(13), 1},
      {"only the first of several", characters("ab"), plainKey('a'), 1},
      // A raw 0 would pose as the prefix of an extended key.
      {"Ctrl+Space (NUL) is unknown", characters(std::string(1, '\0')), kUnknownKey, 1},
      {"Tab is unknown", characters("\t"), kUnknownKey, 1},
      {"Ctrl+A is unknown", characters("\x01"), kUnknownKey, 1},
      {"non-ASCII character is unknown", {inputCharacter(U'é')}, kUnknownKey, 1},
      // A key code and a character may have the same number: KEY_UP is 259, so is U+0103.
      {"character 259 is not Up", {inputCharacter(KEY_UP)}, kUnknownKey, 1},
      {"nothing", {}, KeyBytes{}, 0},
  });
}

TEST(TranslateKey, EscapeAndAltKeys) {
  expectTranslations({
      {"Escape alone", characters("\x1b"), plainKey(27), 1},
      {"Alt+x", characters("\x1bx"), kUnknownKey, 2},
      {"Alt+x, then y", characters("\x1bxy"), kUnknownKey, 2},
      {"Alt+D is no D",
       characters("\x1b"
                  "D"),
       kUnknownKey, 2},
      {"Alt+Escape", characters("\x1b\x1b"), kUnknownKey, 2},
      {"Alt+[", characters("\x1b["), kUnknownKey, 2},
      {"Alt+O", characters("\x1bO"), kUnknownKey, 2},
      {"Alt+Up as a key code", characters("\x1b") + keyCode(KEY_UP), kUnknownKey, 2},
      {"Alt+Up as ESC ESC [ A", characters("\x1b\x1b[A"), kUnknownKey, 4},
      {"Alt+F1 as ESC ESC O P", characters("\x1b\x1bOP"), kUnknownKey, 4},
  });
}

// Raw sequences that arrive as characters when the terminal description does not name them.
TEST(TranslateKey, RawEscapeSequences) {
  expectTranslations({
      {"rxvt Home", characters("\x1b[7~"), extendedKey(0x47), 4},
      {"rxvt End", characters("\x1b[8~"), extendedKey(0x4F), 4},
      {"xterm Home", characters("\x1bOH"), extendedKey(0x47), 3},
      {"xterm End", characters("\x1bOF"), extendedKey(0x4F), 3},
      {"xterm normal-mode Home", characters("\x1b[H"), extendedKey(0x47), 3},
      {"xterm normal-mode End", characters("\x1b[F"), extendedKey(0x4F), 3},
      {"vt220 Home", characters("\x1b[1~"), extendedKey(0x47), 4},
      {"vt220 End", characters("\x1b[4~"), extendedKey(0x4F), 4},
      {"Page Up", characters("\x1b[5~"), extendedKey(0x49), 4},
      {"Page Down", characters("\x1b[6~"), extendedKey(0x51), 4},
      {"linux F1", characters("\x1b[[A"), extendedKey(0x3B), 4},
      {"linux F2", characters("\x1b[[B"), extendedKey(0x3C), 4},
      {"linux F3", characters("\x1b[[C"), extendedKey(0x3D), 4},
      {"linux F4", characters("\x1b[[D"), extendedKey(0x3E), 4},
      {"linux F5", characters("\x1b[[E"), extendedKey(0x3F), 4},
      {"xterm F1", characters("\x1bOP"), extendedKey(0x3B), 3},
      {"xterm F4", characters("\x1bOS"), extendedKey(0x3E), 3},
      {"rxvt F1", characters("\x1b[11~"), extendedKey(0x3B), 5},
      {"rxvt F5", characters("\x1b[15~"), extendedKey(0x3F), 5},
      {"F6", characters("\x1b[17~"), extendedKey(0x40), 5},
      {"F10", characters("\x1b[21~"), extendedKey(0x44), 5},
      {"F11", characters("\x1b[23~"), extendedKey(0x85), 5},
      {"F12", characters("\x1b[24~"), extendedKey(0x86), 5},
      {"normal-mode Up", characters("\x1b[A"), extendedKey(0x48), 3},
      {"normal-mode Left", characters("\x1b[D"), extendedKey(0x4B), 3},
      {"application-mode Down", characters("\x1bOB"), extendedKey(0x50), 3},
      {"application-mode Right", characters("\x1bOC"), extendedKey(0x4D), 3},
      {"keypad Enter", characters("\x1bOM"), plainKey(13), 3},
      {"a key typed after the sequence stays", characters("\x1b[7~x"), extendedKey(0x47), 4},
  });
}

// Sequences of keys the editor does not know are used whole, so that their final letters
// never reach the editor as typed keys.
TEST(TranslateKey, UnknownControlSequences) {
  expectTranslations({
      {"Delete", characters("\x1b[3~"), kUnknownKey, 4},
      {"Insert, then a", characters("\x1b[2~a"), kUnknownKey, 4},
      {"Ctrl+Up", characters("\x1b[1;5A"), kUnknownKey, 6},
      {"Shift+Tab", characters("\x1b[Z"), kUnknownKey, 3},
      {"Shift+F1", characters("\x1b[1;2P"), kUnknownKey, 6},
      {"xterm modified F1", characters("\x1bO5P"), kUnknownKey, 4},
      {"linux keypad centre", characters("\x1b[G"), kUnknownKey, 3},
      {"sequence cut short", characters("\x1b[1;"), kUnknownKey, 4},
      {"sequence cut short by a key code", characters("\x1b[1") + keyCode(KEY_UP), kUnknownKey, 3},
  });
}

}  // namespace
}  // namespace vorn
