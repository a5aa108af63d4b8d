// The export popup (F10 and F7): names the file being written, writes it, and waits for a
// key before the main screen comes back.
#include "ini/export.h"

#include "ini/ini_text.h"
#include "ini/profile.h"
#include "ini/rules_dump.h"
#include "screen/popup.h"
#include "screen/primitives.h"

namespace vorn {

namespace {

// Research mode is off while a file is written, so that no research texts reach it, and
// comes back however the writing ends.
class ResearchModeOff {
 public:
  explicit ResearchModeOff(ViewState& view) : view_(view), saved_(view.researchMode) {
    view_.researchMode = false;
  }
  ResearchModeOff(const ResearchModeOff&) = delete;
  ResearchModeOff& operator=(const ResearchModeOff&) = delete;
  ~ResearchModeOff() { view_.researchMode = saved_; }

 private:
  ViewState& view_;
  bool saved_;
};

}  // namespace

void exportToIni(EditorContext& ed, ExportMode mode) {
  const std::string path = mode == ExportMode::RulesDump
                               ? rulesDumpPath(ed.game, ed.state.gameFilePath)
                               : profilePath(ed.state.gameFilePath);
  openInfoPopup(ed, exportRect);
  const int x = exportRect.x + 2;
  writeAt(ed.console, x, exportRect.y, "[GAME INFO DUMP]");
  writeAt(ed.console, x, exportRect.y + 2, "Dumping information to:");
  writeAt(ed.console, x, exportRect.y + 3, shortenPath(path));
  {
    const ResearchModeOff researchOff(ed.view());
    if (mode == ExportMode::RulesDump) {
      writeRulesDump(ed.game, path);
    } else {
      writeProfile(ed.game, path);
    }
  }
  writeAt(ed.console, x, exportRect.y + 4, "Done.");
  closeInfoPopup(ed);
}

}  // namespace vorn
