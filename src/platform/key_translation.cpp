#include "platform/key_translation.h"

#include <curses.h>

#include <string_view>

namespace vorn {

namespace {

constexpr std::uint8_t kEscape = 0x1B;
constexpr std::uint8_t kEnter = 0x0D;
constexpr std::uint8_t kBackspace = 0x08;

// DOS scan codes of the extended keys the editor reacts to.
constexpr std::uint8_t kScanUp = 0x48;
constexpr std::uint8_t kScanDown = 0x50;
constexpr std::uint8_t kScanLeft = 0x4B;
constexpr std::uint8_t kScanRight = 0x4D;
constexpr std::uint8_t kScanPageUp = 0x49;
constexpr std::uint8_t kScanPageDown = 0x51;
constexpr std::uint8_t kScanHome = 0x47;
constexpr std::uint8_t kScanEnd = 0x4F;
constexpr std::uint8_t kScanF1 = 0x3B;
constexpr std::uint8_t kScanF11 = 0x85;
constexpr std::uint8_t kScanF12 = 0x86;

struct KeyCodeKey {
  int keyCode;
  KeyBytes key;
};

// The curses key codes the editor knows. Find and Select are the Home and End keys of the
// linux console, rxvt and PuTTY descriptions; A1, A3, C1 and C3 are the corner keys of the
// numeric keypad, which stand on Home, Page Up, End and Page Down.
constexpr KeyCodeKey kKeyCodes[] = {
    {KEY_UP, extendedKey(kScanUp)},        {KEY_DOWN, extendedKey(kScanDown)},
    {KEY_LEFT, extendedKey(kScanLeft)},    {KEY_RIGHT, extendedKey(kScanRight)},
    {KEY_PPAGE, extendedKey(kScanPageUp)}, {KEY_NPAGE, extendedKey(kScanPageDown)},
    {KEY_HOME, extendedKey(kScanHome)},    {KEY_END, extendedKey(kScanEnd)},
    {KEY_FIND, extendedKey(kScanHome)},    {KEY_SELECT, extendedKey(kScanEnd)},
    {KEY_A1, extendedKey(kScanHome)},      {KEY_A3, extendedKey(kScanPageUp)},
    {KEY_C1, extendedKey(kScanEnd)},       {KEY_C3, extendedKey(kScanPageDown)},
    {KEY_F(1), extendedKey(kScanF1)},      {KEY_F(2), extendedKey(kScanF1 + 1)},
    {KEY_F(3), extendedKey(kScanF1 + 2)},  {KEY_F(4), extendedKey(kScanF1 + 3)},
    {KEY_F(5), extendedKey(kScanF1 + 4)},  {KEY_F(6), extendedKey(kScanF1 + 5)},
    {KEY_F(7), extendedKey(kScanF1 + 6)},  {KEY_F(8), extendedKey(kScanF1 + 7)},
    {KEY_F(9), extendedKey(kScanF1 + 8)},  {KEY_F(10), extendedKey(kScanF1 + 9)},
    {KEY_F(11), extendedKey(kScanF11)},    {KEY_F(12), extendedKey(kScanF12)},
    {KEY_BACKSPACE, plainKey(kBackspace)}, {KEY_ENTER, plainKey(kEnter)},
};

struct EscapeSequenceKey {
  std::string_view sequence;
  KeyBytes key;
};

// Raw sequences of common terminals, for the case that the terminal description in use does
// not name them (a program started under TERM=xterm-256color inside rxvt or on the linux
// console, or with the cursor keys in the other keypad mode). Sequences that the description
// names arrive as curses key codes instead.
constexpr EscapeSequenceKey kEscapeSequences[] = {
    // Cursor keys in normal and in application mode.
    {"\x1b[A", extendedKey(kScanUp)},
    {"\x1b[B", extendedKey(kScanDown)},
    {"\x1b[C", extendedKey(kScanRight)},
    {"\x1b[D", extendedKey(kScanLeft)},
    {"\x1bOA", extendedKey(kScanUp)},
    {"\x1bOB", extendedKey(kScanDown)},
    {"\x1bOC", extendedKey(kScanRight)},
    {"\x1bOD", extendedKey(kScanLeft)},
    // Home and End: xterm (both modes), vt220 style (linux, screen, tmux, PuTTY), rxvt.
    {"\x1b[H", extendedKey(kScanHome)},
    {"\x1b[F", extendedKey(kScanEnd)},
    {"\x1bOH", extendedKey(kScanHome)},
    {"\x1bOF", extendedKey(kScanEnd)},
    {"\x1b[1~", extendedKey(kScanHome)},
    {"\x1b[4~", extendedKey(kScanEnd)},
    {"\x1b[7~", extendedKey(kScanHome)},
    {"\x1b[8~", extendedKey(kScanEnd)},
    {"\x1b[5~", extendedKey(kScanPageUp)},
    {"\x1b[6~", extendedKey(kScanPageDown)},
    // F1..F5 of the linux console.
    {"\x1b[[A", extendedKey(kScanF1)},
    {"\x1b[[B", extendedKey(kScanF1 + 1)},
    {"\x1b[[C", extendedKey(kScanF1 + 2)},
    {"\x1b[[D", extendedKey(kScanF1 + 3)},
    {"\x1b[[E", extendedKey(kScanF1 + 4)},
    // F1..F4 of xterm, F1..F5 of rxvt and old xterm.
    {"\x1bOP", extendedKey(kScanF1)},
    {"\x1bOQ", extendedKey(kScanF1 + 1)},
    {"\x1bOR", extendedKey(kScanF1 + 2)},
    {"\x1bOS", extendedKey(kScanF1 + 3)},
    {"\x1b[11~", extendedKey(kScanF1)},
    {"\x1b[12~", extendedKey(kScanF1 + 1)},
    {"\x1b[13~", extendedKey(kScanF1 + 2)},
    {"\x1b[14~", extendedKey(kScanF1 + 3)},
    {"\x1b[15~", extendedKey(kScanF1 + 4)},
    // F6..F12, the same on all of them.
    {"\x1b[17~", extendedKey(kScanF1 + 5)},
    {"\x1b[18~", extendedKey(kScanF1 + 6)},
    {"\x1b[19~", extendedKey(kScanF1 + 7)},
    {"\x1b[20~", extendedKey(kScanF1 + 8)},
    {"\x1b[21~", extendedKey(kScanF1 + 9)},
    {"\x1b[23~", extendedKey(kScanF11)},
    {"\x1b[24~", extendedKey(kScanF12)},
    // Enter of the numeric keypad in application mode.
    {"\x1bOM", plainKey(kEnter)},
};

bool isCharacter(const TerminalInput& input, std::uint32_t c) {
  return !input.isKeyCode && input.code == c;
}

bool isCharacterIn(const TerminalInput& input, std::uint32_t first, std::uint32_t last) {
  return !input.isKeyCode && input.code >= first && input.code <= last;
}

KeyBytes keyCodeKey(std::uint32_t keyCode) {
  for (const KeyCodeKey& entry : kKeyCodes) {
    if (static_cast<std::uint32_t>(entry.keyCode) == keyCode) return entry.key;
  }
  return kUnknownKey;
}

// A character other than Escape. Backspace arrives as DEL or ^H, Enter as CR or (with nl
// translation on) LF. Only printable ASCII reaches the editor as itself: the entry editors
// take digits, letters and the minus sign, and every other control code or non-ASCII
// character would otherwise be read as a key the editor knows.
KeyBytes characterKey(std::uint32_t c) {
  if (c == 0x7F || c == 0x08) return plainKey(kBackspace);
  if (c == 0x0D || c == 0x0A) return plainKey(kEnter);
  if (c >= 0x20 && c < 0x7F) return plainKey(static_cast<std::uint8_t>(c));
  return kUnknownKey;
}

// Length of the longest table sequence at the front of inputs, 0 when none matches.
std::size_t matchEscapeSequence(std::span<const TerminalInput> inputs, KeyBytes& key) {
  std::size_t best = 0;
  for (const EscapeSequenceKey& entry : kEscapeSequences) {
    const std::size_t length = entry.sequence.size();
    if (length <= best || length > inputs.size()) continue;
    bool matches = true;
    for (std::size_t i = 0; i < length && matches; ++i) {
      matches = isCharacter(inputs[i], static_cast<unsigned char>(entry.sequence[i]));
    }
    if (matches) {
      best = length;
      key = entry.key;
    }
  }
  return best;
}

// Length of a control sequence at the front of inputs that no table names: ESC [ with
// parameter and intermediate bytes and a final byte (and the linux console's ESC [ [ x), or
// ESC O with parameters and one final byte. A sequence cut short counts up to where it stops.
// 0 when inputs do not start with ESC [ or ESC O.
std::size_t controlSequenceLength(std::span<const TerminalInput> inputs) {
  if (inputs.size() < 2) return 0;
  const bool csi = isCharacter(inputs[1], '[');
  if (!csi && !isCharacter(inputs[1], 'O')) return 0;
  std::size_t i = 2;
  if (csi && i + 1 < inputs.size() && isCharacter(inputs[i], '[') &&
      isCharacterIn(inputs[i + 1], 0x40, 0x7E)) {
    return i + 2;
  }
  while (i < inputs.size() && isCharacterIn(inputs[i], 0x30, 0x3F)) ++i;
  while (csi && i < inputs.size() && isCharacterIn(inputs[i], 0x20, 0x2F)) ++i;
  if (i < inputs.size() && isCharacterIn(inputs[i], 0x40, 0x7E)) ++i;
  return i;
}

}  // namespace

KeyTranslation translateKey(std::span<const TerminalInput> inputs) {
  if (inputs.empty()) return {};
  const TerminalInput& first = inputs.front();
  if (first.isKeyCode) return {keyCodeKey(first.code), 1};
  if (first.code != kEscape) return {characterKey(first.code), 1};
  if (inputs.size() == 1) return {plainKey(kEscape), 1};

  KeyBytes key;
  if (const std::size_t length = matchEscapeSequence(inputs, key); length > 0) {
    return {key, length};
  }
  if (const std::size_t length = controlSequenceLength(inputs); length > 0) {
    return {kUnknownKey, length};
  }
  // Alt with a key: the terminal sends Escape and then the key itself, which may be an
  // escape sequence of its own (Alt+Up as ESC ESC [ A).
  return {kUnknownKey, 1 + translateKey(inputs.subspan(1)).consumed};
}

}  // namespace vorn
