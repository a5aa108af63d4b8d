#include "shell/value_parser.h"

#include <array>
#include <limits>
#include <vector>

#include "model/catalogue.h"
#include "platform/memory_console.h"
#include "shell/decimal_range.h"
#include "shell/editor.h"
#include "values/lists.h"
#include "values/value_names.h"
#include "values/value_text.h"

namespace vorn {

namespace {

// How a field's value is given, by data type: the popup's editor for the type decides.
enum class ValueKind {
  Signed,        // signed decimal entry
  Unsigned,      // unsigned decimal entry
  StringOffset,  // string reference entry: a file offset
  SwitchSet,     // members of target
  Items,         // item list of target, "None" first when withNone
  Table,         // value name table
  Graphics,      // graphics list of the release, "None" first
  Pak,           // the PAK files at the start of the Files table
  Flag,          // No/Yes of one bit of a flag byte
  Letter,        // character entry
  Script,        // read-only script listing
};

struct ValueSyntax {
  ValueKind kind = ValueKind::Script;
  int target = 0;
  bool withNone = false;
  const ValueTable* table = nullptr;
};

constexpr ValueSyntax kind(ValueKind k) {
  return {k};
}
constexpr ValueSyntax switchSet(int target) {
  return {ValueKind::SwitchSet, target};
}
constexpr ValueSyntax items(int target, bool withNone) {
  return {ValueKind::Items, target, withNone};
}
constexpr ValueSyntax table(const ValueTable& names) {
  return {ValueKind::Table, 0, false, &names};
}

// Indexed by data type code.
constexpr std::array<ValueSyntax, kDataTypeCount> kValueSyntax{{
    kind(ValueKind::Signed),        // 0 Dword
    kind(ValueKind::Signed),        // 1 SignedByte
    kind(ValueKind::Signed),        // 2 Word
    kind(ValueKind::StringOffset),  // 3 StringRef
    switchSet(kHouses),             // 4 Ownership
    items(kActions, true),          // 5 UnitCommand
    items(kMovement, false),        // 6 MovementType
    items(kUnits, true),            // 7 UnitType
    table(foundationNames),         // 8 Foundation
    table(decayFactorNames),        // 9 DecayFactor
    switchSet(kStructures),         // 10 Prerequisites
    table(weaponSoundNames),        // 11 WeaponSound
    kind(ValueKind::Flag),          // 12 Bit1
    kind(ValueKind::Flag),          // 13 Bit2
    kind(ValueKind::Flag),          // 14 Bit3
    kind(ValueKind::Flag),          // 15 Bit4
    kind(ValueKind::Flag),          // 16 Bit5
    kind(ValueKind::Flag),          // 17 Bit6
    kind(ValueKind::Flag),          // 18 Bit7
    kind(ValueKind::Flag),          // 19 Bit8
    table(percentSteps),            // 20 Percent16
    items(kMusic, true),            // 21 MusicTrack
    kind(ValueKind::Letter),        // 22 Character
    table(palaceAbilityNames),      // 23 PalaceAbility
    kind(ValueKind::Graphics),      // 24 Graphics
    table(displayModeNames),        // 25 DisplayMode
    table(interruptModeNames),      // 26 InterruptMode
    table(sidebarModeNames),        // 27 SidebarMode
    items(kVoices, true),           // 28 SoundClip
    kind(ValueKind::Pak),           // 29 ParentPak
    switchSet(kUnits),              // 30 AllowedUnits
    kind(ValueKind::Script),        // 31 AnimScript
    table(structureGraphicsNames),  // 32 StructureGraphics
    kind(ValueKind::Unsigned),      // 33 UnsignedByte
    table(noYesNames),              // 34 BoolWord
    table(percentSteps),            // 35 Percent8
    table(craterNames),             // 36 CraterType
}};

int fieldType(const FieldPath& path) {
  return (*sectionDef(path.section).fields)[path.field].type;
}

const ValueSyntax& syntaxOf(const FieldPath& path) {
  static constexpr ValueSyntax none{};
  const int type = fieldType(path);
  return type >= 0 && type < kDataTypeCount ? kValueSyntax[type] : none;
}

// Bytes that the entry editors write: a flag field without a width of its own has one.
int entryWidth(const FieldPath& path) {
  return clampCount(fieldWidth(path.section, path.field));
}

std::uint32_t widthMask(int width) {
  return width >= 4 ? 0xFFFFFFFFu : (std::uint32_t{1} << (8 * width)) - 1;
}

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

ParsedValue refuse(std::string error) {
  return {std::nullopt, std::move(error)};
}

ParsedValue accept(const Game& game, const FieldPath& path, int count, std::int64_t value,
                   std::uint32_t keepMask = 0) {
  return {FieldWrite{fieldAddress(game, path.section, path.item, path.field), count,
                     toUnsigned(value, count) & widthMask(count), keepMask},
          {}};
}

// The digits after "0x", "0X" or "$", as a bit pattern; nothing when text has no such
// prefix or a character that is not a hexadecimal digit. Values beyond 32 bits saturate.
std::optional<std::uint64_t> hexNumber(std::string_view text) {
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
  } else if (text.starts_with("$")) {
    text.remove_prefix(1);
  } else {
    return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    int digit = 0;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      return std::nullopt;
    }
    if (value <= 0xFFFFFFFFu) value = value * 16 + static_cast<std::uint64_t>(digit);
  }
  return value;
}

