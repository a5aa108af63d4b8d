// The constant tables that turn stored field values into words. The game file holds only
// the numbers; the names are the editor's own. Padded names are built here at compile time
// from their visible text, so every trailing blank is exactly where the screen cuts (17 and
// 19 characters) expect it.
#include "values/value_names.h"

#include <array>
#include <cstddef>

namespace vorn {

namespace {

// Fixed-width character storage for padded names; the views in the tables point into it.
template <std::size_t Width, std::size_t Count>
using PaddedStore = std::array<std::array<char, Width>, Count>;

// Copies text into a blank-filled cell of Width characters. A text that does not fit stops
// the compilation (a throw is not a constant expression).
template <std::size_t Width>
constexpr void padInto(std::array<char, Width>& cell, std::string_view text) {
  if (text.size() > Width) throw "name longer than its padded width";
  cell.fill(' ');
  for (std::size_t k = 0; k < text.size(); ++k) cell[k] = text[k];
}

template <std::size_t Width, std::size_t Count>
constexpr PaddedStore<Width, Count> padAll(const std::array<std::string_view, Count>& texts) {
  PaddedStore<Width, Count> store{};
  for (std::size_t i = 0; i < Count; ++i) padInto(store[i], texts[i]);
  return store;
}

template <std::size_t Width, std::size_t Count>
constexpr std::string_view viewOf(const PaddedStore<Width, Count>& store, std::size_t i) {
  return {store[i].data(), Width};
}

// Rows whose names are padded: the value and the visible text.
struct RawRow {
  std::int32_t value;
  std::string_view text;
};

template <std::size_t Width, std::size_t Count>
constexpr PaddedStore<Width, Count> padRows(const std::array<RawRow, Count>& rows) {
  PaddedStore<Width, Count> store{};
  for (std::size_t i = 0; i < Count; ++i) padInto(store[i], rows[i].text);
  return store;
}

template <std::size_t Width, std::size_t Count>
constexpr std::array<ValueName, Count> paddedRows(const std::array<RawRow, Count>& rows,
                                                  const PaddedStore<Width, Count>& store) {
  std::array<ValueName, Count> result{};
  for (std::size_t i = 0; i < Count; ++i) result[i] = {rows[i].value, viewOf(store, i)};
  return result;
}

template <std::size_t Width, std::size_t Count>
constexpr bool allNamesHaveWidth(const std::array<ValueName, Count>& rows) {
  for (const ValueName& row : rows)
    if (row.name.size() != Width) return false;
  return true;
}

// ---------------------------------------------------------------------------------------
// Small tables, names as they stand.

constexpr std::array<ValueName, 2> kNoYes{{{0, "No"}, {1, "Yes"}}};

constexpr std::array<ValueName, 7> kFoundation{
    {{0, "1x1"}, {1, "2x1"}, {2, "1x2"}, {3, "2x2"}, {4, "2x3"}, {5, "3x2"}, {6, "3x3"}}};

constexpr std::array<ValueName, 4> kPalaceAbility{
    {{0, "None"}, {1, "Death Hand"}, {2, "Fremen"}, {3, "Saboteur"}}};

constexpr std::array<ValueName, 6> kDisplayMode{{{0, "Use single frame"},
                                                 {1, "Normal (unit)"},
                                                 {2, "Normal (weapon)"},
                                                 {3, "Normal frames * 3"},
                                                 {4, "Normal frames * 4"},
                                                 {5, "'Thopter special"}}};

constexpr std::array<ValueName, 3> kInterruptMode{
    {{0, "Finish action cycle"}, {1, "Interrupt action"}, {2, "Subroutine action"}}};

// Value 2 makes the game crash, which the name says in full; the screen cuts every sidebar
// name to 17 characters, so the warning shows only in the rules dump.
constexpr std::array<ValueName, 4> kSidebarMode{{{1, "Select target    "},
                                                 {2, "Place structure   (CRASHES)"},
                                                 {3, "Keep commands bar"},
                                                 {4, "Clear sidebar    "}}};
static_assert(kSidebarMode[0].name.size() == 17 && kSidebarMode[1].name.size() == 27 &&
              kSidebarMode[2].name.size() == 17 && kSidebarMode[3].name.size() == 17);

// Indexes into the ICON.MAP file; there is no group 0.
constexpr std::array<RawRow, 26> kStructureGraphicsRaw{{
    {1, "01: Rock craters"},   {2, "02: Sand craters"},   {3, "03: Debris"},
    {4, "04: Dead bodies"},    {5, "05: Sand tracks"},    {6, "06: Wall"},
    {7, "07: Fog-of-war"},     {8, "08: Concrete slab"},  {9, "09: landscape"},
    {10, "10: Spice blooms"},  {11, "11: House Palace"},  {12, "12: Light Factory"},
    {13, "13: Heavy Factory"}, {14, "14: Hi-Tech"},       {15, "15: IX"},
    {16, "16: WOR"},           {17, "17: Constr. Yard"},  {18, "18: Barracks"},
    {19, "19: Windtrap"},      {20, "20: Starport"},      {21, "21: Refinery"},
    {22, "22: Repair"},        {23, "23: Gun Turret"},    {24, "24: Rocket Turret"},
    {25, "25: Silo"},          {26, "26: Radar Outpost"},
}};
constexpr auto kStructureGraphicsStore = padRows<17>(kStructureGraphicsRaw);
constexpr auto kStructureGraphics = paddedRows(kStructureGraphicsRaw, kStructureGraphicsStore);
static_assert(allNamesHaveWidth<17>(kStructureGraphics));

// ---------------------------------------------------------------------------------------
// Weapon sounds, in the order the selection list shows them (not value order). Every name is
// 27 characters; the sounds played from a VOC file end in "(VOC)" at characters 23..27.

struct SoundRow {
  std::int32_t value;
  std::string_view text;
  bool voc;
};

constexpr int kSoundWidth = 27;
constexpr std::string_view kVocMark = "(VOC)";

constexpr std::array<SoundRow, 36> kWeaponSoundRaw{{
    {-1, "None", false},
    {0, "Not Applicable", false},
    {20, "Place down", false},
    {22, "Twinkling", false},
    {23, "Intro chord", false},
    {24, "Carryall dropoff", false},
    {30, "Infantry kill 1", true},
    {35, "Infantry kill 2", true},
    {33, "Infantry kill 3", true},
    {34, "Infantry kill 4", true},
    {31, "Infantry kill 5", true},
    {36, "Infantry crush", true},
    {38, "Click", true},
    {39, "Missile", true},
    {40, "Hit sand", true},
    {41, "Tank shot", true},
    {42, "Rocket", true},
    {43, "Sonic wave", false},
    {44, "Structure crumble", true},
    {46, "Death Hand target", false},
    {47, "\"Cannot Place\" beep", false},
    {49, "Tank shot", true},
    {55, "Tank shot", true},
    {51, "Exploding unit", true},
    {52, "Money increase", false},
    {53, "Money decrease", false},
    {54, "Weapon hit", false},
    {56, "Tank shot", true},
    {57, "Tank shot", true},
    {58, "Single gun", true},
    {59, "Machinegun", true},
    {60, "\"Constr. Complete\"", true},
    {61, "Plingplong", false},
    {62, "Radar static", true},
    {63, "Worm attack", true},
    {64, "Mini Rocket", true},
}};

constexpr PaddedStore<kSoundWidth, 36> padSounds(const std::array<SoundRow, 36>& rows) {
  PaddedStore<kSoundWidth, 36> store{};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::size_t room = rows[i].voc ? kSoundWidth - kVocMark.size() : kSoundWidth;
    if (rows[i].text.size() > room) throw "weapon sound name too long";
    padInto(store[i], rows[i].text);
    if (rows[i].voc)
      for (std::size_t k = 0; k < kVocMark.size(); ++k) store[i][room + k] = kVocMark[k];
  }
  return store;
}

constexpr auto kWeaponSoundStore = padSounds(kWeaponSoundRaw);

constexpr std::array<ValueName, 36> makeSoundRows() {
  std::array<ValueName, 36> rows{};
  for (std::size_t i = 0; i < rows.size(); ++i)
    rows[i] = {kWeaponSoundRaw[i].value, viewOf(kWeaponSoundStore, i)};
  return rows;
}
constexpr auto kWeaponSound = makeSoundRows();
static_assert(allNamesHaveWidth<kSoundWidth>(kWeaponSound));

// ---------------------------------------------------------------------------------------
// Percentages in steps of 1/16. The last step, 256, does not fit a one-byte field; the list
// stores 255 there instead.

constexpr std::array<ValueName, 17> kPercentSteps{{
    {0, "  0.00 %"},
    {16, "  6.25 %"},
    {32, " 12.50 %"},
    {48, " 18.75 %"},
    {64, " 25.00 %"},
    {80, " 31.25 %"},
    {96, " 37.50 %"},
    {112, " 43.75 %"},
    {128, " 50.00 %"},
    {144, " 56.25 %"},
    {160, " 62.50 %"},
    {176, " 68.75 %"},
    {192, " 75.00 %"},
    {208, " 81.25 %"},
    {224, " 87.50 %"},
    {240, " 93.75 %"},
    {256, "100.00 %"},
}};
static_assert(allNamesHaveWidth<8>(kPercentSteps));

// A house's decay factor k deals k + 1 damage to its structures; -1 switches decay off.
constexpr std::array<ValueName, 11> kDecayFactor{{
    {-1, "No decay"},
    {0, "0 (damage=1)"},
    {1, "1 (damage=2)"},
    {2, "2 (damage=3)"},
    {3, "3 (damage=4)"},
    {4, "4 (damage=5)"},
    {5, "5 (damage=6)"},
    {6, "6 (damage=7)"},
    {7, "7 (damage=8)"},
    {8, "8 (damage=9)"},
    {9, "9 (damage=10)"},
}};

constexpr std::array<ValueName, 3> kCrater{{{0, "None"}, {1, "Sand crater"}, {2, "Rock crater"}}};

// ---------------------------------------------------------------------------------------
// Graphics (shape) numbers of the releases with 355 shapes.

constexpr int kGraphicsWidth = 19;
constexpr std::size_t kGraphicsCount = 355;

constexpr std::array<std::string_view, kGraphicsCount> kGraphicsRaw{{
    "Mouse: arrow",
    "Mouse: Scroll up",
    "Mouse: Scroll left",
    "Mouse: Scroll down",
    "Mouse: Scroll right",
    "Mouse: Target",
    "Selection indicator",
    "MENTAT button",
    "MENTAT btn (pushed)",
    "OPTIONS button",
    "OPTIONS btn(pushed)",
    "\"Credits\" text",
    "Money Bar",
    "Counter: empty",
    "Counter: 0",
    "Counter: 1",
    "Counter: 2",
    "Counter: 3",
    "Counter: 4",
    "Counter: 5",
    "Counter: 6",
    "Counter: 7",
    "Counter: 8",
    "Counter: 9",
    "Foundation preview",
    "Option (unselected)",
    "Option (selected)",
    "Health indicators",
    "Icon: Attack",
    "Icon: Move",
    "Icon: Death Hand",
    "Red dot   2x2",
    "Red dot   3x3",
    "Blue dot  2x2",
    "Blue dot  3x3",
    "Green dot 2x2",
    "Green dot 3x3",
    "Sand dot 2x2",
    "Sand dot 3x3",
    "Concrete dot 2x2",
    "Concrete dot 3x3",
    "Spice dot 2x2",
    "Spice dot 3x3",
    "Vorns dot 2x2",
    "Vorns dot 3x3",
    "Rock dot 2x2",
    "Rock dot 3x3",
    "Dark concr dot 2x2",
    "Dark concr dot 3x3",
    "Black dot 2x2",
    "Black dot 3x3",
    "Dark blue dot 2x2",
    "Dark blue dot 3x3",
    "brown dot 2x2",
    "brown dot 3x3",
    "White dot 2x2",
    "White dot 3x3",
    "Dark brown dot 2x2",
    "Dark brown dot 3x3",
    "Arrow up",
    "Arrow up (pushed)",
    "Arrow down",
    "Arrow down (pushed)",
    "Foundation grid",
    "Black square",
    "Icon: Concrete Slab",
    "Icon: Palace",
    "Icon: Light Factory",
    "Icon: Heavy Factory",
    "Icon: Hi-Tech",
    "Icon: House of IX",
    "Icon: WOR",
    "Icon: Constr. Yard",
    "Icon: Wind Trap",
    "Icon: Barracks",
    "Icon: Starport",
    "Icon: Refinery",
    "Icon: Repair",
    "Icon: Wall",
    "Icon: Gun Turret",
    "Icon: Rocket turret",
    "Icon: Silo",
    "Icon: Radar Outpost",
    "Icon: Large Concr.",
    "Icon: Siege Tank",
    "Icon: Rocket Lnchr.",
    "Icon: Quad",
    "Icon: Devastator",
    "Icon: Trooper",
    "Icon: Carryall",
    "Icon: Combat Tank",
    "Icon: Sonic Tank",
    "Icon: Trike",
    "Icon: Inf. Squad",
    "Icon: Fremen Squad",
    "Icon: Sardaukar",
    "Icon: Saboteur",
    "Icon: Ornithopter",
    "Icon: Deviator",
    "Icon: Raider Trike",
    "Icon: Harvester",
    "Icon: MCV",
    "Icon: Soldier",
    "Icon: Trooper Squad",
    "Icon: Fremen",
    "Icon: Sandworm",
    "Icon: Spice",
    "Icon: Sand",
    "Icon: Vorns",
    "Icon: Rock",
    "Icon: Mountain",
    "Small Tank body: N",
    "Small Tank body: NE",
    "Small Tank body: E",
    "Small Tank body: SE",
    "Small Tank body: S",
    "Small Tank turr: N",
    "Small Tank turr: NE",
    "Small Tank turr: E",
    "Small Tank turr: SE",
    "Small Tank turr: S",
    "Siege Tank body: N",
    "Siege Tank body: NE",
    "Siege Tank body: E",
    "Siege Tank body: SE",
    "Siege Tank body: S",
    "Siege Tank turr: N",
    "Siege Tank turr: NE",
    "Siege Tank turr: E",
    "Siege Tank turr: SE",
    "Siege Tank turr: S",
    "Devastator body: N",
    "Devastator body: NE",
    "Devastator body: E",
    "Devastator body: SE",
    "Devastator body: S",
    "Devastator turr: N",
    "Devastator turr: NE",
    "Devastator turr: E",
    "Devastator turr: SE",
    "Devastator turr: S",
    "Sonic tank turr: N",
    "Sonic tank turr: NE",
    "Sonic tank turr: E",
    "Sonic tank turr: SE",
    "Sonic tank turr: S",
    "R.Launcher turr: N",
    "R.Launcher turr: NE",
    "R.Launcher turr: E",
    "R.Launcher turr: SE",
    "R.Launcher turr: S",
    "Lg explosion (#1)",
    "Lg explosion (#2)",
    "Cannon impact (#1)",
    "Cannon impact (#2)",
    "Cannon impact (#3)",
    "Sand impact (#1)",
    "Sand impact (#2)",
    "Sand impact (#3)",
    "Sonic wave (#1)",
    "Sonic wave (#2)",
    "Sonic wave (#3)",
    "Sm tank burn (#1)",
    "Sm tank burn (#2)",
    "Sm tank burn (#3)",
    "Lg tank burn (#1)",
    "Lg tank burn (#2)",
    "Lg tank burn (#3)",
    "Flames burn (#1)",
    "Flames burn (#2)",
    "Flames burn (#3)",
    "Flames burn (#4)",
    "Flames burn (#5)",
    "Flames burn (#6)",
    "Bullet (small)",
    "Bullet (medium)",
    "Bullet (large)",
    "Wheel debris (#1)",
    "Wheel debris (#2)",
    "Wheel debris (#3)",
    "Vehicle smoke (#1)",
    "Vehicle smoke (#2)",
    "Vehicle smoke (#3)",
    "Sm explosion (#1)",
    "Sm explosion (#2)",
    "Sm explosion (#3)",
    "Sm explosion (#4)",
    "Sm explosion (#5)",
    "Lg explosion 1 (#1)",
    "Lg explosion 1 (#2)",
    "Lg explosion 1 (#3)",
    "Lg explosion 1 (#4)",
    "Lg explosion 1 (#5)",
    "Lg explosion 2 (#1)",
    "Lg explosion 2 (#2)",
    "Lg explosion 2 (#3)",
    "Lg explosion 2 (#4)",
    "Lg explosion 2 (#5)",
    "Lg explosion 3 (#1)",
    "Lg explosion 3 (#2)",
    "Lg explosion 3 (#3)",
    "Lg explosion 3 (#4)",
    "Lg explosion 3 (#5)",
    "Lg explosion 4 (#1)",
    "Lg explosion 4 (#2)",
    "Lg explosion 4 (#3)",
    "Lg explosion 4 (#4)",
    "Lg explosion 4 (#5)",
    "Deviator gas (#1)",
    "Deviator gas (#2)",
    "Deviator gas (#3)",
    "Deviator gas (#4)",
    "Deviator gas (#5)",
    "Blank anim (#1)",
    "Blank anim (#2)",
    "Blank anim (#3)",
    "Blank anim (#4)",
    "Blank anim (#5)",
    "Worm eat anim (#1)",
    "Worm eat anim (#2)",
    "Worm eat anim (#3)",
    "Worm eat anim (#4)",
    "Worm eat anim (#5)",
    "Harv anim N  (#1)",
    "Harv anim N  (#2)",
    "Harv anim N  (#3)",
    "Harv anim NE (#1)",
    "Harv anim NE (#2)",
    "Harv anim NE (#3)",
    "Harv anim E  (#1)",
    "Harv anim E  (#2)",
    "Harv anim E  (#3)",
    "Harv anim SE (#1)",
    "Harv anim SE (#2)",
    "Harv anim SE (#3)",
    "Harv anim S  (#1)",
    "Harv anim S  (#2)",
    "Harv anim S  (#3)",
    "Quad: N",
    "Quad: NE",
    "Quad: E",
    "Quad: SE",
    "Quad: S",
    "Trike: N",
    "Trike: NE",
    "Trike: E",
    "Trike: SE",
    "Trike: S",
    "Harvester: N",
    "Harvester: NE",
    "Harvester: E",
    "Harvester: SE",
    "Harvester: S",
    "MCV: N",
    "MCV: NE",
    "MCV: E",
    "MCV: SE",
    "MCV: S",
    "Med rocket 1: N",
    "Med rocket 1: NNE",
    "Med rocket 1: NE",
    "Med rocket 1: ENE",
    "Med rocket 1: E",
    "Med rocket 2: N",
    "Med rocket 2: NNE",
    "Med rocket 2: NE",
    "Med rocket 2: ENE",
    "Med rocket 2: E",
    "Sm rocket 1: N",
    "Sm rocket 1: NNE",
    "Sm rocket 1: NE",
    "Sm rocket 1: ENE",
    "Sm rocket 1: E",
    "Sm rocket 2: N",
    "Sm rocket 2: NNE",
    "Sm rocket 2: NE",
    "Sm rocket 2: ENE",
    "Sm rocket 2: E",
    "Death Hand: N",
    "Death Hand: NNE",
    "Death Hand: NE",
    "Death Hand: ENE",
    "Death Hand: E",
    "Empty Carryall: N",
    "Empty Carryall: NE",
    "Empty Carryall: E",
    "Full Carryall:  N",
    "Full Carryall:  NE",
    "Full Carryall:  E",
    "'thopter: N  (#1)",
    "'thopter: N  (#2)",
    "'thopter: N  (#3)",
    "'thopter: NE (#1)",
    "'thopter: NE (#2)",
    "'thopter: NE (#3)",
    "'thopter: E  (#1)",
    "'thopter: E  (#2)",
    "'thopter: E  (#3)",
    "Frigate: N",
    "Frigate: NE",
    "Frigate: E",
    "Saboteur: N  (#1)",
    "Saboteur: N  (#2)",
    "Saboteur: N  (#3)",
    "Saboteur: NE (#1)",
    "Saboteur: NE (#2)",
    "Saboteur: NE (#3)",
    "Saboteur: E  (#1)",
    "Saboteur: E  (#2)",
    "Saboteur: E  (#3)",
    "Saboteur: blow up?",
    "Soldier: N  (#1)",
    "Soldier: N  (#2)",
    "Soldier: N  (#3)",
    "Soldier: NE (#1)",
    "Soldier: NE (#2)",
    "Soldier: NE (#3)",
    "Soldier: E  (#1)",
    "Soldier: E  (#2)",
    "Soldier: E  (#3)",
    "Trooper: N  (#1)",
    "Trooper: N  (#2)",
    "Trooper: N  (#3)",
    "Trooper: NE (#1)",
    "Trooper: NE (#2)",
    "Trooper: NE (#3)",
    "Trooper: E  (#1)",
    "Trooper: E  (#2)",
    "Trooper: E  (#3)",
    "Inf Squad: N  (#1)",
    "Inf Squad: N  (#2)",
    "Inf Squad: N  (#3)",
    "Inf Squad: N  (#4)",
    "Inf Squad: NE (#1)",
    "Inf Squad: NE (#2)",
    "Inf Squad: NE (#3)",
    "Inf Squad: NE (#4)",
    "Inf Squad: E  (#1)",
    "Inf Squad: E  (#2)",
    "Inf Squad: E  (#3)",
    "Inf Squad: E  (#4)",
    "Troopers: N  (#1)",
    "Troopers: N  (#2)",
    "Troopers: N  (#3)",
    "Troopers: N  (#4)",
    "Troopers: NE (#1)",
    "Troopers: NE (#2)",
    "Troopers: NE (#3)",
    "Troopers: NE (#4)",
    "Troopers: E  (#1)",
    "Troopers: E  (#2)",
    "Troopers: E  (#3)",
    "Troopers: E  (#4)",
    "Landed ornithopter",
    "Transparent pixel",
}};

constexpr auto kGraphicsStore = padAll<kGraphicsWidth>(kGraphicsRaw);

constexpr GraphicsNameList makeGraphics355() {
  GraphicsNameList list{};
  for (std::size_t i = 0; i < kGraphicsCount; ++i) list.names[i] = viewOf(kGraphicsStore, i);
  return list;
}

// The releases with 354 shapes lack the "Credits" text frame (355's index 11) and keep the
// four MENTAT and OPTIONS button frames (355's 7..10) behind the sandworm icon. Index i of
// their list names the frame of 355's index graphics354Source(i); -1 for the unused last one.
constexpr int graphics354Source(int i) {
  if (i <= 6) return i;
  if (i <= 100) return i + 5;
  if (i <= 104) return i - 94;
  if (i <= 353) return i + 1;
  return -1;
}

constexpr GraphicsNameList deriveGraphics354(const GraphicsNameList& full) {
  GraphicsNameList list{};
  for (int i = 0; i < static_cast<int>(kGraphicsCount); ++i) {
    const int source = graphics354Source(i);
    list.names[i] = source < 0 ? std::string_view{} : full.names[source];
  }
  return list;
}

constexpr bool allGraphicsNamesPadded(const GraphicsNameList& list, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (list.names[i].size() != kGraphicsWidth) return false;
  return true;
}

// ---------------------------------------------------------------------------------------
// Item names of the sections without a name field.

constexpr int kTerrainWidth = 11;
constexpr std::array<std::string_view, 15> kTerrainRaw{{
    "Sand",
    "Sand Edge",
    "Vorn",
    "Vorn Edge",
    "Rock",
    "Rock Edge",
    "Hill",
    "Hill Edge",
    "Spice",
    "Thick Spice",
    "Concrete",
    "Wall",
    "Structure",
    "Rubble",
    "Spice Bloom",
}};
constexpr auto kTerrainStore = padAll<kTerrainWidth>(kTerrainRaw);

constexpr NameList makeTerrainNames() {
  NameList list{};
  for (std::size_t i = 0; i < kTerrainRaw.size(); ++i) list.names[i] = viewOf(kTerrainStore, i);
  return list;
}

}  // namespace

