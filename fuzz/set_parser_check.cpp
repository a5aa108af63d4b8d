// Command line assignments of any text: the set command writes all of them or none, and
// an accepted assignment writes only the field that its path names.
#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "builder/game_file_builder.h"
#include "fuzz/scratch_game.h"
#include "fuzz/targets.h"
#include "model/game_file.h"
#include "shell/commands.h"
#include "shell/field_path.h"

namespace vorn::fuzz {

namespace {

constexpr int kSampleRelease = 3;
constexpr std::size_t kMaxAssignments = 4;

ScratchGame& sampleGame() {
  static ScratchGame scratch(builder::makeSampleImage(kSampleRelease));
  return scratch;
}

std::vector<std::string> assignmentLines(Input input) {
  const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (lines.size() < kMaxAssignments) {
    const std::size_t end = text.find('\n', start);
    lines.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

// The field an assignment addresses: the path left of the first "=" that resolves.
std::optional<FieldPath> addressedField(const Game& game, std::string_view text) {
  for (std::size_t equals = text.find('='); equals != std::string_view::npos;
       equals = text.find('=', equals + 1)) {
    const PathResolution resolution = resolveFieldPath(game, text.substr(0, equals));
    if (resolution.path) return resolution.path;
  }
  return std::nullopt;
}

struct ByteRange {
  std::uint32_t first;
  std::uint32_t end;
};

}  // namespace

void checkSetParser(Input input) {
  ScratchGame& scratch = sampleGame();
  scratch.restore();
  const std::vector<std::string> assignments = assignmentLines(input);
  std::vector<ByteRange> fields;
  bool allResolve = true;
  for (const std::string& text : assignments) {
    const std::optional<FieldPath> path = addressedField(scratch.game, text);
    if (!path) {
      allResolve = false;
      continue;
    }
    const std::uint32_t address =
        fieldAddress(scratch.game, path->section, path->item, path->field);
    const auto width =
        static_cast<std::uint32_t>(std::max(1, fieldWidth(path->section, path->field)));
    fields.push_back({address, address + width});
  }

  std::ostringstream err;
  const int status = setCommand(scratch.path(), assignments, err);
  const std::vector<std::uint32_t> changed = changedOffsets(scratch.original(), scratch.read());
  if (status != 0 && status != 1) {
    throw PropertyViolation("set ended with status " + std::to_string(status));
  }
  if (status == 1) {
    if (!changed.empty()) {
      throw PropertyViolation("a refused set changed byte " + hexText(4, changed.front(), false));
    }
    return;
  }
  if (!allResolve) throw PropertyViolation("set accepted an assignment whose path names no field");
  for (std::uint32_t offset : changed) {
    bool inside = false;
    for (const ByteRange& range : fields)
      inside = inside || (offset >= range.first && offset < range.end);
    if (!inside) {
      throw PropertyViolation("set changed byte " + hexText(4, offset, false) +
                              ", outside the fields its paths name");
    }
  }
}

}  // namespace vorn::fuzz
