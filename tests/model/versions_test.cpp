#include "model/versions.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "model/catalogue.h"
#include "model/game.h"
#include "model/game_file.h"
#include "values/value_names.h"

namespace vorn {
namespace {

const GameVersion& entry(int index) {
  return versionCatalogue()[index];
}

TEST(VersionCatalogue, KeysNamesAndGraphicsLists) {
  struct Expected {
    std::string_view key;
    std::string_view name;
    std::uint32_t identOffset;
    std::uint32_t referenceBase;
    std::uint32_t loadImageOffset;
    const GraphicsNameList* graphics;
  };
  const Expected expected[kVersionCount] = {
      {"DEMO", "Demo version", 0x36FFE, 0x324D90F0, 0x4A00, &graphicsNames354},
      {"DEMO-CD", "Demo version from the Marrowdeep CD", 0x37BF0, 0x33BB7810, 0x4C00,
       &graphicsNames355},
      {"1.00", "United States v1.00", 0x37FA2, 0x332B8110, 0x4C00, &graphicsNames354},
      {"1.07-US", "United States v1.07", 0x37BB2, 0x32EC8500, 0x4C00, &graphicsNames355},
      {"1.07-EU", "European v1.07", 0x38132, 0x33447F80, 0x4C00, &graphicsNames355},
      {"1.07-TB", "Tallowby v1.07", 0x380D2, 0x333E7FE0, 0x4C00, &graphicsNames355},
  };
  for (int i = 0; i < kVersionCount; ++i) {
    SCOPED_TRACE(expected[i].key);
    EXPECT_EQ(entry(i).key, expected[i].key);
    EXPECT_EQ(entry(i).name, expected[i].name);
    EXPECT_EQ(entry(i).identOffset, expected[i].identOffset);
    EXPECT_EQ(entry(i).referenceBase, expected[i].referenceBase);
    EXPECT_EQ(entry(i).loadImageOffset, expected[i].loadImageOffset);
    EXPECT_EQ(entry(i).graphicsNames, expected[i].graphics);
  }
}

TEST(VersionCatalogue, DescriptionLinesFitAndLineEightIsEmpty) {
  for (const GameVersion& version : versionCatalogue()) {
    SCOPED_TRACE(version.key);
    EXPECT_FALSE(version.descriptionLines[0].empty());
    for (std::string_view line : version.descriptionLines) EXPECT_LE(line.size(), 48u);
    EXPECT_EQ(version.descriptionLines[7], "");
  }
  EXPECT_EQ(entry(3).descriptionLines[3], "stuck on \"T-minus 0\".");
  EXPECT_EQ(entry(1).descriptionLines[4], "");
  EXPECT_EQ(entry(1).descriptionLines[5], "Go do something more productive.");
  EXPECT_EQ(entry(5).descriptionLines[6], "misses the specific German font for the sidebar.");
}

TEST(VersionCatalogue, SectionTableSpotChecks) {
  EXPECT_EQ(entry(3).table(kUnits).tableOffset, 0x2FCB0u);
  EXPECT_EQ(entry(3).table(kStructures).tableOffset, 0x2F58Au);
  EXPECT_EQ(entry(0).table(kMovement).tableOffset, 0x3A530u);
  EXPECT_EQ(entry(4).table(kFiles).tableOffset, 0x31650u);
  EXPECT_EQ(entry(2).table(kVoices).itemCount, 132);
  EXPECT_EQ(entry(1).table(kFiles).itemCount, 677);
  EXPECT_EQ(entry(5).table(kFiles).itemCount, 675);
  for (int i = 0; i < kVersionCount; ++i) {
    EXPECT_EQ(entry(i).table(kUnits).itemCount, 27);
    EXPECT_EQ(entry(i).table(kTerrain).itemCount, 15);
  }
}

TEST(VersionCatalogue, OnlyTheDemoHasItsOwnMusicNames) {
  for (int i = 0; i < kVersionCount; ++i) {
    for (int s = kFirstSection; s <= kLastSection; ++s) {
      const bool demoMusic = i == 0 && s == kMusic;
      EXPECT_EQ(entry(i).table(s).namesOverride, demoMusic ? &demoMusicNames : nullptr)
          << i << "/" << s;
    }
    EXPECT_EQ(entry(i).table(kMusic).itemCount, i == 0 ? 8 : 38);
  }
}

TEST(VersionCatalogue, TerrainTableOf107UsEndsWhereMovementBegins) {
  const GameVersion& us = entry(3);
  EXPECT_EQ(us.table(kTerrain).tableOffset + 15u * 28u, us.table(kMovement).tableOffset);
  EXPECT_EQ(us.table(kMovement).tableOffset, 0x3B146u);
}

TEST(VersionCatalogue, RequiredFileSizeHoldsTheNameAndEveryTable) {
  for (const GameVersion& version : versionCatalogue()) {
    SCOPED_TRACE(version.key);
    const std::uint32_t size = requiredFileSize(version);
    EXPECT_GE(size, version.identOffset + 10);
    std::uint32_t largestEnd = version.identOffset + 10;
    for (int s = kFirstSection; s <= kLastSection; ++s) {
      const SectionTable& table = version.table(s);
      largestEnd =
          std::max(largestEnd,
                   table.tableOffset + static_cast<std::uint32_t>(table.itemCount * recordSize(s)));
    }
    EXPECT_EQ(size, largestEnd);
  }
  // In 1.07-US the Movement table lies last: 6 records of 4 bytes from 0x3B146.
  EXPECT_EQ(requiredFileSize(entry(3)), 0x3B146u + 6 * 4);
}

// A zero-filled file of the given size with zero-terminated strings at chosen offsets,
// removed again when the test ends.
class IdentificationFile : public ::testing::Test {
 protected:
  void TearDown() override {
    file_.close();
    std::filesystem::remove(path_);
  }

