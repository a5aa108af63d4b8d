// The rules dump: every value of every item of every section, in the words of the screen,
// as an INI-like text file for people and tools to read. The editor never reads it back.
#pragma once

#include <string>

#include "model/game.h"

namespace vorn {

// "rules-" + the release key + ".ini" beside the game file.
std::string rulesDumpPath(const Game& game, std::string_view gameFilePath);

// The lines before the first section: the release, the editor, and the release's
// description between two lines ";".
std::string rulesDumpHeaderText(const GameVersion& version);

// The whole file, every line ended by CR LF. Values are the full (uncut) texts with bit
// flags as No and Yes, whatever the screen shows.
std::string rulesDumpText(const Game& game);

// Replaces the file at path by rulesDumpText; throws IoError when it cannot be written,
// leaving the file that was there unchanged.
void writeRulesDump(const Game& game, const std::string& path);

}  // namespace vorn
