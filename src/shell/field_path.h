// Field paths of the command line: "Section/Item/Field", naming one field of one item the
// way a modder reads it on screen, or by index ("#N") where a name is missing or repeated.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/game.h"

namespace vorn {

struct FieldPath {
  int section;
  int item;
  int field;
};

// a and b equal once leading and trailing characters of code 0 to 32 are removed and the
// letters a..z are folded to upper case (names in the tables are padded with blanks).
bool sameTrimmedName(std::string_view a, std::string_view b);

// The section whose label is name (trimmed, a..z without regard to case), sections -1..7.
std::optional<int> findSection(std::string_view name);

// Item of the section among items 0..count-1: "#N" is index N; otherwise the first item
// whose name equals name as findItemByName compares it, and failing that the first whose
// trimmed name does (so "Vorn" finds the terrain stored as "Vorn" and seven blanks).
// count < 0 means the section's whole item count. -1 when nothing matches.
int findItem(const Game& game, int section, std::string_view name, int count = -1);

// "#N", or the label trimmed, a..z without regard to case, the trailing "*" optional.
// -1 when nothing matches.
int findField(int section, std::string_view name);

// The label as paths and reports show it: trimmed, with the blanks before a trailing "*"
// removed ("Is factory*").
std::string fieldPathLabel(int section, int field);
// The item's trimmed name when it leads back to this item, else "#N".
std::string itemPathName(const Game& game, int section, int item);
// "Units/Trike/Cost".
std::string fieldPathText(const Game& game, const FieldPath& path);

struct PathResolution {
  std::optional<FieldPath> path;
  std::string error;  // why text names no field, when path is empty
};

// The section is the text before the first "/". Labels and names may hold "/" themselves
// ("Inf spawn chance / cell"), so every later "/" is tried as the border between item and
// field, from the left, and the first that names both wins.
PathResolution resolveFieldPath(const Game& game, std::string_view text);

}  // namespace vorn
