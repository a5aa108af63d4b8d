// A plausible sample game file of any release (1.07-US unless asked otherwise), with
// invented values, so that a new user can try the editor without owning the game.
#include <algorithm>
#include <array>
#include <string_view>

#include "builder/game_file_builder.h"
#include "model/catalogue.h"
#include "model/versions.h"

namespace vorn::builder {

namespace {

// How many items of the section the sample fills: at most wanted, and no more than the
// release's table holds.
int filled(const GameImage& image, int section, std::size_t wanted) {
  const int count = versionCatalogue()[image.versionIndex()].table(section).itemCount;
  return std::min(count, static_cast<int>(wanted));
}

constexpr std::array<std::string_view, 27> kUnitNames{
    "Carryall",     "'Thopter", "Infantry",  "Troopers",     "Soldier",    "Trooper",    "Saboteur",
    "Launcher",     "Deviator", "Tank",      "Siege Tank",   "Devastator", "Sonic Tank", "Trike",
    "Raider Trike", "Quad",     "Harvester", "MCV",          "Death Hand", "Rocket",     "Bullet",
    "Sonic Blast",  "Sandworm", "Frigate",   "Fremen Squad", "Sardaukar",  "Mini Rocket"};

constexpr std::array<std::string_view, 19> kStructureNames{
    "Concrete Slab",   "Large Concrete", "Palace",     "Light Factory",     "Heavy Factory",
    "Hi-Tech Factory", "House of IX",    "WOR",        "Construction Yard", "Wind Trap",
    "Barracks",        "Starport",       "Refinery",   "Repair Facility",   "Wall",
    "Gun Turret",      "Rocket Turret",  "Spice Silo", "Radar Outpost"};

constexpr std::array<std::string_view, 6> kHouseNames{"Harkonnen", "Atreides",  "Ordos",
                                                      "Fremen",    "Sardaukar", "Mercenary"};

constexpr std::array<std::string_view, 6> kMovementNames{"Foot",    "Tracked", "Harvester",
                                                         "Wheeled", "Winged",  "Slither"};

constexpr std::array<std::string_view, 14> kActionNames{
    "Attack", "Move",   "Retreat",  "Guard", "Area Guard", "Harvest", "Return",
    "Stop",   "Ambush", "Sabotage", "Die",   "Hunt",       "Deploy",  "Destruct"};

constexpr std::array<std::string_view, 8> kPakNames{"VOC.PAK",      "MENTAT.PAK", "SOUND.PAK",
                                                    "SCENARIO.PAK", "MUSIC.PAK",  "GFX.PAK",
                                                    "MAPS.PAK",     "INTRO.PAK"};

void fillUnits(GameImage& image) {
  for (int unit = 0; unit < filled(image, kUnits, kUnitNames.size()); ++unit) {
    image.setName(kUnits, unit, kUnitNames[unit]);
    image.setField(kUnits, unit, 0, 100 + unit);  // short name ID
    image.setField(kUnits, unit, 2, 200 + unit);  // long name ID
    image.setField(kUnits, unit, 3, image.addStringReference("UNITS.MVX"));
    image.setField(kUnits, unit, 10, unit >= 9 && unit <= 12);           // rotating turret
    image.setField(kUnits, unit, 20, 32);                                // infantry spawn
    image.setField(kUnits, unit, 21, 100 + 25 * (unit % 12));            // hit points
    image.setField(kUnits, unit, 22, 2 + unit % 4);                      // sight
    image.setField(kUnits, unit, 23, 84 + unit % 17);                    // sidebar icon
    image.setField(kUnits, unit, 24, 50 + 25 * (unit % 16));             // cost
    image.setField(kUnits, unit, 25, 40 + 8 * (unit % 10));              // build time
    image.setField(kUnits, unit, 26, 1 + unit % 8);                      // tech level
    image.setField(kUnits, unit, 27, (1u << 8) | (1u << 3));             // prerequisites
    image.setField(kUnits, unit, 28, static_cast<std::uint32_t>(unit));  // build icon order
    for (int command = 0; command < 4; ++command)
      image.setField(kUnits, unit, 30 + command, command);
    image.setField(kUnits, unit, 36, 10 + unit);                          // AI build priority
    image.setField(kUnits, unit, 37, 5 + unit);                           // threat level
    image.setField(kUnits, unit, 38, 0x07);                               // owner
    image.setField(kUnits, unit, 47, unit > 1);                           // ground unit
    image.setField(kUnits, unit, 56, unit < 19);                          // normal unit
    image.setField(kUnits, unit, 59, unit < 2 ? 4 : (unit < 7 ? 0 : 1));  // movement type
    image.setField(kUnits, unit, 61, 10 + unit % 20);                     // speed
    image.setField(kUnits, unit, 62, 4 + unit % 3);                       // turning speed
    image.setField(kUnits, unit, 63, 111 + unit % 40);                    // unit graphics
    image.setField(kUnits, unit, 64, 0xFFFF);                             // turret graphics
    image.setField(kUnits, unit, 66, 1);                                  // display mode
    image.setField(kUnits, unit, 67, 151);                                // death animation
    image.setField(kUnits, unit, 68, 20 + unit % 30);                     // rate of fire
    image.setField(kUnits, unit, 69, 3 + unit % 5);                       // weapon range
    image.setField(kUnits, unit, 70, 10 + 5 * (unit % 9));                // weapon damage
    image.setField(kUnits, unit, 72, unit < 19 ? 20 : 0xFFFF);            // weapon type
    image.setField(kUnits, unit, 73, 41);                                 // weapon sound
  }
}

void fillStructures(GameImage& image) {
  const std::uint32_t normal =
      image.addScript({0x6000, 0x301E, 0x6001, 0x301E, 0x4000, 0xF314, 0xF314});
  const std::uint32_t busy = image.addScript({0x6002, 0x3005, 0x6003, 0x3005, 0x7FFC});
  for (int structure = 0; structure < filled(image, kStructures, kStructureNames.size());
       ++structure) {
    image.setName(kStructures, structure, kStructureNames[structure]);
    image.setField(kStructures, structure, 0, 300 + structure);
    image.setField(kStructures, structure, 5, structure >= 3 && structure <= 11);  // factory
    image.setField(kStructures, structure, 21, 200 + 50 * (structure % 10));
    image.setField(kStructures, structure, 22, 2 + structure % 3);
    image.setField(kStructures, structure, 23, 65 + structure);
    image.setField(kStructures, structure, 24, 100 + 50 * (structure % 12));
    image.setField(kStructures, structure, 25, 60 + 10 * (structure % 8));
    image.setField(kStructures, structure, 26, 1 + structure % 8);
    image.setField(kStructures, structure, 27, structure == 8 ? 0 : (1u << 8));
    image.setField(kStructures, structure, 28, static_cast<std::uint32_t>(structure));
    image.setField(kStructures, structure, 36, 20 + structure);
    image.setField(kStructures, structure, 37, 10 + structure);
    image.setField(kStructures, structure, 38, 0x3F);
    image.setField(kStructures, structure, 39, structure == 13 ? (1u << 16) | (1u << 9) : 0);
    image.setField(kStructures, structure, 40, structure == 12 ? 1000 : 0);
    image.setField(kStructures, structure, 41, 5 + structure % 30);
    image.setField(kStructures, structure, 42, structure % 7);
    image.setField(kStructures, structure, 43, structure % 26 + 1);
    image.setField(kStructures, structure, 44, normal);
    image.setField(kStructures, structure, 45, busy);
    for (int option = 0; option < 8; ++option) {
      image.setField(
          kStructures, structure, 47 + option,
          structure == 3 && option < 3 ? static_cast<std::uint32_t>(13 + option) : 0xFFFF);
    }
    image.setField(kStructures, structure, 55, 4);
  }
}

void fillSmallSections(GameImage& image) {
  for (int house = 0; house < filled(image, kHouses, kHouseNames.size()); ++house) {
    image.setName(kHouses, house, kHouseNames[house]);
    image.setField(kHouses, house, 1, 40 * (house + 1));
    image.setField(kHouses, house, 3, house == 3 ? 0xFFFF : static_cast<std::uint32_t>(house));
    image.setField(kHouses, house, 4, 144 + house);
    image.setField(kHouses, house, 5, 900);
    image.setField(kHouses, house, 7, static_cast<std::uint32_t>(kHouseNames[house][0]));
    image.setField(kHouses, house, 8, house % 4);
    image.setField(kHouses, house, 9, 5 + house % 3);
    image.setField(kHouses, house, 10, 2 + house % 3);
    image.setField(kHouses, house, 11, 24 + house % 3);
  }
  for (int terrain = 0; terrain < filled(image, kTerrain, 15); ++terrain) {
    image.setField(kTerrain, terrain, 0, 400 + terrain);
    for (int speed = 2; speed <= 7; ++speed)
      image.setField(kTerrain, terrain, speed, 64 + 16 * (speed + terrain) % 192);
    image.setField(kTerrain, terrain, 10, terrain < 2);
    image.setField(kTerrain, terrain, 13, terrain < 2 ? 1 : 2);
  }
  for (int movement = 0; movement < filled(image, kMovement, 6); ++movement)
    image.setName(kMovement, movement, kMovementNames[movement]);
  for (int action = 0; action < filled(image, kActions, 14); ++action) {
    image.setName(kActions, action, kActionNames[action]);
    image.setField(kActions, action, 2, action % 3);
    image.setField(kActions, action, 3, 1 + action % 4);
    image.setField(kActions, action, 4, action % 20);
  }
  const int voices = filled(image, kVoices, 131);
  for (int voice = 0; voice < voices; ++voice) {
    image.setName(kVoices, voice, "VOICE" + std::to_string(voice) + ".VOC");
    image.setField(kVoices, voice, 1, voice % 5);
  }
  for (int track = 0; track < filled(image, kMusic, 38); ++track) {
    image.setField(kMusic, track, 0,
                   image.addStringReference("MUSIC" + std::to_string(track % 9) + ".XMI"));
    image.setField(kMusic, track, 1, track % 10);
  }
}

void fillFiles(GameImage& image) {
  const int files = filled(image, kFiles, 801);
  for (int file = 0; file < files; ++file) {
    const bool pak = file < static_cast<int>(kPakNames.size());
    image.setName(kFiles, file,
                  pak ? std::string(kPakNames[file]) : "FILE" + std::to_string(file) + ".DAT");
    image.setField(kFiles, file, 1, 1000 + 37 * file);
    image.setField(kFiles, file, 4, pak ? 0 : static_cast<std::uint32_t>(file % 8));
    image.setField(kFiles, file, 10, !pak);
  }
}

}  // namespace

GameImage makeSampleImage(int versionIndex) {
  GameImage image(versionIndex);
  fillUnits(image);
  fillStructures(image);
  fillSmallSections(image);
  fillFiles(image);
  return image;
}

}  // namespace vorn::builder
