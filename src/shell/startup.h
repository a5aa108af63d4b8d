// The editor's main sequence: find, open and identify the game file, run the main loop,
// and say farewell.
#pragma once

#include <string>
#include <vector>

#include "model/game.h"
#include "platform/console.h"
#include "shell/editor.h"

namespace vorn {

inline constexpr std::string_view kKeyPrompt = "Press any key to continue. . . ";
inline constexpr std::string_view kFarewell = "Program exited. Have fun!";

struct RunResult {
  int status = 0;
  // The error line shown at start-up; printed again on standard error once the
  // terminal is restored, so that it stays readable in the shell.
  std::string errorLine;
  bool farewell = false;
};

// Sets gameFileName and gameFilePath from the first argument (or the default name).
void resolveGameFileName(EditorState& state, const std::vector<std::string>& args);
std::string identificationError(const std::string& gameFileName);
// The checks after the open: the release must be known and the file must hold its tables.
// Returns the error line, or an empty text when the file can be edited.
std::string identifyGameFile(Game& game, const std::string& gameFileName);
void initEditorState(EditorContext& ed);
RunResult runEditor(Console& console, Game& game, const std::vector<std::string>& args);

}  // namespace vorn
