#include "screen/popup.h"

#include "screen/main_screen.h"
#include "screen/primitives.h"

namespace vorn {

void openInfoPopup(EditorContext& ed, const PopupRect& rect) {
  dimFocusedPane(ed);
  drawFrame(ed.console, rect.x, rect.y, rect.width, rect.height, -1, true, true);
}

void closeInfoPopup(EditorContext& ed) {
  parkCursor(ed.console);
  waitForKey(ed);
  redrawScreen(ed);
}

void waitForKey(EditorContext& ed, std::string_view prompt) {
  Console& console = ed.console;
  if (!prompt.empty()) {
    console.writeLineEnd();
    console.writeText(prompt);
  }
  console.readKey();
  while (console.keyAvailable()) console.readKey();
  if (!prompt.empty()) console.writeLineEnd();
}

}  // namespace vorn