constexpr ValueTable noYesNames{kNoYes};
constexpr ValueTable foundationNames{kFoundation};
constexpr ValueTable palaceAbilityNames{kPalaceAbility};
constexpr ValueTable displayModeNames{kDisplayMode};
constexpr ValueTable interruptModeNames{kInterruptMode};
constexpr ValueTable sidebarModeNames{kSidebarMode};
constexpr ValueTable structureGraphicsNames{kStructureGraphics};
constexpr ValueTable weaponSoundNames{kWeaponSound};
constexpr ValueTable percentSteps{kPercentSteps};
constexpr ValueTable decayFactorNames{kDecayFactor};
constexpr ValueTable craterNames{kCrater};

constexpr GraphicsNameList graphicsNames355 = makeGraphics355();
constexpr GraphicsNameList graphicsNames354 = deriveGraphics354(graphicsNames355);
static_assert(allGraphicsNamesPadded(graphicsNames355, 355));
static_assert(allGraphicsNamesPadded(graphicsNames354, 354) && graphicsNames354.names[354].empty());

constexpr NameList terrainNames = makeTerrainNames();

// Tracks 23, 35 and 37 have no name; the editor shows their numbers.
constexpr NameList musicNames{{
    "None (0)",
    "Bonus",
    "Lose Ordos",
    "Lose Harkonnen",
    "Lose Atreides",
    "Win Ordos",
    "Win Harkonnen",
    "Win Atreides",
    "Idle 1",
    "Idle 2",
    "Idle 3",
    "Idle 4",
    "Idle 5",
    "Idle 6",
    "Idle 7",
    "Idle 8",
    "Idle 9",
    "Attack 1",
    "Attack 2",
    "Attack 3",
    "Attack 4",
    "Attack 5",
    "Attack 6",
    "",
    "Brief Harkonnen",
    "Brief Atreides",
    "Brief Ordos",
    "Intro",
    "Menu",
    "Conquest",
    "Finale Harkonnen",
    "Finale Atreides",
    "Finale Ordos",
    "Credits",
    "Cutscene",
    "",
    "Logos",
    "",
}};

// The demo has eight music items of its own.
constexpr NameList demoMusicNames{{
    "None (0)",
    "Idle 1",
    "Idle 3",
    "Attack 3",
    "Intro",
    "",
    "Logos",
}};

int findValueName(ValueTable table, std::int32_t value) {
  int found = -1;
  for (std::size_t row = 0; row < table.size(); ++row)
    if (table[row].value == value) found = static_cast<int>(row);
  return found;
}

}  // namespace vorn
