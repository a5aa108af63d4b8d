#include "ini/rules_dump.h"

#include "ini/ini_text.h"
#include "ini/text_file.h"
#include "model/catalogue.h"
#include "values/value_text.h"

namespace vorn {

namespace {

// Only lines 1..7 of a release's description belong in the dump.
constexpr int kDumpedDescriptionLines = 7;

void appendItem(std::string& text, const Game& game, int section, int item) {
  appendLine(text, "");
  appendLine(text, "[" + trimText(itemName(game, section, item)) + "]");
  const FieldTable& fields = *sectionDef(section).fields;
  for (int f = 0; f < kFieldTableSize && fields[f].type != NoType; ++f) {
    std::string line(fields[f].label);
    line += " = ";
    line += trimRight(valueText(game, section, item, f, false, false));
    appendLine(text, line);
  }
}

// Room for the whole dump, so that the text is not copied again and again as it grows: a
// field line is its label, " = " and a value text rarely longer than 30 characters.
std::size_t estimatedDumpSize(const Game& game) {
  constexpr std::size_t kFieldLineBytes = 64;
  constexpr std::size_t kItemHeaderBytes = 40;
  std::size_t bytes = 4096;
  for (int section = kFirstSection; section <= kLastSection; ++section) {
    const auto items = static_cast<std::size_t>(game.itemCount(section));
    const auto fields = static_cast<std::size_t>(lastFieldIndex(section) + 1);
    bytes += items * (kItemHeaderBytes + fields * kFieldLineBytes);
  }
  return bytes;
}

}  // namespace

std::string rulesDumpHeaderText(const GameVersion& version) {
  std::string text;
  appendLine(text, "; Rules dump for version \"" + std::string(version.key) + "\" (" +
                       std::string(version.name) + ")");
  appendLine(text, createdWithLine());
  appendLine(text, ";");
  int last = kDumpedDescriptionLines;
  while (last > 0 && version.descriptionLines[last - 1].empty()) --last;
  for (int i = 0; i < last; ++i) {
    if (!version.descriptionLines[i].empty()) {
      appendLine(text, "; " + std::string(version.descriptionLines[i]));
    }
  }
  appendLine(text, ";");
  return text;
}

std::string rulesDumpPath(const Game& game, std::string_view gameFilePath) {
  return iniFilePath(gameFilePath, "rules-" + std::string(game.version().key));
}

std::string rulesDumpText(const Game& game) {
  const ReadBatch batch(game.file);
  std::string text;
  text.reserve(estimatedDumpSize(game));
  text += rulesDumpHeaderText(game.version());
  // Sections in number order: the Movement section (-1), hidden on screen, comes first.
  for (int section = kFirstSection; section <= kLastSection; ++section) {
    appendLine(text, "");
    appendLine(text, "");
    appendLine(text, "; " + std::string(sectionDef(section).label));
    const int count = game.itemCount(section);
    for (int item = 0; item < count; ++item) appendItem(text, game, section, item);
  }
  return text;
}

void writeRulesDump(const Game& game, const std::string& path) {
  replaceTextFile(path, rulesDumpText(game));
}

}  // namespace vorn
