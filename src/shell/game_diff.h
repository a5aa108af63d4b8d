// Comparing two game files field by field in the words of the rules dump, so that a modder
// sees what an edit (or another release) changed.
#pragma once

#include <string>
#include <vector>

#include "model/game.h"

namespace vorn {

// One line per field whose full value text differs:
//   "Section / Item / Field: text A -> text B"
// sections in catalogue order (Movement first), items and fields in index order. Items are
// paired by index when both files are the same release, by name otherwise (the k-th item
// of a name in A with the k-th of that name in B); an unpaired item gives
//   "Section / Item: only in NAME"
// with nameA or nameB, A's items first.
std::vector<std::string> diffGames(const Game& a, const Game& b, const std::string& nameA,
                                   const std::string& nameB);

}  // namespace vorn
