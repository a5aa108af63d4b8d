// The load popup (F8): reads profile.ini beside the game file into the game file.
#include "ini/profile.h"

#include "ini/ini_text.h"
#include "ini/profile_reader.h"
#include "ini/text_file.h"
#include "screen/main_screen.h"
#include "screen/popup.h"
#include "screen/primitives.h"

namespace vorn {

void loadProfile(EditorContext& ed) {
  const std::string path = profilePath(ed.state.gameFilePath);
  openInfoPopup(ed, profileLoadRect);
  const int x = profileLoadRect.x + 2;
  writeAt(ed.console, x, profileLoadRect.y, "[GAME INFO LOAD]");
  writeAt(ed.console, x, profileLoadRect.y + 2, "Loading information from:");
  writeAt(ed.console, x, profileLoadRect.y + 3, shortenPath(path));
  const bool found = textFileExists(path);
  if (found) {
    readProfileFile(ed.game, path);
    // In research mode the item texts show raw values, which the profile may have changed.
    loadItemList(ed);
  }
  writeAt(ed.console, x, profileLoadRect.y + 4,
          found ? "Done." : "Failed: file \"profile.ini\" not found.");
  closeInfoPopup(ed);
}

}  // namespace vorn