// A number naming a list entry: decimal, or a bit pattern of the field's width in
// hexadecimal, read with the sign the list reads the field with.
std::optional<std::int64_t> listNumber(std::string_view text, int width, bool isSigned) {
  if (const std::optional<std::uint64_t> hex = hexNumber(text)) {
    if (*hex > widthMask(width)) return std::nullopt;
    const auto pattern = static_cast<std::uint32_t>(*hex);
    return isSigned ? std::int64_t{signExtend(pattern, width)} : std::int64_t{pattern};
  }
  const DecimalCheck check = checkDecimal(
      text, {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()});
  if (!check.isNumber) return std::nullopt;
  return check.value;
}

ParsedValue parseDecimal(const Game& game, const FieldPath& path, std::string_view text,
                         bool isSigned) {
  const int width = entryWidth(path);
  const DecimalRange range = decimalRange(width, isSigned);
  if (const std::optional<std::uint64_t> hex = hexNumber(text)) {
    if (*hex > widthMask(width)) {
      return refuse(std::string(kValueTooLarge) + " (" + std::to_string(width) +
                    " bytes: at most " + std::to_string(2 * width) + " hexadecimal digits)");
    }
    return accept(game, path, width, static_cast<std::int64_t>(*hex));
  }
  const DecimalCheck check = checkDecimal(text, range);
  if (!check.isNumber) {
    return refuse(quoted(text) + " is not a number (" + dataRangeText(range) + ")");
  }
  if (!check.message.empty()) {
    return refuse(std::string(check.message) + " (" + dataRangeText(range) + ")");
  }
  return accept(game, path, width, check.value);
}

// The string reference entry takes a decimal offset of the game file; the reference the
// game stores for it is written.
ParsedValue parseStringOffset(const Game& game, const FieldPath& path, std::string_view text) {
  const DecimalRange range{0, std::int64_t{game.file.size()} - 1};
  const DecimalCheck check = checkDecimal(text, range);
  if (!check.isNumber) {
    return refuse(quoted(text) + " is not a decimal file offset (" + dataRangeText(range) + ")");
  }
  if (!check.message.empty()) {
    return refuse(std::string(check.message) + " (" + dataRangeText(range) + ")");
  }
  return accept(game, path, 4, offsetToReference(game, check.value));
}

// Members that name no item keep their bits, as the popup's toggles leave them.
ParsedValue parseSwitchSet(const Game& game, const FieldPath& path, std::string_view text,
                           int target) {
  const int width = entryWidth(path);
  const int members = std::min(game.itemCount(target), 8 * width);
  const std::uint32_t memberMask = members >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << members) - 1;
  const std::uint32_t keepMask = widthMask(width) & ~memberMask;
  std::uint32_t value = 0;
  if (!sameTrimmedName(text, "(none)")) {
    std::size_t start = 0;
    while (true) {
      const std::size_t comma = text.find(',', start);
      const std::string name = trimText(text.substr(start, comma - start));
      const int member = name.empty() ? -1 : findItem(game, target, name, members);
      if (member < 0) {
        return refuse("no member " + quoted(name) + " among the " +
                      std::string(sectionDef(target).label) + " (names separated by \",\", or " +
                      "\"(none)\")");
      }
      value |= std::uint32_t{1} << member;
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
  }
  return {
      FieldWrite{fieldAddress(game, path.section, path.item, path.field), width, value, keepMask},
      {}};
}

ParsedValue notInList(std::string_view text) {
  return refuse(quoted(text) + " is neither a name nor a number of the field's list");
}

ParsedValue parseItem(const Game& game, const FieldPath& path, std::string_view text, int target,
                      bool withNone, int count) {
  const int width = entryWidth(path);
  if (withNone && sameTrimmedName(text, "None")) return accept(game, path, width, -1);
  const int item = findItem(game, target, text, count);
  if (item >= 0) return accept(game, path, width, item);
  const std::optional<std::int64_t> number = listNumber(text, width, true);
  if (number && *number >= (withNone ? -1 : 0) && *number < count) {
    return accept(game, path, width, *number);
  }
  return refuse(quoted(text) + " is neither a name nor a number of the " +
                std::string(sectionDef(target).label) + " list (items #0..#" +
                std::to_string(count - 1) + (withNone ? ", or None" : "") + ")");
}

