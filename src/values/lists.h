// The selection lists of the edit popup: built by data type, drawn in the popup pane,
// preselected on the current value and written back on Space or Enter.
#pragma once

#include <string>

#include "shell/editor.h"
#include "values/value_names.h"

namespace vorn {

// Fills listNames for the selected field and draws it (the popup pane's drawing routine);
// while binary editing, rewrites the binary editor's value lines instead.
void buildList(EditorContext& ed);
void drawList(EditorContext& ed);
// Moves the list cursor onto the field's current value after the list was first drawn.
void preselectList(EditorContext& ed);
void confirmList(EditorContext& ed);
void closePopup(EditorContext& ed);

// A list entry as drawn: cut so that it stays inside the popup pane's blanked width.
std::string listEntryText(const std::string& entry);

}  // namespace vorn
