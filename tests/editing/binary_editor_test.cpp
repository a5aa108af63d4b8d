// Binary editing: the bit cursor over the spaced binary digits, its moves, and Space
// writing the flipped bit at once.
#include "editing/binary_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/game_file_builder.h"
#include "editing/edit_test_support.h"
#include "model/catalogue.h"
#include "screen/layout.h"
#include "shell/keys.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::fieldBytes;
using testing::selectField;
using testing::TestEditor;

constexpr int kCanBeCaptured = 11;   // Units, Bit8
constexpr int kUnusedFlag03 = 6;     // Units, Bit3
constexpr int kHitPoints = 21;       // Units, Word
constexpr int kBuildIconOrder = 28;  // Units, SignedByte
constexpr int kFileSize = 1;         // Files, Dword

GameImage binaryFixture() {
  GameImage image(3);
  image.setField(kUnits, 0, kHitPoints, 0x1234);
  image.setField(kUnits, 0, kBuildIconOrder, 5);
  image.setField(kFiles, 0, kFileSize, 0x80000001);
  return image;
}

// The column of the two arrows, checked on both rows.
int bitCursorColumn(const TestEditor& t) {
  int found = 0;
  for (int column = 18; column <= 62; ++column) {
    if (t.console.cell(column, 10).ch == doubleFrame.moreBelow) {
      EXPECT_EQ(found, 0) << "two arrows";
      found = column;
    }
  }
  EXPECT_EQ(t.console.cell(found, 12).ch, doubleFrame.moreAbove);
  return found;
}

TEST(BinaryEditor, BitOffsetCountsGroupAndByteGaps) {
  const std::vector<std::pair<int, int>> cases{{0, 0},  {3, 3},   {4, 5},  {7, 8},
                                               {8, 12}, {15, 20}, {31, 44}};
  for (const auto& [n, offset] : cases) EXPECT_EQ(bitOffset(n), offset) << n;
}

TEST(BinaryEditor, StartsOnTheFlagsOwnBitOrOnBitZero) {
  struct Case {
    std::string name;
    int section;
    int field;
    int column;
    std::string digits;
  };
  const std::vector<Case> cases{
      {"Bit3", kUnits, kUnusedFlag03, 24, "0000 0000 "},
      {"Bit8", kUnits, kCanBeCaptured, 18, "0000 0000 "},
      {"SignedByte", kUnits, kBuildIconOrder, 26, "0000 0101 "},
      {"Word", kUnits, kHitPoints, 38, "0001 0010 | 0011 0100 "},
      {"Dword", kFiles, kFileSize, 62, "1000 0000 | 0000 0000 | 0000 0000 | 0000 0001 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestEditor t(binaryFixture());
    selectField(t, c.section, 0, c.field);
    t.pressExtended(key::F2);
    EXPECT_TRUE(t.ed.view().bitEditMode);
    EXPECT_EQ(t.ed.view().focus, kPopupPane);
    EXPECT_EQ(bitCursorColumn(t), c.column) << t.console.screenDump();
    EXPECT_EQ(t.console.text(18, 11, static_cast<int>(c.digits.size())), c.digits);
  }
}

TEST(BinaryEditor, MovesTowardsTheMoreSignificantBitsToTheLeft) {
  struct Case {
    std::vector<std::uint8_t> keys;
    int column;
  };
  // Word: bit 0 in column 38, bit 15 in column 18.
  const std::vector<Case> cases{
      {{key::Left}, 37},
      {{key::Up, key::Up}, 36},
      {{key::Left, key::Right}, 38},
      {{key::Down}, 38},
      {{key::PageUp}, 18},
      {{key::Home, key::Down}, 19},
      {{key::Left, key::Left, key::Left, key::Left}, 33},  // over the blank between groups
      {{key::End}, 38},
  };
  for (const Case& c : cases) {
    TestEditor t(binaryFixture());
    selectField(t, kUnits, 0, kHitPoints);
    t.pressExtended(key::F2);
    for (std::uint8_t k : c.keys) t.pressExtended(k);
    EXPECT_EQ(bitCursorColumn(t), c.column) << t.console.screenDump();
  }
}

TEST(BinaryEditor, SpaceWritesTheFlippedBitAndTheOldValueStays) {
  TestEditor t(binaryFixture());
  selectField(t, kUnits, 0, kHitPoints);
  t.pressExtended(key::F2);
  EXPECT_EQ(t.console.text(17, 9, 17), "Old value : 12 34");
  EXPECT_EQ(t.console.text(17, 14, 16), "New value: 12 34");
  t.press(' ');
  t.pressExtended(key::Left);
  t.pressExtended(key::Left);
  t.press(' ');
  EXPECT_EQ(fieldBytes(t, kUnits, 0, kHitPoints, 2), (std::vector<std::uint8_t>{0x31, 0x12}));
  EXPECT_EQ(t.console.text(17, 9, 17), "Old value : 12 34");
  EXPECT_EQ(t.console.text(17, 14, 16), "New value: 12 31");
  EXPECT_EQ(t.console.text(18, 11, 21), "0001 0010 | 0011 0001");
  t.press(0x1B);
  EXPECT_FALSE(t.ed.view().bitEditMode);
  EXPECT_EQ(t.ed.view().focus, kFieldPane);
  EXPECT_EQ(fieldBytes(t, kUnits, 0, kHitPoints, 2), (std::vector<std::uint8_t>{0x31, 0x12}));
}

}  // namespace
}  // namespace vorn
