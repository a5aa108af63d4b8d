#include "shell/commands.h"

#include <iostream>
#include <iterator>

#include "ini/profile.h"
#include "ini/profile_reader.h"
#include "ini/rules_dump.h"
#include "ini/text_file.h"
#include "model/game.h"
#include "platform/paths.h"
#include "shell/field_path.h"
#include "shell/game_diff.h"
#include "shell/startup.h"
#include "shell/value_parser.h"
#include "values/value_text.h"

namespace vorn {

namespace {

constexpr std::string_view kStandardStream = "-";

enum class Access { ReadOnly, ReadWrite };

// Opens and identifies the game file named by argument as start-up does (the file's own
// name first, then "VORN2.EXE", and the check that the file holds the release's tables).
// Prints the editor's error line on err and returns false when that fails. gameFilePath
// receives the full path, beside which the rules dump and the profile are placed.
bool openGame(Game& game, const std::string& argument, Access access, std::ostream& err,
              std::string* gameFilePath = nullptr) {
  EditorState state;
  resolveGameFileName(state, {argument});
  // A directory argument would make the editor fall back to VORN2.EXE here; a command
  // names its file, so that file or nothing.
  if (fileNamePart(argument).empty()) state.gameFilePath = fullPath(argument);
  const bool opened = access == Access::ReadOnly ? game.file.openReadOnly(state.gameFilePath)
                                                 : game.file.open(state.gameFilePath);
  if (!opened) {
    err << "Error opening \"" << state.gameFilePath << "\".\n";
    if (access == Access::ReadWrite && game.file.openReadOnly(state.gameFilePath)) {
      game.file.close();
      err << "vorn2edit: the game file is write-protected; this command writes into it\n";
    }
    return false;
  }
  const std::string error = identifyGameFile(game, state.gameFileName);
  if (!error.empty()) {
    game.file.close();
    err << error << "\n";
    return false;
  }
  if (gameFilePath != nullptr) *gameFilePath = state.gameFilePath;
  return true;
}

std::string plural(int n, std::string_view word) {
  return std::to_string(n) + " " + std::string(word) + (n == 1 ? "" : "s");
}

// The path is the text before the first "=" that leaves a resolvable path on its left (a
// name may hold "="); the value is the rest, trimmed.
std::optional<FieldWrite> checkAssignment(Game& game, const std::string& text, std::string& error) {
  std::size_t equals = text.find('=');
  if (equals == std::string::npos) {
    error = "no \"=\" (PATH=VALUE)";
    return std::nullopt;
  }
  PathResolution first;
  for (; equals != std::string::npos; equals = text.find('=', equals + 1)) {
    PathResolution resolution = resolveFieldPath(game, text.substr(0, equals));
    if (resolution.path) {
      const ParsedValue value =
          parseFieldValue(game, *resolution.path, trimText(text.substr(equals + 1)));
      if (!value.write) error = value.error;
      return value.write;
    }
    if (first.error.empty()) first = std::move(resolution);
  }
  error = first.error;
  return std::nullopt;
}

}  // namespace

int identifyCommand(const std::string& file, std::ostream& out, std::ostream& err) {
  Game game;
  if (!openGame(game, file, Access::ReadOnly, err)) return 1;
  out << game.version().key << '\t' << game.version().name << '\n';
  return 0;
}

int dumpCommand(const std::string& file, const std::optional<std::string>& output,
                std::ostream& out, std::ostream& err) {
  Game game;
  std::string gameFilePath;
  if (!openGame(game, file, Access::ReadOnly, err, &gameFilePath)) return 1;
  const std::string path = output.value_or(rulesDumpPath(game, gameFilePath));
  if (path == kStandardStream) {
    out << rulesDumpText(game);
  } else {
    writeRulesDump(game, path);
  }
  return 0;
}

int saveProfileCommand(const std::string& file, const std::optional<std::string>& output,
                       std::ostream& out, std::ostream& err) {
  Game game;
  std::string gameFilePath;
  if (!openGame(game, file, Access::ReadOnly, err, &gameFilePath)) return 1;
  const std::string path = output.value_or(profilePath(gameFilePath));
  if (path == kStandardStream) {
    out << profileText(game);
  } else {
    writeProfile(game, path);
  }
  return 0;
}

int loadProfileCommand(const std::string& file, const std::optional<std::string>& profile,
                       std::istream& in, std::ostream& err) {
  Game game;
  std::string gameFilePath;
  if (!openGame(game, file, Access::ReadWrite, err, &gameFilePath)) return 1;
  const std::string path = profile.value_or(profilePath(gameFilePath));
  ProfileLoadReport report;
  if (path == kStandardStream) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    report = readProfile(game, text);
  } else if (!textFileExists(path)) {
    err << "vorn2edit: profile \"" << path << "\" not found\n";
    return 1;
  } else {
    report = readProfileFile(game, path);
  }
  err << plural(report.valuesWritten, "value") << " written\n";
  for (const SkippedProfileLine& line : report.skipped) {
    err << "line " << line.lineNumber << " skipped: " << skipReasonText(line.reason) << "\n";
  }
  return 0;
}

int getCommand(const std::string& file, const std::vector<std::string>& paths, bool raw,
               std::ostream& out, std::ostream& err) {
  Game game;
  if (!openGame(game, file, Access::ReadOnly, err)) return 1;
  std::vector<FieldPath> fields;
  bool failed = false;
  for (const std::string& text : paths) {
    const PathResolution resolution = resolveFieldPath(game, text);
    if (resolution.path) {
      fields.push_back(*resolution.path);
    } else {
      err << "vorn2edit: " << text << ": " << resolution.error << "\n";
      failed = true;
    }
  }
  if (failed) return 1;
  const ReadBatch batch(game.file);
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const FieldPath& f = fields[k];
    out << paths[k] << " = ";
    if (raw) {
      out << storedNumber(game, f);
    } else {
      out << trimRight(valueText(game, f.section, f.item, f.field, false, false));
    }
    out << '\n';
  }
  return 0;
}

int setCommand(const std::string& file, const std::vector<std::string>& assignments,
               std::ostream& err) {
  Game game;
  if (!openGame(game, file, Access::ReadWrite, err)) return 1;
  std::vector<FieldWrite> writes;
  int bad = 0;
  for (const std::string& text : assignments) {
    std::string error;
    if (const std::optional<FieldWrite> write = checkAssignment(game, text, error)) {
      writes.push_back(*write);
    } else {
      err << "vorn2edit: " << text << ": " << error << "\n";
      ++bad;
    }
  }
  if (bad > 0) {
    err << "vorn2edit: nothing written (" << plural(bad, "bad assignment") << ")\n";
    return 1;
  }
  for (const FieldWrite& write : writes) applyFieldWrite(game.file, write);
  return 0;
}

int diffCommand(const std::string& fileA, const std::string& fileB, std::ostream& out,
                std::ostream& err) {
  Game a;
  Game b;
  if (!openGame(a, fileA, Access::ReadOnly, err) || !openGame(b, fileB, Access::ReadOnly, err)) {
    return 2;
  }
  const std::vector<std::string> lines = diffGames(a, b, fileA, fileB);
  for (const std::string& line : lines) out << line << '\n';
  return lines.empty() ? 0 : 1;
}

}  // namespace vorn
