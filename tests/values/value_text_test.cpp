#include "values/value_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "builder/game_file_builder.h"
#include "model/catalogue.h"
#include "support/field_lookup.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::firstFieldOfType;
using testing::OpenGame;

constexpr int kDemo = 0;
constexpr int kUs107 = 3;

std::string padded(std::string_view text, std::size_t width) {
  std::string result(text);
  result.resize(width, ' ');
  return result;
}

struct TextCase {
  int type;
  std::uint32_t stored;
  std::string compact;
  std::string full;
  int version = kUs107;
};

// Stores the value in the first field of the type (item 1) and reads both texts back.
void expectTexts(const TextCase& c) {
  const testing::FieldRef at = firstFieldOfType(c.type);
  GameImage image(c.version);
  image.setField(at.section, 1, at.field, c.stored);
  OpenGame open(image);
  SCOPED_TRACE("type " + std::to_string(c.type) + " value " + std::to_string(c.stored));
  EXPECT_EQ(valueText(open.game, at.section, 1, at.field, true), c.compact);
  EXPECT_EQ(valueText(open.game, at.section, 1, at.field, false), c.full);
}

TEST(ValueText, NumbersAreSignExtendedFromTheFieldWidth) {
  const TextCase cases[] = {
      {Dword, 0xFFFFFFFB, "-5", "-5"}, {Dword, 0x80000000, "-2147483648", "-2147483648"},
      {SignedByte, 0xFF, "-1", "-1"},  {SignedByte, 0x7F, "127", "127"},
      {Word, 0xFFFE, "-2", "-2"},      {Word, 300, "300", "300"},
  };
  for (const TextCase& c : cases) expectTexts(c);
}

TEST(ValueText, TableValuesWithPrefixesAndCuts) {
  const std::string sound30 = "Infantry kill 1       (VOC)";
  const TextCase cases[] = {
      {Foundation, 3, "2x2", "3 - 2x2"},
      {Foundation, 9, "<Unknown>", "9 - <Unknown>"},
      {InterruptMode, 7, "<Unknown>", "7 - <Unknown>"},
      {InterruptMode, 1, "Interrupt action", "1 - Interrupt action"},
      {DecayFactor, 12, "12", "12"},
      {DecayFactor, 42, "42", "42"},
      {DecayFactor, 0xFFFF, "No decay", "No decay"},
      {DecayFactor, 9, "9 (damage=10)", "9 (damage=10)"},
      {WeaponSound, 30, sound30.substr(0, 19), "30 - " + sound30},
      {WeaponSound, 0xFFFF, padded("None", 19), "-1 - " + padded("None", 27)},
      {WeaponSound, 45, "<Unknown>", "45 - <Unknown>"},
      {SidebarMode, 2, "Place structure  ", "Place structure   (CRASHES)"},
      {SidebarMode, 1, "Select target    ", "Select target    "},
      {SidebarMode, 0, "<Unknown>", "<Unknown>"},
      {StructureGraphics, 26, "26: Radar Outpost", "26 - 26: Radar Outpost"},
      {StructureGraphics, 0, "<Unknown>", "0 - <Unknown>"},
      {PalaceAbility, 1, "Death Hand", "Death Hand"},
      {DisplayMode, 5, "'Thopter special", "'Thopter special"},
      {BoolWord, 1, "Yes", "Yes"},
      {BoolWord, 0xFFFF, "<Unknown>", "<Unknown>"},
      {CraterType, 2, "Rock crater", "Rock crater"},
  };
  for (const TextCase& c : cases) expectTexts(c);
}

TEST(ValueText, PercentagesOf256) {
  const TextCase cases[] = {
      {Percent16, 0, "0/256   (0%)", "0/256   (0%)"},
      {Percent8, 3, "3/256   (1%)", "3/256   (1%)"},
      {Percent16, 16, "16/256  (6%)", "16/256  (6%)"},
      {Percent8, 128, "128/256 (50%)", "128/256 (50%)"},
      {Percent8, 255, "255/256 (99%)", "255/256 (99%)"},
      {Percent16, 256, "256/256 (100%)", "256/256 (100%)"},
      {Percent16, 65535, "65535/256 (25599%)", "65535/256 (25599%)"},
  };
  for (const TextCase& c : cases) expectTexts(c);
}

TEST(ValueText, GraphicsNamesDependOnTheRelease) {
  const TextCase cases[] = {
      {Graphics, 0xFFFF, "None", "None"},
      {Graphics, 5, padded("Mouse: Target", 19), "5 - " + padded("Mouse: Target", 19)},
      {Graphics, 23, padded("Icon: Attack", 19), "23 - " + padded("Icon: Attack", 19), kDemo},
      {Graphics, 23, padded("Icon: Attack", 19), "23 - " + padded("Icon: Attack", 19), 2},
      {Graphics, 23, padded("Counter: 9", 19), "23 - " + padded("Counter: 9", 19)},
      {Graphics, 354, "", "354 - ", kDemo},
      {Graphics, 354, padded("Transparent pixel", 19), "354 - " + padded("Transparent pixel", 19)},
      {Graphics, 400, "<Unknown>", "400 - <Unknown>"},
      {Graphics, 0xFFFE, "<Unknown>", "-2 - <Unknown>"},
  };
  for (const TextCase& c : cases) expectTexts(c);
}

