// The read-only listing of an animation script in the edit popup.
#pragma once

#include "shell/editor.h"

namespace vorn {

// Fills listNames with one line per script step of the AnimScript field, then one line per
// word of free script space behind it, and sets the popup pane's lastIndex.
void buildScriptList(EditorContext& ed, int section, int item, int field);

}  // namespace vorn
