// Research mode: raw bytes in the value column, and the item pane comparing the selected
// field across all items, for fields of every width and for flags.
#include "editing/research.h"

#include <gtest/gtest.h>

#include <array>

#include "builder/game_file_builder.h"
#include "model/catalogue.h"
#include "screen/layout.h"
#include "shell/keys.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::TestEditor;

constexpr int kFirstItemRow = 9;   // screen row of the item pane's first entry
constexpr int kFirstFieldRow = 4;  // screen row of the field pane's first entry
constexpr int kItemTextColumn = 4;
constexpr int kResearchValueColumn = kItemTextColumn + 13;

// Unit fields of each width, and a flag.
constexpr int kGenerateShadow = 4;   // Bit1 of the byte at offset 12
constexpr int kHitPoints = 21;       // Word
constexpr int kPrerequisites = 27;   // 4 bytes
constexpr int kBuildIconOrder = 28;  // SignedByte

GameImage researchFixture() {
  GameImage image(3);
  image.setName(kUnits, 0, "Carryall");
  image.setName(kUnits, 1, "MCV");
  image.setName(kUnits, 2, "Devastator Mark II");  // longer than 12 characters
  image.setField(kUnits, 0, kPrerequisites, 0x12C);
  image.setField(kUnits, 1, kPrerequisites, 0xA1B2C3D4);
  image.setField(kUnits, 0, kHitPoints, 300);
  image.setField(kUnits, 2, kHitPoints, 0xFFFF);
  image.setField(kUnits, 0, kBuildIconOrder, 0xFF);
  image.setField(kUnits, 1, kBuildIconOrder, 0x1A);
  image.setField(kUnits, 1, kGenerateShadow, 1);
  image.setField(kUnits, 1, kGenerateShadow + 1, 1);  // the next bit of the same byte
  return image;
}

// Selects field `field` of the Units section with the focus on the field pane.
void selectUnitField(TestEditor& t, int field) {
  t.pressExtended(key::Right);
  t.pressExtended(key::Right);
  for (int i = 0; i < field; ++i) t.pressExtended(key::Down);
  ASSERT_EQ(t.ed.selectedField(), field);
}

std::string itemRowText(const TestEditor& t, int item) {
  return t.console.text(kItemTextColumn, kFirstItemRow + item, 22);
}

std::string valueCell(const TestEditor& t, int length) {
  const int row = kFirstFieldRow + t.ed.view().pane(kFieldPane).cursorRow;
  return t.console.text(valueColumn, row, length);
}

