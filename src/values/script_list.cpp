#include "values/script_list.h"

#include <algorithm>
#include <cstdint>

#include "values/script.h"

namespace vorn {

namespace {

constexpr const char* kNoScript = "[No script actions]";
constexpr const char* kFreeSpace = "[Available script space]";

}  // namespace

// The listing holds at most kMaxListEntries lines: a script or a run of free words that
// would need more ends at the last line that fits.
void buildScriptList(EditorContext& ed, int section, int item, int field) {
  auto& lines = ed.view().listNames;
  int& lastIndex = ed.view().pane(kPopupPane).lastIndex;
  constexpr int kLastLine = kMaxListEntries - 1;
  lastIndex = -1;
  const std::uint32_t paragraph = scriptParagraph(ed.game, section, item, field);
  if (paragraph != 0) {
    const int last = std::min(lastScriptStep(ed.game, paragraph), kLastLine);
    for (int n = 0; n <= last; ++n) {
      lines[n] = scriptStepText(ed.game, paragraph, n, false);
      lastIndex = n;
    }
    // Filler words right behind the last step are free space for a longer script.
    for (int n = last + 1;
         n <= kLastLine && readScriptWord(ed.game, paragraph, n) == kScriptFillerWord; ++n) {
      lines[n] = kFreeSpace;
      lastIndex = n;
    }
  }
  if (lastIndex < 0) {
    lines[0] = kNoScript;
    lastIndex = 0;
  }
}

}  // namespace vorn