TEST(ValueText, CharacterShowsTheLowByteOnly) {
  expectTexts({Character, 0x4142, "B", "B"});
}

TEST(ValueText, AnEmptyFieldEntryHasNoText) {
  GameImage image(kUs107);
  OpenGame open(image);
  ASSERT_EQ((*sectionDef(kUnits).fields)[80].type, NoType);
  EXPECT_EQ(valueText(open.game, kUnits, 0, 80, true), "");
  EXPECT_EQ(valueText(open.game, kUnits, 0, 80, false), "");
}

TEST(ValueText, BitFlagsShareOneByte) {
  const testing::FieldRef bit1 = firstFieldOfType(Bit1);
  const int bit2 = bit1.field + 1;
  ASSERT_EQ((*sectionDef(bit1.section).fields)[bit2].type, Bit2);
  GameImage image(kUs107);
  image.setField(bit1.section, 0, bit1.field, 1);
  OpenGame open(image);
  const Game& game = open.game;
  EXPECT_EQ(valueText(game, bit1.section, 0, bit1.field, true), "Yes");
  EXPECT_EQ(valueText(game, bit1.section, 0, bit1.field, false, true), "1");
  EXPECT_EQ(valueText(game, bit1.section, 0, bit2, true), "No");
  EXPECT_EQ(valueText(game, bit1.section, 0, bit2, true, true), "0");
  EXPECT_EQ(readBit(game, bit1.section, 0, bit2, 0), 1);  // every flag field addresses the byte
  EXPECT_EQ(readBit(game, bit1.section, 0, bit2, 1), 0);
}

TEST(ValueText, StringReferencesAndCompactCut) {
  const testing::FieldRef at = firstFieldOfType(StringRef);
  GameImage image(kUs107);
  const std::string longText = "A name that is longer than nineteen characters";
  image.setField(at.section, 0, at.field, image.addStringReference(longText));
  image.setField(at.section, 1, at.field, 0);
  image.setField(at.section, 2, at.field, 5);  // below the reference base
  OpenGame open(image);
  EXPECT_EQ(valueText(open.game, at.section, 0, at.field, false), longText);
  EXPECT_EQ(valueText(open.game, at.section, 0, at.field, true), longText.substr(0, 19));
  EXPECT_EQ(valueText(open.game, at.section, 1, at.field, true), "<no reference>");
  EXPECT_EQ(valueText(open.game, at.section, 2, at.field, true), "<invalid ref>");
}

TEST(ValueText, ItemReferences) {
  const testing::FieldRef unitType = firstFieldOfType(UnitType);
  GameImage image(kUs107);
  image.setName(kUnits, 3, "Siege Tank");
  image.setField(unitType.section, 0, unitType.field, 0xFFFF);
  image.setField(unitType.section, 1, unitType.field, 27);
  image.setField(unitType.section, 2, unitType.field, 3);
  OpenGame open(image);
  EXPECT_EQ(valueText(open.game, unitType.section, 0, unitType.field, true), "None");
  EXPECT_EQ(valueText(open.game, unitType.section, 1, unitType.field, true), "<Invalid>");
  EXPECT_EQ(valueText(open.game, unitType.section, 2, unitType.field, true), "Siege Tank");
}

TEST(ValueText, OwnershipShowsHouses) {
  const testing::FieldRef at = firstFieldOfType(Ownership);
  GameImage image(kUs107);
  image.setName(kHouses, 0, "Atreides");
  image.setName(kHouses, 1, "Ordos");
  image.setField(at.section, 0, at.field, 0x00);
  image.setField(at.section, 1, at.field, 0x01);
  image.setField(at.section, 2, at.field, 0x03);
  OpenGame open(image);
  const Game& game = open.game;
  EXPECT_EQ(valueText(game, at.section, 0, at.field, true), "(none)");
  EXPECT_EQ(valueText(game, at.section, 0, at.field, false), "(none)");
  EXPECT_EQ(valueText(game, at.section, 1, at.field, true), "Atreides");
  EXPECT_EQ(valueText(game, at.section, 2, at.field, true), "At,Or");
  EXPECT_EQ(valueText(game, at.section, 2, at.field, false), "Atreides,Ordos");
}