std::string pad(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

TEST(ResearchMode, ShowsRawBytesOfEveryWidthAndFlagsAsDigits) {
  struct Case {
    int field;
    std::string valueColumn;           // selected item 0
    std::array<std::string, 3> items;  // research value of items 0..2
  };
  const std::vector<Case> cases{
      {kPrerequisites, "00 00 01 2C", {"0000012C", "A1B2C3D4", "00000000"}},
      {kHitPoints, "01 2C", {"012C", "0000", "FFFF"}},
      {kBuildIconOrder, "FF", {"FF", "1A", "00"}},
      {kGenerateShadow, "0", {"0", "1", "0"}},
      {kGenerateShadow + 1, "0", {"0", "1", "0"}},
  };
  const std::array<std::string, 3> names{"Carryall", "MCV", "Devastator M"};
  for (const Case& c : cases) {
    SCOPED_TRACE("field " + std::to_string(c.field));
    TestEditor t(researchFixture());
    selectUnitField(t, c.field);
    t.press('r');
    ASSERT_TRUE(t.ed.view().researchMode);
    SCOPED_TRACE(t.console.screenDump());
    EXPECT_EQ(valueCell(t, 21), pad(c.valueColumn, 21));
    for (int item = 0; item < 3; ++item) {
      EXPECT_EQ(itemRowText(t, item), pad(pad(names[item], 13) + c.items[item], 22));
    }
  }
}

TEST(ResearchMode, ValuesStartInOneColumnAndFollowTheFieldCursor) {
  TestEditor t(researchFixture());
  selectUnitField(t, kHitPoints);
  t.pressExtended(key::F11);
  // Every row, short names and long ones alike: a blank before column 17, the value from it.
  for (int item = 0; item < 15; ++item) {
    const int row = kFirstItemRow + item;
    EXPECT_EQ(t.console.cell(kResearchValueColumn - 1, row).ch, ' ') << item;
    EXPECT_EQ(t.console.text(kResearchValueColumn, row, 5), item == 0   ? "012C "
                                                            : item == 2 ? "FFFF "
                                                                        : "0000 ")
        << item;
  }
  // The other rows of the field pane show spaced bytes too; a flag shows its digit.
  const int top = t.ed.view().pane(kFieldPane).topIndex;
  EXPECT_EQ(t.console.text(valueColumn, kFirstFieldRow + 3 - top, 12), "00 00 00 00 ");
  EXPECT_EQ(t.console.text(valueColumn, kFirstFieldRow + kGenerateShadow - top, 2), "0 ");

  t.pressExtended(key::Down);  // Sight: every item text follows the new field
  EXPECT_EQ(itemRowText(t, 0), pad("Carryall     0000", 22));
  t.pressExtended(key::Up);
  EXPECT_EQ(itemRowText(t, 2), pad("Devastator M FFFF", 22));
}

TEST(ResearchMode, TogglingTwiceRestoresTheScreenWithoutMovingACursor) {
  TestEditor t(researchFixture());
  selectUnitField(t, kPrerequisites);
  t.pressExtended(key::Left);  // the item pane
  t.pressExtended(key::Down);
  const ViewState before = t.ed.view();
  std::vector<std::string> rows;
  for (int row = 1; row <= kScreenRows; ++row) rows.push_back(t.console.rowText(row));

  t.press('r');
  EXPECT_EQ(itemRowText(t, 1), pad("MCV          A1B2C3D4", 22));
  EXPECT_EQ(valueCell(t, 12), "A1 B2 C3 D4 ");
  t.press('r');

  EXPECT_FALSE(t.ed.view().researchMode);
  for (int row = 1; row <= kScreenRows; ++row) {
    EXPECT_EQ(t.console.rowText(row), rows[row - 1]) << "row " << row << "\n"
                                                     << t.console.screenDump();
  }
  EXPECT_EQ(t.ed.view().focus, before.focus);
  for (int pane = kSectionPane; pane <= kFieldPane; ++pane) {
    EXPECT_EQ(t.ed.view().pane(pane).cursorRow, before.pane(pane).cursorRow) << pane;
    EXPECT_EQ(t.ed.view().pane(pane).topIndex, before.pane(pane).topIndex) << pane;
  }
  EXPECT_EQ(t.ed.view().itemNames[2], "Devastator Mark II");
}

TEST(ResearchMode, SurvivesASectionChange) {
  TestEditor t(researchFixture());
  t.press('r');
  t.pressExtended(key::Down);  // Structures, field 0 (Short name ID)
  EXPECT_TRUE(t.ed.view().researchMode);
  EXPECT_EQ(itemRowText(t, 0), pad("<no referenc 0000", 22));
  EXPECT_EQ(t.console.text(valueColumn, kFirstFieldRow, 5), "00 00");
}

// An edit rebuilds only the edited item's text; in Terrain, which has no name field, the
// name is the fixed one.
TEST(ResearchMode, RefreshAfterAnEditRebuildsTheItemFromItsName) {
  TestEditor t{GameImage(3)};
  t.pressExtended(key::Down);
  t.pressExtended(key::Down);
  t.pressExtended(key::Down);  // Terrain
  ASSERT_EQ(t.ed.selectedSection(), kTerrain);
  t.pressExtended(key::Right);
  t.pressExtended(key::Down);
  t.pressExtended(key::Down);  // item 2, "Vorn" padded to 11
  t.pressExtended(key::Right);
  t.pressExtended(key::Down);  // field 1, "Unknown 02"
  t.press('r');
  EXPECT_EQ(t.ed.view().itemNames[2], "Vorn         0000");

  t.open.game.file.writeLittleEndian(fieldAddress(t.open.game, kTerrain, 2, 1), 0xBEEF, 2);
  refreshResearchItem(t.ed);
  EXPECT_EQ(t.ed.view().itemNames[2], "Vorn         BEEF");
  EXPECT_EQ(t.ed.view().itemNames[1], "Sand Edge    0000");  // not rebuilt, not needed

  // In a section with a name field the name comes from the (possibly edited) reference.
  TestEditor u(researchFixture());
  selectUnitField(u, 1);
  u.pressExtended(key::Left);
  u.press('r');
  const std::uint32_t name = fieldAddress(u.open.game, kUnits, 0, 1);
  const std::uint32_t mcvName =
      u.open.game.file.readLittleEndian(fieldAddress(u.open.game, kUnits, 1, 1), 4);
  u.open.game.file.writeLittleEndian(name, mcvName, 4);
  refreshResearchItem(u.ed);
  EXPECT_EQ(u.ed.view().itemNames[0].substr(0, 13), "MCV          ");
  EXPECT_EQ(u.ed.view().itemNames[0].substr(13), hexText(4, mcvName, false));
}

}  // namespace
}  // namespace vorn