// The row values as the list stores them: a value one past the field's range (the last
// percent step, 256, in one byte) is stored as the largest value that fits.
ParsedValue parseTable(const Game& game, const FieldPath& path, std::string_view text,
                       ValueTable names) {
  const int width = entryWidth(path);
  const std::int64_t overflow = width < 4 ? std::int64_t{1} << (8 * width) : -1;
  const auto stored = [&](std::int64_t value) { return value == overflow ? value - 1 : value; };
  for (const ValueName& row : names) {
    if (sameTrimmedName(row.name, text)) return accept(game, path, width, stored(row.value));
  }
  const bool readSigned =
      width >= 4 || names.empty() || names.back().value < (std::int64_t{1} << (8 * width - 1));
  if (const std::optional<std::int64_t> number = listNumber(text, width, readSigned)) {
    for (const ValueName& row : names) {
      if (row.value == *number || stored(row.value) == *number) {
        return accept(game, path, width, stored(row.value));
      }
    }
  }
  return notInList(text);
}

ParsedValue parseGraphics(const Game& game, const FieldPath& path, std::string_view text) {
  const int width = entryWidth(path);
  const auto& graphics = game.version().graphicsNames->names;
  int last = static_cast<int>(graphics.size()) - 1;
  while (last >= 0 && graphics[last].empty()) --last;
  if (sameTrimmedName(text, "None")) return accept(game, path, width, -1);
  for (int k = 0; k <= last; ++k) {
    if (sameTrimmedName(graphics[k], text)) return accept(game, path, width, k);
  }
  const std::optional<std::int64_t> number = listNumber(text, width, true);
  if (number && *number >= -1 && *number <= last) return accept(game, path, width, *number);
  return notInList(text);
}

// The archives a file can be put in are those the PAK list offers; the list is built as the
// popup builds it, on a console that nobody sees.
int pakListCount(Game& game, const FieldPath& path) {
  MemoryConsole console;
  EditorContext ed{console, game, {}};
  ed.view().pane(kSectionPane).cursorRow = path.section;
  ed.view().pane(kItemPane).cursorRow = path.item;
  ed.view().pane(kFieldPane).cursorRow = path.field;
  buildPakList(ed);
  return ed.view().pane(kPopupPane).lastIndex + 1;
}

ParsedValue parseFlag(const Game& game, const FieldPath& path, std::string_view text) {
  const int bit = fieldType(path) - Bit1;
  const std::uint32_t mask = std::uint32_t{1} << bit;
  for (const ValueName& row : noYesNames) {
    if (sameTrimmedName(row.name, text) ||
        listNumber(text, 1, false) == std::optional<std::int64_t>{row.value}) {
      return accept(game, path, 1, row.value != 0 ? mask : 0, 0xFFu & ~mask);
    }
  }
  return refuse(quoted(text) + " is neither No nor Yes (nor 0 or 1)");
}

// The character entry takes letters only and changes the field's first byte.
ParsedValue parseLetter(const Game& game, const FieldPath& path, std::string_view text) {
  const bool letter = text.size() == 1 &&
                      ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
  if (!letter) return refuse(quoted(text) + " is not one letter (A..Z or a..z)");
  return accept(game, path, 1, static_cast<unsigned char>(text[0]));
}

}  // namespace

ParsedValue parseFieldValue(Game& game, const FieldPath& path, std::string_view text) {
  const ValueSyntax& syntax = syntaxOf(path);
  switch (syntax.kind) {
    case ValueKind::Signed:
      return parseDecimal(game, path, text, true);
    case ValueKind::Unsigned:
      return parseDecimal(game, path, text, false);
    case ValueKind::StringOffset:
      return parseStringOffset(game, path, text);
    case ValueKind::SwitchSet:
      return parseSwitchSet(game, path, text, syntax.target);
    case ValueKind::Items:
      return parseItem(game, path, text, syntax.target, syntax.withNone,
                       game.itemCount(syntax.target));
    case ValueKind::Table:
      return parseTable(game, path, text, *syntax.table);
    case ValueKind::Graphics:
      return parseGraphics(game, path, text);
    case ValueKind::Pak:
      return parseItem(game, path, text, kFiles, false, pakListCount(game, path));
    case ValueKind::Flag:
      return parseFlag(game, path, text);
    case ValueKind::Letter:
      return parseLetter(game, path, text);
    case ValueKind::Script:
      break;
  }
  return refuse("animation scripts are read-only");
}

void applyFieldWrite(GameFile& file, const FieldWrite& write) {
  std::uint32_t value = write.value;
  if (write.keepMask != 0) {
    value = (file.readLittleEndian(write.address, write.count) & write.keepMask) |
            (value & ~write.keepMask);
  }
  file.writeLittleEndian(write.address, value, write.count);
}

std::int64_t storedNumber(const Game& game, const FieldPath& path) {
  const int type = fieldType(path);
  if (isBitFlag(type)) return readBit(game, path.section, path.item, path.field, type - Bit1);
  switch (type) {
    case StringRef:
    case Ownership:
    case Prerequisites:
    case Percent16:
    case Character:
    case AllowedUnits:
    case AnimScript:
    case UnsignedByte:
    case Percent8:
      return readField(game, path.section, path.item, path.field);
    default:
      return readFieldSigned(game, path.section, path.item, path.field);
  }
}

}  // namespace vorn
