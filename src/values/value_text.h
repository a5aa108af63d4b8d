// The display text of every field value, and of item names.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/game.h"

namespace vorn {

// compact: for the screen (cut to 19 characters); full: for the rules dump.
// researchMode shows bit flags as 0 and 1 instead of No and Yes.
std::string valueText(const Game& game, int section, int item, int field, bool compact,
                      bool researchMode = false);

// The display name of an item; -1 is "None", other indexes outside the section "<Invalid>".
std::string itemName(const Game& game, int section, int index);

using SwitchSet = std::array<bool, 32>;
SwitchSet readSwitchSet(const Game& game, int section, int item, int field);
int readBit(const Game& game, int section, int item, int field, int bit);

std::string abbreviateName(std::string_view text);
std::string nthField(std::string_view text, int n, char separator);
std::string capitalizeFirst(std::string_view text);
bool isAllDigits(std::string_view text);

// Letters a..z raised to A..Z (or A..Z lowered), nothing else changed.
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);
// Removes leading and trailing characters of code 0 to 32.
std::string trimText(std::string_view text);
std::string trimRight(std::string_view text);
std::string trimLeft(std::string_view text);

// Texts hold at most 255 characters; a concatenation stops there.
inline constexpr std::size_t kMaxTextLength = 255;
// Appends as much of part as keeps text within kMaxTextLength characters.
void appendText(std::string& text, std::string_view part);

}  // namespace vorn
