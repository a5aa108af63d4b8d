#include "values/switch_sets.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "shell/keys.h"
#include "values/lists.h"

namespace vorn {

namespace {

int setWidth(int section, int field) {
  return std::max(1, fieldWidth(section, field));
}

}  // namespace

void buildSwitchSetList(EditorContext& ed, int target) {
  const SwitchSet members =
      readSwitchSet(ed.game, ed.selectedSection(), ed.selectedItem(), ed.selectedField());
  const int count = std::min(ed.game.itemCount(target), static_cast<int>(members.size()));
  for (int k = 0; k < count; ++k) {
    const std::string name = itemName(ed.game, target, k);
    ed.view().listNames[k] = members[k] ? "+ " + upperCase(name) : "  " + name;
  }
  ed.view().pane(kPopupPane).lastIndex = count - 1;
}

void toggleSwitch(EditorContext& ed) {
  if (ed.state.lastKey == key::Enter) {
    closePopup(ed);  // every toggle was written when it was made
    return;
  }
  const int section = ed.selectedSection();
  const int item = ed.selectedItem();
  const int field = ed.selectedField();
  const int member = ed.view().pane(kPopupPane).selected();
  // Only members that the list shows can be chosen; the others keep their bits.
  if (member < 0 || member >= 8 * setWidth(section, field)) return;
  SwitchSet members = readSwitchSet(ed.game, section, item, field);
  members[member] = !members[member];
  writeSwitchSet(ed.game, members, section, item, field);
  buildList(ed);
}

// The whole field goes out in one positioned write, so the file never holds half a set.
void writeSwitchSet(Game& game, const SwitchSet& set, int section, int item, int field) {
  const int width = std::min(setWidth(section, field), 4);
  std::uint32_t value = 0;
  for (int member = 0; member < 8 * width; ++member) {
    if (set[member]) value |= std::uint32_t{1} << member;
  }
  game.file.writeLittleEndian(fieldAddress(game, section, item, field), value, width);
}

}  // namespace vorn
