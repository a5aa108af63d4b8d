// The section catalogue: every section's record layout as a table of fields, and the data
// types that fix each field's width, display and editor.
#include "model/catalogue.h"

#include <algorithm>
#include <initializer_list>

#include "values/value_names.h"

namespace vorn {
namespace {

constexpr FieldDef kNoField{NoType, "", 0};

// A field table with the given fields at 0, 1, 2, ... and empty entries after them.
constexpr FieldTable makeFieldTable(std::initializer_list<FieldDef> fields) {
  FieldTable table{};
  for (FieldDef& entry : table) entry = kNoField;
  int index = 0;
  for (const FieldDef& field : fields) table[index++] = field;
  return table;
}

// The comments give each field's index and its byte offset in the record.
constexpr FieldTable kMovementFields = makeFieldTable({
    {StringRef, "Name string reference  ", 3},  // 0, offset 0
});

constexpr FieldTable kUnitsFields = makeFieldTable({
    {Word, "Short name ID          ", 2},            // 0, offset 0
    {StringRef, "Name string reference  ", 3},       // 1, offset 2
    {Word, "Long name ID           ", 2},            // 2, offset 6
    {StringRef, "MVX filename string ref", 3},       // 3, offset 8
    {Bit1, "Generate shadow        ", 0},            // 4, offset 12
    {Bit2, "Is factory            *", 37},           // 5, offset 12
    {Bit3, "(Unused bit flag 03)   ", 0},            // 6, offset 12
    {Bit4, "No concrete needed    *", 37},           // 7, offset 12
    {Bit5, "Can receive airdrops  *", 37},           // 8, offset 12
    {Bit6, "Worm camouflage        ", 0},            // 9, offset 12
    {Bit7, "Has a rotating turret  ", 0},            // 10, offset 12
    {Bit8, "Can be captured       *", 37},           // 11, offset 12
    {Bit1, "Pick up for repairs    ", 0},            // 12, offset 13
    {Bit2, "No death message       ", 0},            // 13, offset 13
    {Bit3, "TAB selects this       ", 0},            // 14, offset 13
    {Bit4, "Full CPU outside screen", 19},           // 15, offset 13
    {Bit5, "Can target air units   ", 0},            // 16, offset 13
    {Bit6, "Is a priority target   ", 32},           // 17, offset 13
    {Bit7, "(Unused bit flag 07)   ", 0},            // 18, offset 13
    {Bit8, "(Unused bit flag 08)   ", 0},            // 19, offset 13
    {Percent16, "Infantry spawn chance  ", 13},      // 20, offset 14
    {Word, "Hit points             ", 0},            // 21, offset 16
    {Word, "Sight                  ", 0},            // 22, offset 18
    {Graphics, "Sidebar icon           ", 24},       // 23, offset 20
    {Word, "Cost                   ", 0},            // 24, offset 22
    {Word, "Build Time             ", 0},            // 25, offset 24
    {Word, "Tech level             ", 0},            // 26, offset 26
    {Prerequisites, "Prerequisites          ", 10},  // 27, offset 28
    {SignedByte, "Build icon order       ", 17},     // 28, offset 32
    {SignedByte, "Upgrades needed        ", 0},      // 29, offset 33
    {UnitCommand, "Sidebar command #1     ", 5},     // 30, offset 34
    {UnitCommand, "Sidebar command #2     ", 5},     // 31, offset 36
    {UnitCommand, "Sidebar command #3     ", 5},     // 32, offset 38
    {UnitCommand, "Sidebar command #4     ", 5},     // 33, offset 40
    {SignedByte, "CHOAM status (unusable)", 39},     // 34, offset 42
    {Word, "Hint string ID         ", 2},            // 35, offset 43
    {Word, "AI build priority      ", 0},            // 36, offset 45
    {Word, "Threat level for AI    ", 33},           // 37, offset 47
    {Ownership, "Owner                  ", 4},       // 38, offset 49
    {Word, "Unit array range min   ", 34},           // 39, offset 50
    {Word, "Unit array range max   ", 34},           // 40, offset 52
    {Bit1, "(Unused bit flag 01)   ", -1},           // 41, offset 54
    {Bit2, "Is a bullet            ", 0},            // 42, offset 54
    {Bit3, "Explode when dying     ", 0},            // 43, offset 54
    {Bit4, "Sonic Immunity         ", 0},            // 44, offset 54
    {Bit5, "Bumpy Movement         ", 0},            // 45, offset 54
    {Bit6, "Tracked crushing       ", 0},            // 46, offset 54
    {Bit7, "Ground unit            ", 0},            // 47, offset 54
    {Bit8, "Stay on map (air units)", 0},            // 48, offset 54
    {Bit1, "(Unused bit flag 01)   ", -1},           // 49, offset 55
    {Bit2, "(Unused bit flag 02)   ", -1},           // 50, offset 55
    {Bit3, "Fires Twice            ", 0},            // 51, offset 55
    {Bit4, "Sand impact (bullet)   ", 18},           // 52, offset 55
    {Bit5, "Deviation immunity     ", 0},            // 53, offset 55
    {Bit6, "Has two anims (bullet) ", 0},            // 54, offset 55
    {Bit7, "Is inaccurate (bullet) ", 0},            // 55, offset 55
    {Bit8, "Is a normal unit       ", 0},            // 56, offset 55
    {Word, "Sprite dimensions      ", 0},            // 57, offset 56
    {Word, "Unknown 031 (unused?)  ", -1},           // 58, offset 58
    {MovementType, "Movement type          ", 6},    // 59, offset 60
    {Word, "Move animation speed   ", 0},            // 60, offset 62
    {Word, "Speed                  ", 0},            // 61, offset 64
    {Word, "Turning speed          ", 0},            // 62, offset 66
    {Graphics, "Unit graphics          ", 24},       // 63, offset 68
    {Graphics, "Turret graphics        ", 24},       // 64, offset 70
    {UnitCommand, "Default AI command     ", 0},     // 65, offset 72
    {DisplayMode, "Unit display mode      ", 25},    // 66, offset 74
    {Graphics, "Death animation        ", 16},       // 67, offset 76
    {Word, "Weapon rate of fire    ", 0},            // 68, offset 78
    {Word, "Weapon range           ", 0},            // 69, offset 80
    {Word, "Weapon damage          ", 0},            // 70, offset 82
    {Word, "Special animation      ", 35},           // 71, offset 84
    {UnitType, "Weapon type            ", 7},        // 72, offset 86
    {WeaponSound, "Weapon sound           ", 11},    // 73, offset 88
});

constexpr FieldTable kStructuresFields = makeFieldTable({
    {Word, "Short name ID          ", 2},                // 0, offset 0
    {StringRef, "Name string reference  ", 3},           // 1, offset 2
    {Word, "Long name ID           ", 2},                // 2, offset 6
    {StringRef, "MVX filename string ref", 3},           // 3, offset 8
    {Bit1, "Generate shadow       *", 38},               // 4, offset 12
    {Bit2, "Is factory             ", 0},                // 5, offset 12
    {Bit3, "(Unused bit flag 03)   ", 0},                // 6, offset 12
    {Bit4, "No concrete needed     ", 0},                // 7, offset 12
    {Bit5, "Can receive airdrops   ", 0},                // 8, offset 12
    {Bit6, "Worm camouflage       *", 38},               // 9, offset 12
    {Bit7, "Has a rotating turret *", 38},               // 10, offset 12
    {Bit8, "Can be captured        ", 0},                // 11, offset 12
    {Bit1, "Pick up for repairs   *", 38},               // 12, offset 13
    {Bit2, "No death message      *", 38},               // 13, offset 13
    {Bit3, "TAB selects this      *", 38},               // 14, offset 13
    {Bit4, "Full CPU outside scrn *", 38},               // 15, offset 13
    {Bit5, "Can target air units  *", 38},               // 16, offset 13
    {Bit6, "Is a priority target  *", 38},               // 17, offset 13
    {Bit7, "(Unused bit flag 07)   ", 0},                // 18, offset 13
    {Bit8, "(Unused bit flag 08)   ", 0},                // 19, offset 13
    {Percent16, "Inf spawn chance / cell", 13},          // 20, offset 14
    {Word, "Hit points             ", 0},                // 21, offset 16
    {Word, "Sight                  ", 0},                // 22, offset 18
    {Graphics, "Sidebar icon           ", 24},           // 23, offset 20
    {Word, "Cost                   ", 0},                // 24, offset 22
    {Word, "Build Time             ", 0},                // 25, offset 24
    {Word, "Tech level             ", 0},                // 26, offset 26
    {Prerequisites, "Prerequisites          ", 10},      // 27, offset 28
    {SignedByte, "Build icon order       ", 17},         // 28, offset 32
    {SignedByte, "CY upgrades needed     ", 0},          // 29, offset 33
    {UnitCommand, "Sidebar command #1    *", 38},        // 30, offset 34
    {UnitCommand, "Sidebar command #2    *", 38},        // 31, offset 36
    {UnitCommand, "Sidebar command #3    *", 38},        // 32, offset 38
    {UnitCommand, "Sidebar command #4    *", 38},        // 33, offset 40
    {SignedByte, "CHOAM status          *", 38},         // 34, offset 42
    {Word, "Hint string ID         ", 2},                // 35, offset 43
    {Word, "AI build priority      ", 0},                // 36, offset 45
    {Word, "Threat level for AI    ", 33},               // 37, offset 47
    {Ownership, "Owner                  ", 4},           // 38, offset 49
    {AllowedUnits, "Units allowed to enter ", 0},        // 39, offset 50
    {Word, "Spice storage          ", 0},                // 40, offset 54
    {Word, "Power consumed         ", 0},                // 41, offset 56
    {Foundation, "Foundation size        ", 8},          // 42, offset 58
    {StructureGraphics, "Structure graphics ID  ", 36},  // 43, offset 60
    {AnimScript, "Anim: Normal           ", 31},         // 44, offset 62
    {AnimScript, "Anim: Production busy  ", 31},         // 45, offset 66
    {AnimScript, "Anim: Production ended ", 31},         // 46, offset 70
    {UnitType, "Construction optn #1   ", 12},           // 47, offset 74
    {UnitType, "Construction optn #2   ", 12},           // 48, offset 76
    {UnitType, "Construction optn #3   ", 12},           // 49, offset 78
    {UnitType, "Construction optn #4   ", 12},           // 50, offset 80
    {UnitType, "Construction optn #5   ", 12},           // 51, offset 82
    {UnitType, "Construction optn #6   ", 12},           // 52, offset 84
    {UnitType, "Construction optn #7   ", 12},           // 53, offset 86
    {UnitType, "Construction optn #8   ", 12},           // 54, offset 88
    {Word, "1st upgrade tech level ", 15},               // 55, offset 90
    {Word, "2nd upgrade tech level ", 15},               // 56, offset 92
    {Word, "3rd upgrade tech level ", 15},               // 57, offset 94
});

constexpr FieldTable kHousesFields = makeFieldTable({
    {StringRef, "Name string reference  ", 3},       // 0, offset 0
    {Percent16, "Weakness to deviation  ", 20},      // 1, offset 4
    {Word, "LemonFactor (?)        ", 0},            // 2, offset 6
    {DecayFactor, "Decay factor           ", 9},     // 3, offset 8
    {Word, "Radar color index      ", 14},           // 4, offset 10
    {Word, "Palace recharge time   ", 0},            // 5, offset 12
    {Word, "Frigate delay time     ", 0},            // 6, offset 14
    {Character, "Voice prefix letter    ", 22},      // 7, offset 16
    {PalaceAbility, "Palace special ability ", 23},  // 8, offset 18
    {MusicTrack, "Win music              ", 21},     // 9, offset 20
    {MusicTrack, "Lose music             ", 21},     // 10, offset 22
    {MusicTrack, "Mentat music           ", 21},     // 11, offset 24
    {StringRef, "House voice reference  ", 3},       // 12, offset 26
});

constexpr FieldTable kTerrainFields = makeFieldTable({
    {Word, "Name ID                ", 2},        // 0, offset 0
    {Word, "Unknown 02             ", 0},        // 1, offset 2
    {Percent8, "Moving speed: Foot     ", 0},    // 2, offset 4
    {Percent8, "Moving speed: Tracked  ", 0},    // 3, offset 5
    {Percent8, "Moving speed: Harvester", 0},    // 4, offset 6
    {Percent8, "Moving speed: Wheeled  ", 0},    // 5, offset 7
    {Percent8, "Moving speed: Winged   ", 0},    // 6, offset 8
    {Percent8, "Moving speed: Slither  ", 0},    // 7, offset 9
    {BoolWord, "Let unit wobble        ", 0},    // 8, offset 10
    {BoolWord, "Valid for structure 1  ", 0},    // 9, offset 12
    {BoolWord, "is sand                ", 0},    // 10, offset 14
    {BoolWord, "Valid for structure 2  ", 0},    // 11, offset 16
    {Word, "Spice value            ", 40},       // 12, offset 18
    {CraterType, "Crater type            ", 0},  // 13, offset 20
    {Word, "Radar color index      ", 14},       // 14, offset 22
    {Word, "Sprite ID              ", 0},        // 15, offset 24
    {Word, "Hint ID                ", 41},       // 16, offset 26
});

constexpr FieldTable kActionsFields = makeFieldTable({
    {Word, "Name ID                ", 2},            // 0, offset 0
    {StringRef, "Name string reference  ", 3},       // 1, offset 2
    {InterruptMode, "Action interrupt mode  ", 26},  // 2, offset 6
    {SidebarMode, "Sidebar mode           ", 27},    // 3, offset 8
    {SoundClip, "Response sound         ", 28},      // 4, offset 10
});

constexpr FieldTable kVoicesFields = makeFieldTable({
    {StringRef, "Filename string ref.   ", 3},  // 0, offset 0
    {Word, "Sound priority         ", 0},       // 1, offset 4
});

constexpr FieldTable kMusicFields = makeFieldTable({
    {StringRef, "Filename string ref.   ", 3},  // 0, offset 0
    {Word, "Track in this file     ", 0},       // 1, offset 4
});

constexpr FieldTable kFilesFields = makeFieldTable({
    {StringRef, "Filename string ref.   ", 3},    // 0, offset 0
    {Dword, "File size              ", 0},        // 1, offset 4
    {Dword, "Buffer ptr   (unusable)", 39},       // 2, offset 8
    {Dword, "Fileread ptr (unusable)", 39},       // 3, offset 12
    {ParentPak, "Parent file            ", 29},   // 4, offset 16
    {SignedByte, "Unknown 011            ", -1},  // 5, offset 17
    {Bit1, "Is mapped in memory    ", 0},         // 6, offset 18
    {Bit2, "Is loaded in XMS memory", 0},         // 7, offset 18
    {Bit3, "(Unused bit flag 03)   ", 0},         // 8, offset 18
    {Bit4, "(Unused bit flag 04)   ", 0},         // 9, offset 18
    {Bit5, "Can be loaded from PAK ", 0},         // 10, offset 18
    {Bit6, "(Unused bit flag 06)   ", 0},         // 11, offset 18
    {Bit7, "(Unused bit flag 07)   ", 0},         // 12, offset 18
    {Bit8, "(Unused bit flag 08)   ", 0},         // 13, offset 18
});

constexpr std::array<SectionDef, kSectionCount> kSections = {{
    {"Movement", &kMovementFields, 0, nullptr},
    {"Units", &kUnitsFields, 1, nullptr},
    {"Structures", &kStructuresFields, 1, nullptr},
    {"Houses", &kHousesFields, 0, nullptr},
    {"Terrain", &kTerrainFields, -1, &terrainNames},
    {"Actions", &kActionsFields, 1, nullptr},
    {"Voices", &kVoicesFields, 0, nullptr},
    {"Music", &kMusicFields, -1, &musicNames},
    {"Files", &kFilesFields, 0, nullptr},
}};

// Flag types Bit1..Bit7 share the byte that the Bit8 field after them occupies.
constexpr int widthOf(int code) {
  switch (code) {
    case Dword:
    case StringRef:
    case Prerequisites:
    case AllowedUnits:
    case AnimScript:
      return 4;
    case SignedByte:
    case Ownership:
    case Bit8:
    case ParentPak:
    case UnsignedByte:
    case Percent8:
      return 1;
    case Word:
    case UnitCommand:
    case MovementType:
    case UnitType:
    case Foundation:
    case DecayFactor:
    case WeaponSound:
    case Percent16:
    case MusicTrack:
    case Character:
    case PalaceAbility:
    case Graphics:
    case DisplayMode:
    case InterruptMode:
    case SidebarMode:
    case SoundClip:
    case StructureGraphics:
    case BoolWord:
    case CraterType:
      return 2;
    default:
      return 0;
  }
}

// Scans down from entry 79 (entry 80 is never a field) while the entry is empty.
constexpr int findLastField(const FieldTable& fields) {
  int i = kFieldTableSize - 2;
  while (i > 0 && fields[i].type == NoType) --i;
  return i;
}

constexpr std::array<int, kSectionCount> kLastFieldIndexes = [] {
  std::array<int, kSectionCount> indexes{};
  for (int s = 0; s < kSectionCount; ++s) indexes[s] = findLastField(*kSections[s].fields);
  return indexes;
}();

constexpr int recordBytes(int section) {
  const FieldTable& fields = *kSections[section + 1].fields;
  int size = 0;
  for (int f = 0; f <= kLastFieldIndexes[section + 1]; ++f) size += widthOf(fields[f].type);
  return size;
}

// Where each field starts in its record: the widths of the fields before it, added up
// once here rather than at every value read. Entry kFieldTableSize is the end of the table.
constexpr auto kFieldStarts = [] {
  std::array<std::array<int, kFieldTableSize + 1>, kSectionCount> starts{};
  for (int s = 0; s < kSectionCount; ++s) {
    const FieldTable& fields = *kSections[s].fields;
    for (int f = 0; f < kFieldTableSize; ++f)
      starts[s][f + 1] = starts[s][f] + widthOf(fields[f].type);
  }
  return starts;
}();

static_assert(recordBytes(kMovement) == 4);
static_assert(recordBytes(kUnits) == 90);
static_assert(recordBytes(kStructures) == 96);
static_assert(recordBytes(kHouses) == 30);
static_assert(recordBytes(kTerrain) == 28);
static_assert(recordBytes(kActions) == 12);
static_assert(recordBytes(kVoices) == 6);
static_assert(recordBytes(kMusic) == 6);
static_assert(recordBytes(kFiles) == 19);

// Every field label is stored padded to 23 characters; empty entries have none.
constexpr bool labelsWellFormed(const FieldTable& fields) {
  for (const FieldDef& field : fields) {
    if (field.type == NoType ? !field.label.empty() || field.helpIndex != 0
                             : field.label.size() != 23)
      return false;
  }
  return true;
}

static_assert([] {
  for (const SectionDef& section : kSections)
    if (!labelsWellFormed(*section.fields)) return false;
  return true;
}());

constexpr std::array<TypeDescription, kDataTypeCount> kTypeDescriptions = {{
    {"Quadruple byte                      ", "(-2147483648,2147483647)            "},  // 0 Dword
    {"Single byte (-128,127)              ", ""},  // 1 SignedByte
    {"Double byte (-32768,32767)          ", ""},  // 2 Word
    {"Reference to 0-terminated string.   ",
     "Give decimal offset in the EXE.     "},  // 3 StringRef
    {"Ownership. Press space to select or ",
     "deselect a side.                    "},  // 4 Ownership
    {"Unit command. Select one from the   ",
     "list.                               "},  // 5 UnitCommand
    {"Movement type.  Select one from the ",
     "list.                               "},      // 6 MovementType
    {"Unit. Select one from the list.     ", ""},  // 7 UnitType
    {"Foundation dimensions. Select one   ",
     "from the list.                      "},  // 8 Foundation
    {"Decay factor. Indicates decay damage",
     "dealt to structures of this house.  "},  // 9 DecayFactor
    {"Prerquisite structures. Press space ",
     "to select or deselect a structure.  "},  // 10 Prerequisites
    {"Weapon Sounds. Select one from the  ",
     "list.                               "},      // 11 WeaponSound
    {"Boolean (Yes/No) - bit 1            ", ""},  // 12 Bit1
    {"Boolean (Yes/No) - bit 2            ", ""},  // 13 Bit2
    {"Boolean (Yes/No) - bit 3            ", ""},  // 14 Bit3
    {"Boolean (Yes/No) - bit 4            ", ""},  // 15 Bit4
    {"Boolean (Yes/No) - bit 5            ", ""},  // 16 Bit5
    {"Boolean (Yes/No) - bit 6            ", ""},  // 17 Bit6
    {"Boolean (Yes/No) - bit 7            ", ""},  // 18 Bit7
    {"Boolean (Yes/No) - bit 8            ", ""},  // 19 Bit8
    {"Percentage. Select a value from the ",
     "list or use [F5] for full editing.  "},      // 20 Percent16
    {"Music. Select a track from the list.", ""},  // 21 MusicTrack
    {"Character. Type a character and     ",
     "press [ENTER] to confirm.           "},  // 22 Character
    {"Palace Special Ability for this     ",
     "House. Select one from the list.    "},  // 23 PalaceAbility
    {"Graphics. Select one from the list. ",
     "000 is sometimes used as \"None\" too."},  // 24 Graphics
    {"Graphics display mode. Determines   ",
     "how this unit's frames are shown.   "},  // 25 DisplayMode
    {"Action interrupt mode. Determines   ",
     "how this action is executed.        "},  // 26 InterruptMode
    {"Sidebar mode. Determines which      ",
     "sidebar to use to give this command."},  // 27 SidebarMode
    {"Sound clip. These are SB sound      ",
     "files.                              "},  // 28 SoundClip
    {"Parent PAK file. The .PAK archive   ",
     "in which this file needs to be.     "},  // 29 ParentPak
    {"Allowed units. Press space to select",
     "or deselect a unit.                 "},  // 30 AllowedUnits
    {"Animation scripts can't be edited,  ",
     "but you can look at the actions.    "},  // 31 AnimScript
    {"Structure graphics ID. Represents   ",
     "an index in the ICON.MAP file.      "},      // 32 StructureGraphics
    {"Single byte (0,255)                 ", ""},  // 33 UnsignedByte
    {"Boolean (Yes/No) as two bytes       ", ""},  // 34 BoolWord
    {"Percentage. Select a value from the ",
     "list or use [F4] for full editing.  "},  // 35 Percent8
    {"Crater type that appears when a     ",
     "missile explodes on this terrain.   "},  // 36 CraterType
}};

static_assert([] {
  for (const TypeDescription& d : kTypeDescriptions)
    if (d.line1.size() != 36 || (d.line2.size() != 36 && !d.line2.empty())) return false;
  return true;
}());

}  // namespace

const SectionDef& sectionDef(int section) {
  return kSections[section + 1];
}

const TypeDescription& typeDescription(int code) {
  return kTypeDescriptions[code];
}

int typeWidth(int code) {
  return widthOf(code);
}

int lastFieldIndex(int section) {
  return kLastFieldIndexes[section + 1];
}

int fieldStartInRecord(int section, int field) {
  return kFieldStarts[section + 1][std::clamp(field, 0, kFieldTableSize)];
}

}  // namespace vorn
