#include "values/value_names.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vorn {
namespace {

std::string padded(std::string_view text, std::size_t width) {
  std::string result(text);
  result.resize(width, ' ');
  return result;
}

TEST(ValueNames, TablesHaveTheirRowCounts) {
  EXPECT_EQ(noYesNames.size(), 2u);
  EXPECT_EQ(foundationNames.size(), 7u);
  EXPECT_EQ(palaceAbilityNames.size(), 4u);
  EXPECT_EQ(displayModeNames.size(), 6u);
  EXPECT_EQ(interruptModeNames.size(), 3u);
  EXPECT_EQ(sidebarModeNames.size(), 4u);
  EXPECT_EQ(structureGraphicsNames.size(), 26u);
  EXPECT_EQ(weaponSoundNames.size(), 36u);
  EXPECT_EQ(percentSteps.size(), 17u);
  EXPECT_EQ(decayFactorNames.size(), 11u);
  EXPECT_EQ(craterNames.size(), 3u);
}

TEST(ValueNames, FindValueNameGivesTheRowOrMinusOne) {
  EXPECT_EQ(findValueName(foundationNames, 3), 3);
  EXPECT_EQ(findValueName(decayFactorNames, -1), 0);
  EXPECT_EQ(findValueName(weaponSoundNames, 30), 6);
  EXPECT_EQ(findValueName(weaponSoundNames, 55), 22);  // rows are not in value order
  EXPECT_EQ(findValueName(percentSteps, 256), 16);
  EXPECT_EQ(findValueName(sidebarModeNames, 0), -1);
  EXPECT_EQ(findValueName(structureGraphicsNames, 0), -1);
  EXPECT_EQ(findValueName(weaponSoundNames, 1), -1);
  EXPECT_EQ(findValueName(weaponSoundNames, 45), -1);
  EXPECT_EQ(findValueName(craterNames, 3), -1);
}

TEST(ValueNames, WeaponSoundNamesArePaddedWithTheVocMarkAtTheEnd) {
  for (const ValueName& row : weaponSoundNames) EXPECT_EQ(row.name.size(), 27u) << row.value;
  EXPECT_EQ(weaponSoundNames[findValueName(weaponSoundNames, 30)].name,
            "Infantry kill 1       (VOC)");
  EXPECT_EQ(weaponSoundNames[findValueName(weaponSoundNames, -1)].name, padded("None", 27));
  EXPECT_EQ(weaponSoundNames[findValueName(weaponSoundNames, 47)].name,
            padded("\"Cannot Place\" beep", 27));
  EXPECT_EQ(weaponSoundNames[findValueName(weaponSoundNames, 60)].name,
            "\"Constr. Complete\"    (VOC)");
  for (int value : {41, 49, 55, 56, 57})
    EXPECT_EQ(weaponSoundNames[findValueName(weaponSoundNames, value)].name,
              "Tank shot             (VOC)");
}

TEST(ValueNames, PaddedNamesOfSidebarAndStructureGraphics) {
  EXPECT_EQ(sidebarModeNames[0].name, "Select target    ");
  EXPECT_EQ(sidebarModeNames[1].name, "Place structure   (CRASHES)");
  EXPECT_EQ(sidebarModeNames[3].name, "Clear sidebar    ");
  for (const ValueName& row : structureGraphicsNames) EXPECT_EQ(row.name.size(), 17u);
  EXPECT_EQ(structureGraphicsNames[0].value, 1);
  EXPECT_EQ(structureGraphicsNames[0].name, "01: Rock craters ");
  EXPECT_EQ(structureGraphicsNames[25].value, 26);
  EXPECT_EQ(structureGraphicsNames[25].name, "26: Radar Outpost");
}

TEST(ValueNames, PercentStepsAreSixteenthsOfTheWhole) {
  for (std::size_t k = 0; k < percentSteps.size(); ++k)
    EXPECT_EQ(percentSteps[k].value, static_cast<int>(16 * k));
  EXPECT_EQ(percentSteps[0].name, "  0.00 %");
  EXPECT_EQ(percentSteps[1].name, "  6.25 %");
  EXPECT_EQ(percentSteps[6].name, " 37.50 %");
  EXPECT_EQ(percentSteps[15].name, " 93.75 %");
  EXPECT_EQ(percentSteps[16].name, "100.00 %");
}

TEST(ValueNames, DecayFactorNamesTellTheDamage) {
  EXPECT_EQ(decayFactorNames[0].name, "No decay");
  EXPECT_EQ(decayFactorNames[1].name, "0 (damage=1)");
  EXPECT_EQ(decayFactorNames[10].value, 9);
  EXPECT_EQ(decayFactorNames[10].name, "9 (damage=10)");
}

TEST(GraphicsNames, EveryNameIsPaddedTo19Characters) {
  for (std::size_t i = 0; i < 355; ++i) EXPECT_EQ(graphicsNames355.names[i].size(), 19u) << i;
  for (std::size_t i = 0; i < 354; ++i) EXPECT_EQ(graphicsNames354.names[i].size(), 19u) << i;
  EXPECT_TRUE(graphicsNames354.names[354].empty());
  EXPECT_EQ(graphicsNames355.names[0], padded("Mouse: arrow", 19));
  EXPECT_EQ(graphicsNames355.names[11], padded("\"Credits\" text", 19));
  EXPECT_EQ(graphicsNames355.names[31], padded("Red dot   2x2", 19));
  EXPECT_EQ(graphicsNames355.names[354], padded("Transparent pixel", 19));
}

TEST(GraphicsNames, The354ListDropsCreditsAndMovesTheButtonsBehindTheSandworm) {
  struct Case {
    int index;
    std::string_view name;
  };
  const Case cases[] = {
      {6, "Selection indicator"},   {7, "Money Bar"},        {11, "Counter: 2"},
      {23, "Icon: Attack"},         {100, "Icon: Sandworm"}, {101, "MENTAT button"},
      {104, "OPTIONS btn(pushed)"}, {105, "Icon: Spice"},    {353, "Transparent pixel"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(graphicsNames354.names[c.index], padded(c.name, 19)) << c.index;
  EXPECT_EQ(graphicsNames355.names[7], padded("MENTAT button", 19));
  EXPECT_EQ(graphicsNames355.names[23], padded("Counter: 9", 19));
  EXPECT_EQ(graphicsNames355.names[105], padded("Icon: Sandworm", 19));
}

TEST(NameLists, TerrainAndMusicNames) {
  EXPECT_EQ(terrainNames.names[0], "Sand       ");
  EXPECT_EQ(terrainNames.names[14], "Spice Bloom");
  for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(terrainNames.names[i].size(), 11u);
  for (std::size_t i = 15; i < 38; ++i) EXPECT_TRUE(terrainNames.names[i].empty());

  EXPECT_EQ(musicNames.names[0], "None (0)");
  EXPECT_EQ(musicNames.names[22], "Attack 6");
  EXPECT_EQ(musicNames.names[36], "Logos");
  for (int i : {23, 35, 37}) EXPECT_TRUE(musicNames.names[i].empty()) << i;

  EXPECT_EQ(demoMusicNames.names[4], "Intro");
  EXPECT_EQ(demoMusicNames.names[6], "Logos");
  EXPECT_TRUE(demoMusicNames.names[5].empty());
  for (std::size_t i = 7; i < 38; ++i) EXPECT_TRUE(demoMusicNames.names[i].empty());
}

}  // namespace
}  // namespace vorn