TEST(ValueText, PrerequisitesAreAbbreviatedAndEndInDotsWhenTooLong) {
  const testing::FieldRef at = firstFieldOfType(Prerequisites);
  GameImage image(kUs107);
  const char* names[] = {"Construction Yard", "Windtrap", "Barracks", "Radar Outpost",
                         "Heavy Factory"};
  for (int k = 0; k < 5; ++k) image.setName(kStructures, k, names[k]);
  image.setField(at.section, 0, at.field, 0x1F);
  image.setField(at.section, 1, at.field, 0x07);
  image.setField(at.section, 2, at.field, 1u << 20);  // beyond the 19 structures
  OpenGame open(image);
  const Game& game = open.game;
  EXPECT_EQ(valueText(game, at.section, 0, at.field, true), "CoYa,Wind,Barr,Ra..");
  EXPECT_EQ(valueText(game, at.section, 0, at.field, false),
            "Construction Yard,Windtrap,Barracks,Radar Outpost,Heavy Factory");
  EXPECT_EQ(valueText(game, at.section, 1, at.field, true), "CoYa,Wind,Barr");
  EXPECT_EQ(valueText(game, at.section, 2, at.field, true), "(none)");
}

TEST(ValueText, FullSwitchSetStopsAt255Characters) {
  const testing::FieldRef at = firstFieldOfType(AllowedUnits);
  GameImage image(kUs107);
  for (int k = 0; k < 27; ++k) image.setName(kUnits, k, "Unit name number " + std::to_string(k));
  image.setField(at.section, 0, at.field, 0x07FFFFFF);
  OpenGame open(image);
  const std::string full = valueText(open.game, at.section, 0, at.field, false);
  EXPECT_EQ(full.size(), 255u);
  EXPECT_EQ(full.substr(0, 38), "Unit name number 0,Unit name number 1,");
}

TEST(ValueText, ReadSwitchSetCoversEveryByteOfTheField) {
  const testing::FieldRef at = firstFieldOfType(AllowedUnits);
  GameImage image(kUs107);
  image.setField(at.section, 0, at.field, 0x80000201);
  OpenGame open(image);
  const SwitchSet members = readSwitchSet(open.game, at.section, 0, at.field);
  for (int m = 0; m < 32; ++m) EXPECT_EQ(members[m], m == 0 || m == 9 || m == 31) << m;
}

TEST(ValueText, AnimScriptShowsTheSummary) {
  const testing::FieldRef at = firstFieldOfType(AnimScript);
  GameImage image(kUs107);
  image.setField(at.section, 0, at.field,
                 image.addScript({0x6000, 0x301E, 0x6001, 0x301E, 0x4000}));
  OpenGame open(image);
  EXPECT_EQ(valueText(open.game, at.section, 0, at.field, false), "FR0 WT30 FR1 WT30 LP ");
  EXPECT_EQ(valueText(open.game, at.section, 0, at.field, true), "FR0 WT30 FR1 WT30 L");
  EXPECT_EQ(valueText(open.game, at.section, 1, at.field, true), "None");
}

// ---------------------------------------------------------------------------------------

TEST(ItemName, NoneInvalidAndNameReferences) {
  GameImage image(kUs107);
  image.setName(kUnits, 0, "Trooper");
  image.setField(kUnits, 2, sectionDef(kUnits).nameField, 3);  // below the reference base
  image.setName(kMovement, 5, "Winged");
  OpenGame open(image);
  const Game& game = open.game;
  EXPECT_EQ(itemName(game, kUnits, -1), "None");
  EXPECT_EQ(itemName(game, kUnits, -2), "<Invalid>");
  EXPECT_EQ(itemName(game, kUnits, 27), "<Invalid>");
  EXPECT_EQ(itemName(game, kUnits, 0), "Trooper");
  EXPECT_EQ(itemName(game, kUnits, 1), "<no reference>");
  EXPECT_EQ(itemName(game, kUnits, 2), "<invalid ref>");
  EXPECT_EQ(itemName(game, kMovement, 5), "Winged");
  EXPECT_EQ(itemName(game, kMovement, 6), "<Invalid>");
}

TEST(ItemName, FixedNamesOfTerrainAndMusic) {
  GameImage image(kUs107);
  OpenGame open(image);
  const Game& game = open.game;
  EXPECT_EQ(itemName(game, kTerrain, 2), "Vorn       ");
  EXPECT_EQ(itemName(game, kTerrain, 15), "<Invalid>");
  EXPECT_EQ(itemName(game, kMusic, 0), "None (0)");
  EXPECT_EQ(itemName(game, kMusic, 24), "Brief Harkonnen");
  for (int track : {23, 35, 37}) EXPECT_EQ(itemName(game, kMusic, track), std::to_string(track));
  EXPECT_EQ(itemName(game, kMusic, 38), "<Invalid>");
}

TEST(ItemName, TheDemoHasItsOwnEightMusicTracks) {
  GameImage image(kDemo);
  OpenGame open(image);
  const Game& game = open.game;
  EXPECT_EQ(game.itemCount(kMusic), 8);
  EXPECT_EQ(itemName(game, kMusic, 1), "Idle 1");
  EXPECT_EQ(itemName(game, kMusic, 5), "5");
  EXPECT_EQ(itemName(game, kMusic, 6), "Logos");
  EXPECT_EQ(itemName(game, kMusic, 7), "7");
  EXPECT_EQ(itemName(game, kMusic, 8), "<Invalid>");
  EXPECT_EQ(itemName(game, kMusic, 23), "<Invalid>");
}

}  // namespace
}  // namespace vorn
