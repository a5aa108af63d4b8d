// One step of the main loop: read a key and run what it means in the pane that has the
// focus.
#pragma once

#include "shell/editor.h"
#include "shell/keys.h"

namespace vorn {

void handleKey(EditorContext& ed);
void dispatchKey(EditorContext& ed, KeyPress press);

}  // namespace vorn
