// Profile text of any bytes read into a game: the reader may only write the fields that a
// key of the Construct or Combat section names.
#include <string>
#include <string_view>
#include <vector>

#include "builder/game_file_builder.h"
#include "fuzz/scratch_game.h"
#include "fuzz/targets.h"
#include "ini/profile.h"
#include "ini/profile_reader.h"
#include "model/catalogue.h"
#include "model/game_file.h"

namespace vorn::fuzz {

namespace {

constexpr int kSampleRelease = 3;  // 1.07-US: 27 units, 19 structures, all named

void allowKeySet(std::vector<bool>& allowed, const Game& game, int section,
                 const ProfileKeySet& keys) {
  for (int item = 0; item < game.itemCount(section); ++item) {
    for (int k = 0; k < keys.fieldCount; ++k) {
      const int field = keys.fields[k];
      const std::uint32_t address = fieldAddress(game, section, item, field);
      for (int b = 0; b < fieldWidth(section, field); ++b) allowed.at(address + b) = true;
    }
  }
}

// Construct lines name units or structures; Combat lines only units.
std::vector<bool> profileFieldBytes(const Game& game, std::size_t fileSize) {
  std::vector<bool> allowed(fileSize, false);
  allowKeySet(allowed, game, kUnits, constructKeySet);
  allowKeySet(allowed, game, kUnits, combatKeySet);
  allowKeySet(allowed, game, kStructures, constructKeySet);
  return allowed;
}

struct ProfileTarget {
  ScratchGame scratch{builder::makeSampleImage(kSampleRelease)};
  std::vector<bool> allowed = profileFieldBytes(scratch.game, scratch.original().size());
};

ProfileTarget& profileTarget() {
  static ProfileTarget target;
  return target;
}

}  // namespace

void checkProfileReader(Input input) {
  ProfileTarget& target = profileTarget();
  target.scratch.restore();
  const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
  const ProfileLoadReport report = readProfile(target.scratch.game, text);

  const std::vector<std::uint8_t> after = target.scratch.read();
  for (std::uint32_t offset : changedOffsets(target.scratch.original(), after)) {
    if (offset >= target.allowed.size() || !target.allowed[offset]) {
      throw PropertyViolation("the profile changed byte " + hexText(4, offset, false) +
                              ", which no profile key names");
    }
  }
  int previous = 0;
  for (const SkippedProfileLine& line : report.skipped) {
    if (line.lineNumber <= previous) {
      throw PropertyViolation("skipped line " + std::to_string(line.lineNumber) +
                              " reported after line " + std::to_string(previous));
    }
    previous = line.lineNumber;
  }
}

}  // namespace vorn::fuzz
