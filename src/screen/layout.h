// Colours, frame characters and the rectangles that place every pane.
#pragma once

#include <array>
#include <cstdint>

namespace vorn {

// The 16-colour text palette numbers in use.
inline constexpr int kBlack = 0;
inline constexpr int kBlue = 1;
inline constexpr int kRed = 4;
inline constexpr int kLightGrey = 7;
inline constexpr int kLightRed = 12;
inline constexpr int kYellow = 14;
inline constexpr int kWhite = 15;

struct ColourPair {
  int foreground;
  int background;
};

// The cursor row of the focused pane: light red as a background shows as red.
inline constexpr ColourPair activeCursorColour{kYellow, kLightRed};
inline constexpr ColourPair activeTextColour{kWhite, kBlue};
inline constexpr ColourPair inactiveCursorColour{kWhite, kBlack};
inline constexpr ColourPair inactiveTextColour{kLightGrey, kBlue};

struct FrameCharSet {
  std::uint8_t topLeft, topRight, bottomLeft, bottomRight;
  std::uint8_t horizontal, vertical;
  std::uint8_t topTee, bottomTee;
  std::uint8_t moreAbove, moreBelow;
};

inline constexpr FrameCharSet singleFrame{0xDA, 0xBF, 0xC0, 0xD9, 0xC4,
                                          0xB3, 0xC2, 0xC1, 0x18, 0x19};
inline constexpr FrameCharSet doubleFrame{0xC9, 0xBB, 0xC8, 0xBC, 0xCD,
                                          0xBA, 0xCB, 0xCA, 0x18, 0x19};

inline const FrameCharSet& frameChars(bool isDouble) {
  return isDouble ? doubleFrame : singleFrame;
}

struct Rect {
  int left, top, right, bottom;
};
struct FrameRect {
  int x, y, width, height;
};

// Indexed by pane number 1..5 (entry 0 unused, entry 5 equals entry 4).
inline constexpr std::array<Rect, 6> paneArea{{
    {0, 0, 0, 0},
    {3, 4, 25, 6},
    {3, 9, 25, 23},
    {30, 4, 54, 23},
    {17, 12, 39, 17},
    {17, 12, 39, 17},
}};
inline constexpr std::array<int, 6> paneWidth{0, 23, 23, 25, 33, 33};
inline constexpr std::array<FrameRect, 6> paneFrame{{
    {0, 0, 0, 0},
    {1, 3, 27, 5},
    {1, 8, 27, 17},
    {28, 3, 53, 22},
    {15, 5, 52, 15},
    {15, 5, 52, 15},
}};
inline constexpr std::array<int, 6> paneDivider{0, -1, -1, 29, -1, -1};

inline constexpr int paneRows(int pane) {
  return paneArea[pane].bottom - paneArea[pane].top + 1;
}

// The value column of the field pane: columns 59..79.
inline constexpr int valueColumn = paneArea[3].left + paneDivider[3];
inline constexpr int valueWidth = 21;

}  // namespace vorn
