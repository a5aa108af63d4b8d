#include "shell/startup.h"

#include "platform/paths.h"
#include "screen/layout.h"
#include "screen/main_screen.h"
#include "screen/popup.h"
#include "screen/primitives.h"
#include "shell/main_loop.h"
#include "values/value_text.h"

namespace vorn {

void resolveGameFileName(EditorState& state, const std::vector<std::string>& args) {
  state.gameFileName = std::string(kDefaultGameFileName);
  state.gameFilePath = fullPath(kDefaultGameFileName);
  if (args.empty()) return;
  const std::string name = fileNamePart(args.front());
  if (name.empty()) return;
  state.gameFilePath = fullPath(args.front());
  state.gameFileName = upperCase(name);
}

std::string identificationError(const std::string& gameFileName) {
  return "ERROR: Cannot identify the Vorn 2 version of the file \"" + gameFileName + "\".";
}

std::string identifyGameFile(Game& game, const std::string& gameFileName) {
  game.versionIndex = identifyVersion(game.file, gameFileName);
  if (game.versionIndex < 0 && gameFileName != kDefaultGameFileName) {
    game.versionIndex = identifyVersion(game.file, kDefaultGameFileName);
  }
  if (game.versionIndex < 0) return identificationError(gameFileName);
  // The editor writes only inside the tables of the release; a file too short to hold
  // them is refused rather than written past its end.
  const std::uint32_t needed = requiredFileSize(game.version());
  if (game.file.size() < needed) {
    const std::string key(game.version().key);
    game.versionIndex = -1;
    return "ERROR: \"" + gameFileName + "\" is too short for version " + key + " (needs " +
           std::to_string(needed) + " bytes).";
  }
  game.file.setRequiredSize(needed);
  return {};
}

void initEditorState(EditorContext& ed) {
  ViewState& view = ed.view();
  view.bitEditMode = false;
  view.researchMode = false;
  setColours(ed.console, inactiveTextColour);
  ed.console.clearScreen();
  drawStaticLines(ed);
  view.focus = kSectionPane;
  for (PaneState& pane : view.panes) pane = PaneState{};
  view.pane(kSectionPane).lastIndex = kLastSection;
  loadItemList(ed);
  redrawScreen(ed);
}

namespace {

void showStartupError(EditorContext& ed, const std::string& line) {
  Console& console = ed.console;
  setColours(console, {kLightGrey, kBlack});
  console.clearScreen();
  drawTitleBar(ed);
  console.moveTo(1, 3);
  console.writeText(line);
  console.writeLineEnd();
  waitForKey(ed, kKeyPrompt);
}

}  // namespace

RunResult runEditor(Console& console, Game& game, const std::vector<std::string>& args) {
  EditorContext ed{console, game, {}};
  RunResult result;
  console.clearScreen();
  console.moveTo(1, 3);
  resolveGameFileName(ed.state, args);

  if (!game.file.open(ed.state.gameFilePath)) {
    result.errorLine = "Error opening \"" + ed.state.gameFilePath + "\".";
    console.writeText(result.errorLine);
    console.writeLineEnd();
    drawTitleBar(ed);
    console.moveTo(1, 4);
    waitForKey(ed, kKeyPrompt);
    result.status = 1;
    return result;
  }

  result.errorLine = identifyGameFile(game, ed.state.gameFileName);
  if (!result.errorLine.empty()) {
    game.file.close();
    showStartupError(ed, result.errorLine);
    result.status = 1;
    return result;
  }

  initEditorState(ed);
  ed.state.lastKey = 0;
  while (ed.state.lastKey != key::Quit) handleKey(ed);

  game.file.close();
  setColours(console, {kLightGrey, kBlack});
  console.clearScreen();
  drawTitleBar(ed);
  console.moveTo(1, 3);
  console.writeText(kFarewell);
  console.writeLineEnd();
  result.farewell = true;
  return result;
}

}  // namespace vorn
