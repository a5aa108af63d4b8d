// The game-version information screen and the about screen.
#include "info/about.h"

#include <array>
#include <string>

#include "model/versions.h"
#include "screen/identity.h"
#include "screen/layout.h"
#include "screen/popup.h"
#include "screen/primitives.h"

namespace vorn {

namespace {

// The eighth description line of a release is never shown: the frame has room for seven.
constexpr int kShownDescriptionLines = 7;

constexpr std::string_view kToolingCredit = "C++20 / ncursesw";
constexpr std::string_view kAuthorContact = "brannick@vorn2edit.invalid";
constexpr std::string_view kProjectStartLine = "Project started on 11 December 2026.";
constexpr std::string_view kReleaseLine = "Current version: 11 December 2026.";

struct AboutLine {
  int row;
  std::string_view text;
};

// Rows 10, 14 and 19 stay blank between the three groups.
constexpr std::array<AboutLine, 9> kCredits{{
    {11, "Written for the modders of Vorn II who want to"},
    {12, "change its unit, structure and house tables"},
    {13, "without touching a single line of the game's code."},
    {15, "Thanks to the people who charted the game's tables"},
    {16, "field by field, and to everyone who shared notes"},
    {17, "on the data inside the executable: this editor"},
    {18, "is built on their research."},
    {20, "The screen layout follows the classic two-column"},
    {21, "table editors of the DOS days."},
}};

constexpr int kTextColumn = 16;
constexpr int kToolingColumn = 49;

static_assert(kToolingCredit.size() <= 18, "the tooling credit ends inside the frame");

}  // namespace

void showVersionInfo(EditorContext& ed) {
  const GameVersion& version = ed.game.version();
  const PopupRect& rect = versionInfoRect;
  const int x = rect.x + 2;
  openInfoPopup(ed, rect);
  writeAt(ed.console, x, rect.y, "[GAME VERSION INFO]");
  writeAt(ed.console, x, rect.y + 1, version.name);
  drawRun(ed.console, x, rect.y + 2, static_cast<int>(version.name.size()), singleFrame.horizontal);
  for (int i = 0; i < kShownDescriptionLines; ++i) {
    writeAt(ed.console, x, rect.y + 3 + i, version.descriptionLines[i]);
  }
  closeInfoPopup(ed);
}

void showAbout(EditorContext& ed) {
  const std::string title = std::string(editorTitle) + " " + std::string(editorVersion);
  const std::string author =
      "Created by " + std::string(editorAuthor) + " <" + std::string(kAuthorContact) + ">";
  const PopupRect& rect = aboutRect;
  openInfoPopup(ed, rect);
  writeAt(ed.console, kTextColumn, rect.y, "[INFO]");
  writeAt(ed.console, kTextColumn, rect.y + 1, title);
  writeAt(ed.console, kToolingColumn, rect.y + 1, kToolingCredit);
  drawRun(ed.console, kTextColumn, rect.y + 2, static_cast<int>(title.size()),
          singleFrame.horizontal);
  writeAt(ed.console, kTextColumn, rect.y + 3, author);
  writeAt(ed.console, kTextColumn, rect.y + 4, kProjectStartLine);
  writeAt(ed.console, kTextColumn, rect.y + 5, kReleaseLine);
  for (const AboutLine& line : kCredits) writeAt(ed.console, kTextColumn, line.row, line.text);
  closeInfoPopup(ed);
}

}  // namespace vorn
