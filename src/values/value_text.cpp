// The text of a field value by its data type: compact for the 19 columns of the field pane,
// full (uncut, some types with the stored number in front) for the rules dump.
#include "values/value_text.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "model/catalogue.h"
#include "values/script.h"
#include "values/value_names.h"

namespace vorn {

namespace {

constexpr std::size_t kCompactWidth = 19;
// A compact switch set that does not fit the field pane ends in "..".
constexpr std::size_t kCompactSetWidth = 17;
constexpr std::size_t kGraphicsNameCount = 355;

struct TableOptions {
  bool numberIfMissing = false;  // a value without a row shows its number
  bool numberPrefix = false;     // full form: the value and " - " before the name
  std::size_t cut = 0;           // compact form: the name cut to this many characters
};

std::string tableValueText(ValueTable table, std::int32_t value, bool compact,
                           TableOptions options) {
  std::string text = options.numberIfMissing ? std::to_string(value) : "<Unknown>";
  const int row = findValueName(table, value);
  if (row >= 0) text = std::string(table[row].name);
  if (options.numberPrefix && !compact) {
    std::string prefixed = std::to_string(value) + " - ";
    appendText(prefixed, text);
    text = prefixed;
  }
  if (options.cut > 0 && compact) text = text.substr(0, options.cut);
  return text;
}

std::string graphicsText(const Game& game, std::int32_t value, bool compact) {
  if (value == -1) return "None";
  const GraphicsNameList& names = *game.version().graphicsNames;
  std::string text = "<Unknown>";
  if (value >= 0 && value < static_cast<std::int32_t>(kGraphicsNameCount))
    text = std::string(names.names[value]);
  if (compact) return text;
  std::string prefixed = std::to_string(value) + " - ";
  appendText(prefixed, text);
  return prefixed;
}

// The game stores fractions of 256; the percentage is rounded and, like the game, not capped.
std::string percentText(std::uint32_t value) {
  std::string text = std::to_string(value) + "/256";
  if (text.size() < 7) text.resize(7, ' ');
  text += " (" + std::to_string((value * 100 + 49) / 256) + "%)";
  return text;
}

std::string bitText(const Game& game, int section, int item, int field, int bit,
                    bool researchMode) {
  const int set = readBit(game, section, item, field, bit);
  if (researchMode) return std::to_string(set);
  return std::string(noYesNames[set].name);
}

// memberCut > 0: the short form of a member is its first memberCut characters (house names);
// 0: its abbreviation (structure and unit names).
std::string switchSetText(const Game& game, int section, int item, int field, int target,
                          std::size_t memberCut, bool compact) {
  const SwitchSet members = readSwitchSet(game, section, item, field);
  const int count = std::min<int>(game.itemCount(target), static_cast<int>(members.size()));
  std::string full;
  std::string shortened;
  int chosen = 0;
  for (int member = 0; member < count; ++member) {
    if (!members[member]) continue;
    const std::string name = itemName(game, target, member);
    if (chosen > 0) {
      appendText(full, ",");
      appendText(shortened, ",");
    }
    appendText(full, name);
    appendText(shortened, memberCut > 0 ? name.substr(0, memberCut) : abbreviateName(name));
    ++chosen;
  }
  if (chosen == 0) return "(none)";
  if (!compact || chosen == 1) return full;
  if (shortened.size() > kCompactWidth) return shortened.substr(0, kCompactSetWidth) + "..";
  return shortened;
}

std::string characterText(const Game& game, int section, int item, int field) {
  const auto code = static_cast<char>(readFieldBytes(game, section, item, field, 1) & 0xFF);
  return std::string(1, code);
}

std::string fullOrCompactText(const Game& game, int s, int i, int f, int type, bool compact,
                              bool researchMode) {
  const auto number = [&] { return std::to_string(readFieldSigned(game, s, i, f)); };
  const auto table = [&](ValueTable names, TableOptions options = {}) {
    return tableValueText(names, readFieldSigned(game, s, i, f), compact, options);
  };
  const auto item = [&](int target) {
    return itemName(game, target, readFieldSigned(game, s, i, f));
  };
  constexpr TableOptions kPrefixed{.numberPrefix = true};

  switch (type) {
    case Dword:
    case SignedByte:
    case Word:
      return number();
    case StringRef:
      return fieldReferenceText(game, s, i, f);
    case Ownership:
      return switchSetText(game, s, i, f, kHouses, 2, compact);
    case UnitCommand:
      return item(kActions);
    case MovementType:
      return item(kMovement);
    case UnitType:
      return item(kUnits);
    case Foundation:
      return table(foundationNames, kPrefixed);
    case DecayFactor:
      return table(decayFactorNames, {.numberIfMissing = true});
    case Prerequisites:
      return switchSetText(game, s, i, f, kStructures, 0, compact);
    case WeaponSound:
      return table(weaponSoundNames, kPrefixed);
    case Bit1:
    case Bit2:
    case Bit3:
    case Bit4:
    case Bit5:
    case Bit6:
    case Bit7:
    case Bit8:
      return bitText(game, s, i, f, type - Bit1, researchMode);
    case Percent16:
    case Percent8:
      return percentText(readField(game, s, i, f));
    case MusicTrack:
      return item(kMusic);
    case Character:
      return characterText(game, s, i, f);
    case PalaceAbility:
      return table(palaceAbilityNames);
    case Graphics:
      return graphicsText(game, readFieldSigned(game, s, i, f), compact);
    case DisplayMode:
      return table(displayModeNames);
    case InterruptMode:
      return table(interruptModeNames, kPrefixed);
    case SidebarMode:
      // The crash warning of value 2 lies beyond the 17 columns; the rules dump keeps it.
      return table(sidebarModeNames, {.cut = 17});
    case SoundClip:
      return item(kVoices);
    case ParentPak:
      return item(kFiles);
    case AllowedUnits:
      return switchSetText(game, s, i, f, kUnits, 0, compact);
    case AnimScript:
      return scriptText(game, s, i, f);
    case StructureGraphics:
      return table(structureGraphicsNames, kPrefixed);
    case UnsignedByte:
      return std::to_string(readField(game, s, i, f));
    case BoolWord:
      return table(noYesNames);
    case CraterType:
      return table(craterNames);
    default:
      return std::string();
  }
}

}  // namespace

std::string valueText(const Game& game, int section, int item, int field, bool compact,
                      bool researchMode) {
  if (field < 0 || field >= kFieldTableSize) return std::string();
  const int type = (*sectionDef(section).fields)[field].type;
  std::string text = fullOrCompactText(game, section, item, field, type, compact, researchMode);
  if (compact && text.size() > kCompactWidth) text.resize(kCompactWidth);
  return text;
}

SwitchSet readSwitchSet(const Game& game, int section, int item, int field) {
  SwitchSet members{};
  const int width = std::max(1, fieldWidth(section, field));
  const std::uint32_t address = fieldAddress(game, section, item, field);
  for (int j = 0; j < width; ++j) {
    const std::uint8_t byte = game.file.readByte(address + static_cast<std::uint32_t>(j));
    for (int k = 0; k < 8; ++k) members[8 * j + k] = ((byte >> k) & 1) != 0;
  }
  return members;
}

// Bit1..Bit8 fields share one byte; bit is 0 for Bit1 up to 7 for Bit8.
int readBit(const Game& game, int section, int item, int field, int bit) {
  const std::uint8_t byte = game.file.readByte(fieldAddress(game, section, item, field));
  return (byte >> bit) & 1;
}

}  // namespace vorn
