// Sections, their field tables (the record layouts) and the data types.
#pragma once

#include <array>
#include <string_view>

#include "model/versions.h"

namespace vorn {

// Data type codes; -1 marks an empty field table entry.
enum DataType : int {
  NoType = -1,
  Dword = 0,
  SignedByte = 1,
  Word = 2,
  StringRef = 3,
  Ownership = 4,
  UnitCommand = 5,
  MovementType = 6,
  UnitType = 7,
  Foundation = 8,
  DecayFactor = 9,
  Prerequisites = 10,
  WeaponSound = 11,
  Bit1 = 12,
  Bit2 = 13,
  Bit3 = 14,
  Bit4 = 15,
  Bit5 = 16,
  Bit6 = 17,
  Bit7 = 18,
  Bit8 = 19,
  Percent16 = 20,
  MusicTrack = 21,
  Character = 22,
  PalaceAbility = 23,
  Graphics = 24,
  DisplayMode = 25,
  InterruptMode = 26,
  SidebarMode = 27,
  SoundClip = 28,
  ParentPak = 29,
  AllowedUnits = 30,
  AnimScript = 31,
  StructureGraphics = 32,
  UnsignedByte = 33,
  BoolWord = 34,
  Percent8 = 35,
  CraterType = 36,
};

inline constexpr int kDataTypeCount = 37;

// Section numbers.
inline constexpr int kMovement = -1;
inline constexpr int kUnits = 0;
inline constexpr int kStructures = 1;
inline constexpr int kHouses = 2;
inline constexpr int kTerrain = 3;
inline constexpr int kActions = 4;
inline constexpr int kVoices = 5;
inline constexpr int kMusic = 6;
inline constexpr int kFiles = 7;

struct FieldDef {
  int type;                // DataType code, -1 for no field
  std::string_view label;  // exactly 23 characters (empty for no field)
  int helpIndex;           // -1..41
};

inline constexpr int kFieldTableSize = 81;
using FieldTable = std::array<FieldDef, kFieldTableSize>;

struct SectionDef {
  std::string_view label;
  const FieldTable* fields;
  int nameField;               // field holding the name string reference, or -1
  const NameList* fixedNames;  // names of a section without a name field
};

// section -1..7
const SectionDef& sectionDef(int section);

// Description lines of a data type, each padded to 36 characters (an empty second line
// stays empty).
struct TypeDescription {
  std::string_view line1;
  std::string_view line2;
};
// code 0..36
const TypeDescription& typeDescription(int code);

// Bytes a field of this type occupies: 0, 1, 2 or 4 (0 for -1 and unknown codes).
int typeWidth(int code);

inline bool isBitFlag(int type) {
  return type >= Bit1 && type <= Bit8;
}

// Index of each section's last field, found by scanning down from entry 79 while the
// entry is empty.
int lastFieldIndex(int section);

// The byte offset of field n in its section's record (n is clamped to 0..81; 81 gives the
// size of the whole table's fields).
int fieldStartInRecord(int section, int field);

}  // namespace vorn
