#include "editing/edit_popup.h"

#include "screen/main_screen.h"

namespace vorn {

// Placeholder until the edit popup lands.
void editSelectedField(EditorContext&, EditMode) {}
void openEditPopup(EditorContext&, EditMode) {}
void reopenEditPopup(EditorContext& ed) {
  drawMainFrames(ed);
  drawMainPanes(ed);
}

}  // namespace vorn
