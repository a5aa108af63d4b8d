// Display names of items. Most sections name their items by a string in the game file; the
// terrain types and music tracks have no such string and take their names from the editor's
// own lists.
#include <string>
#include <string_view>

#include "model/catalogue.h"
#include "values/value_text.h"

namespace vorn {

namespace {

std::string fixedItemName(const Game& game, int section, int index) {
  const NameList* names = sectionDef(section).fixedNames;
  std::string_view text;
  if (names != nullptr && index < static_cast<int>(names->names.size())) {
    // The demo has a music table of its own.
    const NameList* release = game.version().table(section).namesOverride;
    text = (release != nullptr ? release : names)->names[index];
  }
  // An item without a name is still told apart from its neighbours by its number.
  return text.empty() ? std::to_string(index) : std::string(text);
}

}  // namespace

std::string itemName(const Game& game, int section, int index) {
  // Item references store -1 for "no item".
  if (index == -1) return "None";
  if (index < -1 || index >= game.itemCount(section)) return "<Invalid>";
  const int nameField = sectionDef(section).nameField;
  if (nameField >= 0) return fieldReferenceText(game, section, index, nameField);
  return fixedItemName(game, section, index);
}

}  // namespace vorn
