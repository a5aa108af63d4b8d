// Translation of what the terminal delivers (curses key codes, characters and the raw escape
// sequences that a terminal description does not name) into the editor's key bytes: a plain
// key is one byte, an extended key is a 0 byte followed by its DOS scan code. A key the editor
// does not know becomes 0 followed by 0x03, a scan code that no command uses, so that it can
// never be taken for a letter, for an editor key, or for the end request 255.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vorn {

// One result of curses' get_wch: a key code (get_wch returned KEY_CODE_YES) or a character.
struct TerminalInput {
  bool isKeyCode;
  std::uint32_t code;
  bool operator==(const TerminalInput&) const = default;
};

constexpr TerminalInput inputCharacter(char32_t c) {
  return {false, static_cast<std::uint32_t>(c)};
}
constexpr TerminalInput inputKeyCode(int keyCode) {
  return {true, static_cast<std::uint32_t>(keyCode)};
}

// The key bytes of one key: one plain byte, or 0 and a scan code.
struct KeyBytes {
  std::uint8_t count = 0;
  std::array<std::uint8_t, 2> bytes{};
  bool operator==(const KeyBytes&) const = default;
};

constexpr KeyBytes plainKey(std::uint8_t byte) {
  return {1, {byte, 0}};
}
constexpr KeyBytes extendedKey(std::uint8_t scanCode) {
  return {2, {0, scanCode}};
}
inline constexpr std::uint8_t kIgnoredScanCode = 0x03;
inline constexpr KeyBytes kUnknownKey = extendedKey(kIgnoredScanCode);

struct KeyTranslation {
  KeyBytes key;
  // How many inputs from the front the key used: at least 1 unless there was no input.
  std::size_t consumed = 0;
  bool operator==(const KeyTranslation&) const = default;
};

// Translates the first key of inputs, which holds everything the terminal had delivered when
// the key was read (after an Escape the caller collects what follows it at once). An Escape
// with nothing after it is the Escape key; an Escape at once followed by a sequence of the
// escape-sequence table is that key; followed by any other control sequence it is an unknown
// key (the whole sequence is used, so its letters are never typed); followed by any other key
// it is Alt with that key, unknown too.
KeyTranslation translateKey(std::span<const TerminalInput> inputs);

}  // namespace vorn
