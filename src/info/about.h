// The game-version information screen and the about screen.
#pragma once

#include "shell/editor.h"

namespace vorn {

void showVersionInfo(EditorContext& ed);
void showAbout(EditorContext& ed);

}  // namespace vorn
