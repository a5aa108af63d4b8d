// Information popups: drawn over the dimmed main screen, closed by one key, after which
// the whole main screen is drawn again.
#pragma once

#include "shell/editor.h"

namespace vorn {

struct PopupRect {
  int x, y, width, height;
};

inline constexpr PopupRect editPopupRect{15, 5, 52, 15};
inline constexpr PopupRect keyHelpRect{13, 3, 56, 22};
inline constexpr PopupRect aboutRect{14, 4, 54, 19};
inline constexpr PopupRect versionInfoRect{15, 7, 52, 11};
inline constexpr PopupRect exportRect{10, 10, 62, 7};
inline constexpr PopupRect profileLoadRect{10, 10, 62, 7};
// The help of a field with n lines (1..8) is centred around row 12.
inline constexpr PopupRect fieldHelpRect(int lines) {
  return {13, 11 - lines / 2, 56, lines + 4};
}

void openInfoPopup(EditorContext& ed, const PopupRect& rect);
void closeInfoPopup(EditorContext& ed);

// Waits for a key and swallows every key byte already waiting with it, so that an
// extended key or a burst is consumed whole. A non-empty prompt is written on a line of
// its own first.
void waitForKey(EditorContext& ed, std::string_view prompt = {});

}  // namespace vorn