  const GameFile& write(std::uint32_t size,
                        std::vector<std::pair<std::uint32_t, std::string>> strings) {
    std::vector<char> bytes(size, 0);
    for (const auto& [offset, text] : strings) std::copy(text.begin(), text.end(), &bytes[offset]);
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    EXPECT_TRUE(file_.openReadOnly(path_.string()));
    return file_;
  }

  std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                ("vorn_ident_" + std::to_string(::getpid()) + ".exe");
  GameFile file_;
};

constexpr std::uint32_t kLargeEnough = 0x39000;

TEST_F(IdentificationFile, FindsTheEntryWhoseOffsetHoldsTheName) {
  const GameFile& file = write(
      kLargeEnough, {{entry(0).identOffset, "OTHER.EXE"}, {entry(3).identOffset, "VORN2.EXE"}});
  EXPECT_EQ(identifyVersion(file, "VORN2.EXE"), 3);
  EXPECT_EQ(identifyVersion(file, "vorn2.exe"), 3);
  EXPECT_EQ(identifyVersion(file, "VORN2.EX"), -1);
  EXPECT_EQ(identifyVersion(file, "VORN2.EXE "), -1);
}

TEST_F(IdentificationFile, CaseFoldingWorksOnTheStoredNameToo) {
  const GameFile& file = write(kLargeEnough, {{entry(5).identOffset, "Vorn2.exe"}});
  EXPECT_EQ(identifyVersion(file, "VORN2.EXE"), 5);
}

TEST_F(IdentificationFile, ACopyUnderAnotherNameIsFoundOnlyByTheDefaultName) {
  const GameFile& file = write(kLargeEnough, {{entry(4).identOffset, "VORN2.EXE"}});
  EXPECT_EQ(identifyVersion(file, "MYCOPY.EXE"), -1);
  EXPECT_EQ(identifyVersion(file, kDefaultGameFileName), 4);
}

TEST_F(IdentificationFile, TheLowerIndexWinsWhenTwoOffsetsMatch) {
  const GameFile& file = write(
      kLargeEnough, {{entry(5).identOffset, "VORN2.EXE"}, {entry(1).identOffset, "VORN2.EXE"}});
  EXPECT_EQ(identifyVersion(file, "VORN2.EXE"), 1);
}

TEST_F(IdentificationFile, AFileShorterThanEveryOffsetIsNotIdentified) {
  const GameFile& file = write(0x1000, {{0, "VORN2.EXE"}});
  EXPECT_EQ(identifyVersion(file, "VORN2.EXE"), -1);
}

}  // namespace
}  // namespace vorn
