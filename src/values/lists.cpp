#include "values/lists.h"

#include "screen/main_screen.h"
#include "screen/primitives.h"

namespace vorn {

// Placeholder until the selection lists land: no list.
void buildList(EditorContext& ed) {
  ed.view().pane(kPopupPane).lastIndex = -1;
  ed.view().pane(kPopupPane).lastRow = -1;
}
void drawList(EditorContext&) {}
void preselectList(EditorContext&) {}
void confirmList(EditorContext&) {}
void closePopup(EditorContext& ed) {
  ed.view().pane(kPopupPane).cursorRow = 0;
  ed.view().pane(kPopupPane).topIndex = 0;
  ed.view().focus = ed.view().previousFocus;
  ed.view().bitEditMode = false;
  redrawScreen(ed);
}

std::string listEntryText(const std::string& entry) { return entry.substr(0, 32); }

}  // namespace vorn
