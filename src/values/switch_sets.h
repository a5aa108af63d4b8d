// The switch-set editors: a field that holds a set of items of another section (one bit
// per item) is edited as a list of those items, each toggled on its own.
#pragma once

#include "model/game.h"
#include "shell/editor.h"
#include "values/value_text.h"

namespace vorn {

// Fills listNames with the items of section target, members of the selected field's set
// shown as "+ " and their upper-case name, and sets the popup pane's lastIndex.
void buildSwitchSetList(EditorContext& ed, int target);
// Space flips the chosen member (in binary editing the chosen bit) and writes the field at
// once; Enter closes the popup.
void toggleSwitch(EditorContext& ed);
// Stores the set into the field's bytes (a flag field without a width of its own has one).
void writeSwitchSet(Game& game, const SwitchSet& set, int section, int item, int field);

}  // namespace vorn
