// Field values as text, for the command line: the value of an assignment checked against
// what the popup's editors accept for the field, and the stored number of a field.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/game.h"
#include "shell/field_path.h"

namespace vorn {

// One value to store: the low count bytes of value at address, except the bits set in
// keepMask, which keep what the file holds when the write is made (the other flags of a
// flag byte, the members of a switch set that name no item).
struct FieldWrite {
  std::uint32_t address;
  int count;
  std::uint32_t value;
  std::uint32_t keepMask;
};

struct ParsedValue {
  std::optional<FieldWrite> write;
  std::string error;  // why the text is refused, when write is empty
};

// Checks text as the value of the field at path, without writing anything:
// - Dword, SignedByte, Word, UnsignedByte: a decimal number in the field's signed (or, for
//   UnsignedByte, unsigned) range, or a hexadecimal bit pattern after "0x" or "$";
// - value tables, item references, graphics, PAK files, flags: a name of the field's list
//   or the number of one of its entries;
// - switch sets: member names separated by ",", or "(none)";
// - Character: one letter; StringRef: a decimal file offset inside the file;
// - AnimScript: refused, scripts are read-only.
ParsedValue parseFieldValue(Game& game, const FieldPath& path, std::string_view text);

// Stores one checked value with one positioned write.
void applyFieldWrite(GameFile& file, const FieldWrite& write);

// The number the field stores, as the decimal entry shows it as old value: sign-extended
// for signed numbers, names and indexes; unsigned for UnsignedByte, percentages, switch
// sets, characters and references; the bit (0 or 1) of a flag.
std::int64_t storedNumber(const Game& game, const FieldPath& path);

}  // namespace vorn
