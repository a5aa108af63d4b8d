// The edit popup: names the field being edited and runs the editor that the opening key
// and the field's data type choose.
#pragma once

#include <string_view>

#include "shell/editor.h"

namespace vorn {

enum EditMode : int {
  EditByType = 0,
  EditBinary = 1,
  EditHex = 2,
  EditDecimalSigned = 3,
  EditDecimalUnsigned = 4,
};

// Enter/Space (EditByType) or F2..F5 in the item or field pane.
void editSelectedField(EditorContext& ed, EditMode mode);
void openEditPopup(EditorContext& ed, EditMode mode);
// Draws the open popup again over a freshly drawn main screen, without restarting its
// editor (used when the whole screen is redrawn while the popup is open).
void reopenEditPopup(EditorContext& ed);

}  // namespace vorn
