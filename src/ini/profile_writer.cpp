// Writing the profile (F7): one line per unit and structure with its build values, and
// one per unit with its combat values, each headed by the item's name.
#include <string>

#include "ini/ini_text.h"
#include "ini/profile.h"
#include "ini/text_file.h"
#include "values/value_text.h"

namespace vorn {

namespace {

void appendSectionHeader(std::string& text, const ProfileKeySet& keys) {
  appendLine(text, "[" + std::string(keys.sectionName) + "]");
  appendLine(text, "; " + std::string(keys.headerText));
}

// Values are written unsigned (a two-byte -1 as 65535): loading stores the same bytes.
void appendProfileLines(std::string& text, const Game& game, int section,
                        const ProfileKeySet& keys) {
  const int count = game.itemCount(section);
  for (int item = 0; item < count; ++item) {
    std::string line = trimText(itemName(game, section, item)) + "=";
    for (int k = 0; k < keys.fieldCount; ++k) {
      if (k > 0) line += ",";
      line += std::to_string(readField(game, section, item, keys.fields[k]));
    }
    appendLine(text, line);
  }
}

}  // namespace

std::string profilePath(std::string_view gameFilePath) {
  return iniFilePath(gameFilePath, "profile");
}

std::string profileText(const Game& game) {
  const ReadBatch batch(game.file);
  std::string text;
  appendLine(text, createdWithLine());
  appendLine(text, "");
  appendSectionHeader(text, constructKeySet);
  appendProfileLines(text, game, kUnits, constructKeySet);
  appendProfileLines(text, game, kStructures, constructKeySet);
  appendLine(text, "");
  appendSectionHeader(text, combatKeySet);
  appendProfileLines(text, game, kUnits, combatKeySet);
  return text;
}

void writeProfile(const Game& game, const std::string& path) {
  replaceTextFile(path, profileText(game));
}

}  // namespace vorn
