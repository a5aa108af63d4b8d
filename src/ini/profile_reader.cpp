#include "ini/profile_reader.h"

#include "ini/number_syntax.h"
#include "ini/text_file.h"
#include "values/value_text.h"

namespace vorn {

namespace {

// Old editors mark the end of a text with Ctrl-Z; nothing after it belongs to the text.
constexpr char kEndOfText = 26;

struct ReaderState {
  Game& game;
  std::string section;  // the current section name; empty before the first header
  ProfileLoadReport report;
};

bool sameName(std::string_view a, std::string_view b) {
  return upperCase(a) == upperCase(b);
}

void skip(ReaderState& state, int lineNumber, ProfileSkip reason) {
  state.report.skipped.push_back({lineNumber, reason});
}

void handleValueLine(ReaderState& state, int lineNumber, std::string_view line) {
  const std::size_t equals = line.find('=');
  const std::string key = trimText(line.substr(0, equals));
  const std::string values = trimText(line.substr(equals + 1));
  const bool construct = sameName(state.section, constructKeySet.sectionName);
  const bool combat = sameName(state.section, combatKeySet.sectionName);
  if (!construct && !combat) return skip(state, lineNumber, ProfileSkip::OtherSection);
  int section = kUnits;
  int item = findItemByName(state.game, kUnits, key);
  // Structures have build values but no combat values; a unit of the same name wins.
  if (item < 0 && construct) {
    section = kStructures;
    item = findItemByName(state.game, kStructures, key);
  }
  if (item < 0) return skip(state, lineNumber, ProfileSkip::UnknownName);
  state.report.valuesWritten += applyProfileValues(state.game, section, item, values,
                                                   construct ? constructKeySet : combatKeySet);
}

void handleLine(ReaderState& state, int lineNumber, std::string_view raw) {
  std::string line = trimText(raw);
  if (line.empty() || line.front() == ';') return;
  const std::size_t remark = line.find(';');
  if (remark != std::string::npos) {
    line = trimText(std::string_view(line).substr(0, remark));
    if (line.empty()) return;
  }
  const std::size_t close = line.find(']');
  if (line.front() == '[' && close != std::string::npos) {
    state.section = trimText(std::string_view(line).substr(1, close - 1));
    return;
  }
  if (line.find('=') == std::string::npos) return skip(state, lineNumber, ProfileSkip::NoEquals);
  if (state.section.empty()) return skip(state, lineNumber, ProfileSkip::NoSection);
  handleValueLine(state, lineNumber, line);
}

}  // namespace

std::string_view skipReasonText(ProfileSkip reason) {
  switch (reason) {
    case ProfileSkip::NoSection:
      return "no section header before it";
    case ProfileSkip::NoEquals:
      return "no \"=\"";
    case ProfileSkip::OtherSection:
      return "section is neither Construct nor Combat";
    case ProfileSkip::UnknownName:
      return "no unit or structure has that name";
  }
  return "";
}

ProfileLoadReport readProfile(Game& game, std::string_view text) {
  const ReadBatch batch(game.file);
  ReaderState state{game, {}, {}};
  std::string line;
  bool lineStarted = false;
  int lineNumber = 1;
  const auto endLine = [&] {
    handleLine(state, lineNumber++, line);
    line.clear();
    lineStarted = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == kEndOfText) break;
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endLine();
      continue;
    }
    lineStarted = true;
    // The rest of an overlong line is skipped up to its end.
    if (line.size() < kMaxTextLength) line.push_back(c);
  }
  if (lineStarted) endLine();
  return std::move(state.report);
}

ProfileLoadReport readProfileFile(Game& game, const std::string& path) {
  return readProfile(game, readTextFile(path));
}

int findItemByName(const Game& game, int section, std::string_view name) {
  const std::string wanted = upperCase(name);
  const int count = game.itemCount(section);
  for (int item = 0; item < count; ++item) {
    if (upperCase(itemName(game, section, item)) == wanted) return item;
  }
  return -1;
}

int applyProfileValues(Game& game, int section, int item, std::string_view text,
                       const ProfileKeySet& keys) {
  int written = 0;
  std::size_t at = 0;
  const auto isSeparator = [](char c) { return c == ' ' || c == ','; };
  for (int k = 0; k < keys.fieldCount; ++k) {
    while (at < text.size() && isSeparator(text[at])) ++at;
    if (at >= text.size()) break;
    const std::size_t start = at;
    while (at < text.size() && !isSeparator(text[at])) ++at;
    const std::optional<std::int32_t> number = parseProfileNumber(text.substr(start, at - start));
    if (!number) continue;
    const int field = keys.fields[k];
    const int width = fieldWidth(section, field);
    game.file.writeLittleEndian(fieldAddress(game, section, item, field),
                                toUnsigned(*number, width), width);
    ++written;
  }
  return written;
}

}  // namespace vorn
