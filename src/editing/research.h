// Research mode: raw hexadecimal values, and the item pane comparing the selected field
// across every item of the section.
#pragma once

#include "shell/editor.h"

namespace vorn {

inline constexpr int researchNameWidth = 12;

void toggleResearchMode(EditorContext& ed);
void appendResearchValue(EditorContext& ed, int item);
void refreshResearchItem(EditorContext& ed);

}  // namespace vorn
