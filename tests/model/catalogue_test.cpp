#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <string_view>

#include "values/value_names.h"

namespace vorn {
namespace {

int sumOfWidths(int section) {
  const FieldTable& fields = *sectionDef(section).fields;
  int size = 0;
  for (int f = 0; f <= lastFieldIndex(section); ++f) size += typeWidth(fields[f].type);
  return size;
}

TEST(Catalogue, SectionsHaveTheirRecordSizesAndLastFields) {
  struct Expected {
    int section;
    std::string_view label;
    int lastField;
    int recordSize;
    int nameField;
  };
  const Expected expected[] = {
      {kMovement, "Movement", 0, 4, 0},       {kUnits, "Units", 73, 90, 1},
      {kStructures, "Structures", 57, 96, 1}, {kHouses, "Houses", 12, 30, 0},
      {kTerrain, "Terrain", 16, 28, -1},      {kActions, "Actions", 4, 12, 1},
      {kVoices, "Voices", 1, 6, 0},           {kMusic, "Music", 1, 6, -1},
      {kFiles, "Files", 13, 19, 0},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.label);
    const SectionDef& def = sectionDef(e.section);
    EXPECT_EQ(def.label, e.label);
    EXPECT_EQ(lastFieldIndex(e.section), e.lastField);
    EXPECT_EQ(sumOfWidths(e.section), e.recordSize);
    EXPECT_EQ(def.nameField, e.nameField);
  }
}

TEST(Catalogue, OnlyTerrainAndMusicHaveFixedNames) {
  for (int s = kFirstSection; s <= kLastSection; ++s) {
    const NameList* expected = s == kTerrain ? &terrainNames : s == kMusic ? &musicNames : nullptr;
    EXPECT_EQ(sectionDef(s).fixedNames, expected) << "section " << s;
  }
}

TEST(Catalogue, FieldsAreContiguousAndEmptyEntriesAreBlank) {
  for (int s = kFirstSection; s <= kLastSection; ++s) {
    SCOPED_TRACE(sectionDef(s).label);
    const FieldTable& fields = *sectionDef(s).fields;
    for (int f = 0; f < kFieldTableSize; ++f) {
      if (f <= lastFieldIndex(s)) {
        EXPECT_GE(fields[f].type, 0) << f;
        EXPECT_LT(fields[f].type, kDataTypeCount) << f;
        EXPECT_EQ(fields[f].label.size(), 23u) << f;
        EXPECT_GE(fields[f].helpIndex, -1) << f;
        EXPECT_LE(fields[f].helpIndex, 41) << f;
      } else {
        EXPECT_EQ(fields[f].type, NoType) << f;
        EXPECT_EQ(fields[f].label, "") << f;
        EXPECT_EQ(fields[f].helpIndex, 0) << f;
      }
    }
  }
}

TEST(Catalogue, SpotChecksOfLabelsTypesAndHelp) {
  struct Expected {
    int section;
    int field;
    std::string_view label;
    int type;
    int help;
  };
  const Expected expected[] = {
      {kMovement, 0, "Name string reference  ", StringRef, 3},
      {kUnits, 5, "Is factory            *", Bit2, 37},
      {kUnits, 15, "Full CPU outside screen", Bit4, 19},
      {kUnits, 34, "CHOAM status (unusable)", SignedByte, 39},
      {kUnits, 41, "(Unused bit flag 01)   ", Bit1, -1},
      {kUnits, 48, "Stay on map (air units)", Bit8, 0},
      {kUnits, 58, "Unknown 031 (unused?)  ", Word, -1},
      {kUnits, 73, "Weapon sound           ", WeaponSound, 11},
      {kStructures, 15, "Full CPU outside scrn *", Bit4, 38},
      {kStructures, 20, "Inf spawn chance / cell", Percent16, 13},
      {kStructures, 43, "Structure graphics ID  ", StructureGraphics, 36},
      {kStructures, 46, "Anim: Production ended ", AnimScript, 31},
      {kStructures, 57, "3rd upgrade tech level ", Word, 15},
      {kHouses, 7, "Voice prefix letter    ", Character, 22},
      {kHouses, 12, "House voice reference  ", StringRef, 3},
      {kTerrain, 4, "Moving speed: Harvester", Percent8, 0},
      {kTerrain, 13, "Crater type            ", CraterType, 0},
      {kTerrain, 16, "Hint ID                ", Word, 41},
      {kActions, 4, "Response sound         ", SoundClip, 28},
      {kVoices, 0, "Filename string ref.   ", StringRef, 3},
      {kMusic, 1, "Track in this file     ", Word, 0},
      {kFiles, 2, "Buffer ptr   (unusable)", Dword, 39},
      {kFiles, 4, "Parent file            ", ParentPak, 29},
      {kFiles, 7, "Is loaded in XMS memory", Bit2, 0},
  };
  for (const Expected& e : expected) {
    const FieldDef& field = (*sectionDef(e.section).fields)[e.field];
    EXPECT_EQ(field.label, e.label) << e.section << "/" << e.field;
    EXPECT_EQ(field.type, e.type) << e.section << "/" << e.field;
    EXPECT_EQ(field.helpIndex, e.help) << e.section << "/" << e.field;
  }
}

// In the 50 bytes shared by units and structures, an asterisk marks a field that only
// matters for the other kind, and its help says so.
TEST(Catalogue, AsteriskFieldsOfTheSharedPartPointToTheOtherKindsHelp) {
  for (auto [section, help] : {std::pair{kUnits, 37}, std::pair{kStructures, 38}}) {
    const FieldTable& fields = *sectionDef(section).fields;
    int marked = 0;
    for (int f = 0; f <= 38; ++f) {
      const bool asterisk = fields[f].label.back() == '*';
      marked += asterisk;
      EXPECT_EQ(fields[f].helpIndex == help, asterisk) << section << "/" << f;
    }
    EXPECT_GT(marked, 0);
  }
}

TEST(Catalogue, UnitsAndStructuresShareTheLayoutOfTheirFirst50Bytes) {
  const FieldTable& units = *sectionDef(kUnits).fields;
  const FieldTable& structures = *sectionDef(kStructures).fields;
  int offset = 0;
  for (int f = 0; f <= 38; ++f) {
    EXPECT_EQ(units[f].type, structures[f].type) << f;
    offset += typeWidth(units[f].type);
  }
  EXPECT_EQ(offset, 50);
}

TEST(Catalogue, EveryFlagFieldBelongsToACompleteRun) {
  for (int s = kFirstSection; s <= kLastSection; ++s) {
    const FieldTable& fields = *sectionDef(s).fields;
    for (int f = 0; f <= lastFieldIndex(s);) {
      if (fields[f].type != Bit1) {
        EXPECT_FALSE(isBitFlag(fields[f].type)) << "stray flag " << s << "/" << f;
        ++f;
        continue;
      }
      for (int bit = 0; bit < 8; ++bit) {
        ASSERT_LE(f + bit, lastFieldIndex(s)) << s << "/" << f;
        EXPECT_EQ(fields[f + bit].type, Bit1 + bit) << s << "/" << f + bit;
      }
      f += 8;
    }
  }
}

TEST(Catalogue, TypeWidths) {
  const int expected[kDataTypeCount] = {4, 1, 2, 4, 1, 2, 2, 2, 2, 2, 4, 2, 0, 0, 0, 0, 0, 0, 0,
                                        1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 4, 4, 2, 1, 2, 1, 2};
  for (int code = 0; code < kDataTypeCount; ++code)
    EXPECT_EQ(typeWidth(code), expected[code]) << code;
  EXPECT_EQ(typeWidth(NoType), 0);
  EXPECT_EQ(typeWidth(kDataTypeCount), 0);
  EXPECT_EQ(typeWidth(-5), 0);
}

TEST(Catalogue, TypeDescriptionsArePaddedTo36Characters) {
  for (int code = 0; code < kDataTypeCount; ++code) {
    const TypeDescription& d = typeDescription(code);
    EXPECT_EQ(d.line1.size(), 36u) << code;
    EXPECT_NE(d.line1.front(), ' ') << code;
    EXPECT_TRUE(d.line2.empty() || d.line2.size() == 36u) << code;
  }
  EXPECT_EQ(typeDescription(Dword).line1, "Quadruple byte                      ");
  EXPECT_EQ(typeDescription(Word).line2, "");
  EXPECT_EQ(typeDescription(MovementType).line1, "Movement type.  Select one from the ");
  EXPECT_EQ(typeDescription(Prerequisites).line1, "Prerquisite structures. Press space ");
  EXPECT_EQ(typeDescription(Graphics).line2, "000 is sometimes used as \"None\" too.");
  EXPECT_EQ(typeDescription(Bit8).line1, "Boolean (Yes/No) - bit 8            ");
  EXPECT_EQ(typeDescription(CraterType).line2, "missile explodes on this terrain.   ");
}

}  // namespace
}  // namespace vorn
