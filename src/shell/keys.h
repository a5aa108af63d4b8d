// The key codes the editor reacts to. Extended keys arrive as a 0 byte followed by the
// scan code given here; the others arrive as one byte.
#pragma once

#include <cstdint>

namespace vorn::key {

inline constexpr std::uint8_t Up = 0x48;
inline constexpr std::uint8_t Down = 0x50;
inline constexpr std::uint8_t Left = 0x4B;
inline constexpr std::uint8_t Right = 0x4D;
inline constexpr std::uint8_t PageUp = 0x49;
inline constexpr std::uint8_t PageDown = 0x51;
inline constexpr std::uint8_t Home = 0x47;
inline constexpr std::uint8_t End = 0x4F;
inline constexpr std::uint8_t F1 = 0x3B;
inline constexpr std::uint8_t F2 = 0x3C;
inline constexpr std::uint8_t F3 = 0x3D;
inline constexpr std::uint8_t F4 = 0x3E;
inline constexpr std::uint8_t F5 = 0x3F;
inline constexpr std::uint8_t F6 = 0x40;
inline constexpr std::uint8_t F7 = 0x41;
inline constexpr std::uint8_t F8 = 0x42;
inline constexpr std::uint8_t F9 = 0x43;
inline constexpr std::uint8_t F10 = 0x44;
inline constexpr std::uint8_t F11 = 0x85;
inline constexpr std::uint8_t F12 = 0x86;

inline constexpr std::uint8_t Space = 0x20;
inline constexpr std::uint8_t Enter = 0x0D;
inline constexpr std::uint8_t Escape = 0x1B;
inline constexpr std::uint8_t Backspace = 0x08;

// The scan code of keys the editor does not know (Alt combinations among them).
inline constexpr std::uint8_t Ignored = 0x03;

// The prefix of an extended key, and of a plain key.
inline constexpr std::uint8_t ExtendedPrefix = 0;
inline constexpr std::uint8_t PlainPrefix = 255;

// The value of lastKey that ends the main loop.
inline constexpr std::uint8_t Quit = 255;

}  // namespace vorn::key

namespace vorn {

struct KeyPress {
  std::uint8_t code;
  std::uint8_t prefix;

  bool extended() const { return prefix == key::ExtendedPrefix; }
  bool isPlain(std::uint8_t c) const { return !extended() && code == c; }
  bool isExtended(std::uint8_t c) const { return extended() && code == c; }
};

class Console;
// Reads one key; of a burst of bytes only the last counts, with the byte before it as
// its prefix.
KeyPress readKeyPress(Console& console);

}  // namespace vorn
