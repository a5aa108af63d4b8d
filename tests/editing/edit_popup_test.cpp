// The edit popup: what it shows for each opening key and data type, the typical edit from
// key to file, and drawing the open popup again over a fresh main screen.
#include "editing/edit_popup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "builder/game_file_builder.h"
#include "editing/edit_test_support.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "platform/memory_console.h"
#include "screen/layout.h"
#include "screen/main_screen.h"
#include "shell/keys.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::extended;
using testing::fieldBytes;
using testing::Keys;
using testing::openAndType;
using testing::selectField;
using testing::TestEditor;
using testing::typed;

constexpr int kHitPoints = 21;       // Units, Word
constexpr int kBuildIconOrder = 28;  // Units, SignedByte
constexpr int kFileSize = 1;         // Files, Dword
constexpr int kFootSpeed = 2;        // Terrain, Percent8
constexpr int kUnusedFlag03 = 6;     // Units, Bit3

GameImage popupFixture() {
  GameImage image(3);
  image.setName(kUnits, 0, "Carryall");
  image.setName(kUnits, 2, "Devastator");
  image.setField(kUnits, 0, kHitPoints, 0x1234);
  image.setField(kUnits, 2, kHitPoints, 150);
  image.setField(kUnits, 0, kBuildIconOrder, 5);
  image.setField(kFiles, 0, kFileSize, 7);
  image.setField(kTerrain, 0, kFootSpeed, 128);
  return image;
}

std::string hex8(std::uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

TEST(EditPopup, HitPointsEditFromKeyToFile) {
  TestEditor t(popupFixture());
  selectField(t, kUnits, 2, kHitPoints);
  const std::uint32_t address = fieldAddress(t.open.game, kUnits, 2, kHitPoints);
  ASSERT_EQ(address, 0x2FCB0u + 2 * 90 + 16);

  openAndType(t, typed("\r"), typed("\b\b\b300\r"));

  EXPECT_EQ(fieldBytes(t, kUnits, 2, kHitPoints, 2), (std::vector<std::uint8_t>{0x2C, 0x01}));
  EXPECT_EQ(t.ed.view().focus, kFieldPane);
  EXPECT_EQ(t.console.pendingKeys(), 0u);
  const int row = 4 + t.ed.view().pane(kFieldPane).cursorRow;
  EXPECT_EQ(t.console.text(valueColumn, row, 4), "300 ") << t.console.screenDump();
  EXPECT_NE(t.console.cell(15, 5).ch, doubleFrame.topLeft) << "the popup is still shown";
}

TEST(EditPopup, FramesThePopupOverTheInactivePane) {
  TestEditor t(popupFixture());
  selectField(t, kUnits, 2, kHitPoints);
  EXPECT_THROW(openAndType(t, typed("\r"), {}), KeyQueueEmpty);  // the entry waits for keys
  EXPECT_EQ(t.ed.view().focus, kPopupPane);
  EXPECT_EQ(t.ed.view().previousFocus, kFieldPane);
  const Cell paneCorner = t.console.cell(28, 3);
  EXPECT_EQ(paneCorner.ch, doubleFrame.topLeft);
  EXPECT_EQ(paneCorner.foreground, kLightGrey);
  const Cell popupCorner = t.console.cell(15, 5);
  EXPECT_EQ(popupCorner.ch, doubleFrame.topLeft);
  EXPECT_EQ(popupCorner.foreground, kWhite);
  EXPECT_EQ(t.console.cell(66, 19).ch, doubleFrame.bottomRight);
  EXPECT_EQ(t.console.text(16, 5, 8), std::string("\xCD[EDIT]\xCD"));
  // The field pane's cursor row shows white on black behind the popup.
  const int row = 4 + t.ed.view().pane(kFieldPane).cursorRow;
  EXPECT_EQ(t.console.cell(30, row).background, kBlack);
}

TEST(EditPopup, RowsByOpeningKeyAndDataType) {
  struct Row {
    int column;
    int row;
    std::string text;
  };
  struct Case {
    std::string name;
    int section;
    int field;
    Keys opener;
    bool research;
    std::vector<Row> rows;
  };
  const GameImage image = popupFixture();
  TestEditor probe(image);
  const auto address = [&](int section, int field) {
    return fieldAddress(probe.open.game, section, 0, field);
  };
  const std::string hitPointsAddress = std::to_string(address(kUnits, kHitPoints));
  const std::vector<Case> cases{
      {"Enter on a Word",
       kUnits,
       kHitPoints,
       typed("\r"),
       false,
       {{17, 5, "[EDIT]"},
        {17, 6, "Section   : Carryall"},
        {17, 7, "Option    : Hit points             "},
        {17, 8, "Address   : " + hitPointsAddress},
        {17, 9, "Data type : Double byte (-32768,32767)"},
        {17, 10, "Old value : 4660"},
        {19, 13, "4660_______________ "}}},
      {"Enter on a Dword",
       kFiles,
       kFileSize,
       typed("\r"),
       false,
       {{17, 9, "Data type : Quadruple byte"},
        {29, 10, "(-2147483648,2147483647)"},
        {17, 11, "Old value : 7"},
        {19, 14, "7__"}}},
      {"F4 on a SignedByte",
       kUnits,
       kBuildIconOrder,
       extended(key::F4),
       false,
       {{17, 5, "[DEC EDIT SIGNED]"},
        {17, 8, "Address   : " + std::to_string(address(kUnits, kBuildIconOrder))},
        {17, 9, "Data range: -128,127 "},
        {17, 10, "Old value : 5 "},
        {19, 13, "5__"}}},
      {"F5 on a Percent8",
       kTerrain,
       kFootSpeed,
       extended(key::F5),
       false,
       {{17, 5, "[DEC EDIT UNSIGNED]"},
        {17, 9, "Data range: 0,255 "},
        {17, 11, "Old value : 128 "}}},
      {"F3 on a Percent8",
       kTerrain,
       kFootSpeed,
       extended(key::F3),
       false,
       {{17, 5, "[HEX EDIT]"},
        {17, 8, "Address   : " + hex8(address(kTerrain, kFootSpeed))},
        {17, 9, "Old value : 80 "}}},
      {"x on a Word",
       kUnits,
       kHitPoints,
       typed("x"),
       false,
       {{17, 5, "[HEX EDIT]"},
        {17, 8, "Address   : " + hex8(address(kUnits, kHitPoints))},
        {17, 9, "Old value : 12 34 "},
        {19, 12, "12 34 "}}},
      {"F2 on a Word",
       kUnits,
       kHitPoints,
       extended(key::F2),
       false,
       {{17, 5, "[BIN EDIT]"}, {17, 8, "Address   : " + hex8(address(kUnits, kHitPoints))}}},
      {"Enter in research mode on a Word",
       kUnits,
       kHitPoints,
       typed("\r"),
       true,
       {{17, 5, "[HEX EDIT]"}, {17, 9, "Old value : 12 34 "}}},
      {"Enter in research mode on a flag",
       kUnits,
       kUnusedFlag03,
       typed("\r"),
       true,
       {{17, 5, "[BIN EDIT]"}, {18, 11, "0000 0000 "}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestEditor t(image);
    selectField(t, c.section, 0, c.field);
    if (c.research) t.press('r');
    try {
      openAndType(t, c.opener, {});
    } catch (const KeyQueueEmpty&) {
      // a typed entry is waiting for its keys
    }
    EXPECT_EQ(t.ed.view().focus, kPopupPane);
    for (const Row& r : c.rows) {
      EXPECT_EQ(t.console.text(r.column, r.row, static_cast<int>(r.text.size())), r.text)
          << "row " << r.row << "\n"
          << t.console.screenDump();
    }
  }
}

TEST(EditPopup, AHexEntryInResearchModeRefreshesTheItemText) {
  TestEditor t(popupFixture());
  selectField(t, kUnits, 0, kHitPoints);
  t.press('r');
  openAndType(t, typed("\r"), typed("\b\b\b\bABCD\r"));
  EXPECT_EQ(t.ed.view().itemNames[0], "Carryall     ABCD");
  EXPECT_EQ(t.console.text(4, 9, 17), "Carryall     ABCD");
}

// What the eye sees of a cell: the foreground of a blank does not show.
bool looksAlike(const Cell& a, const Cell& b) {
  return a.ch == b.ch && a.background == b.background &&
         (a.ch == ' ' || a.foreground == b.foreground);
}

// A full redraw while the popup is open draws it again exactly as it was, without moving
// the list cursor or the bit cursor.
TEST(EditPopup, AFullRedrawShowsTheOpenPopupUnchanged) {
  struct Case {
    std::string name;
    int section;
    int field;
    Keys keys;  // opening key, then main loop keys
    // After a change the values behind the popup are read again: only the popup compares.
    bool wholeScreen;
  };
  const std::vector<Case> cases{
      {"percent list", kTerrain, kFootSpeed, typed("\r") + extended(key::Down), true},
      {"binary editing after a change", kUnits, kHitPoints,
       extended(key::F2) + extended(key::Left) + typed(" ") + extended(key::Left), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestEditor t(popupFixture());
    selectField(t, c.section, 0, c.field);
    for (const testing::Key& k : c.keys) {
      if (k.extended) {
        t.pressExtended(k.code);
      } else {
        t.press(k.code);
      }
    }
    ASSERT_EQ(t.ed.view().focus, kPopupPane);
    const PaneState before = t.ed.view().pane(kPopupPane);
    const std::string screen = t.console.screenDump();
    std::vector<Cell> cells;
    for (int row = 1; row <= kScreenRows; ++row)
      for (int column = 1; column <= kScreenColumns; ++column)
        cells.push_back(t.console.cell(column, row));

    redrawScreen(t.ed);

    EXPECT_EQ(t.ed.view().focus, kPopupPane);
    EXPECT_EQ(t.ed.view().pane(kPopupPane).cursorRow, before.cursorRow);
    EXPECT_EQ(t.ed.view().pane(kPopupPane).topIndex, before.topIndex);
    std::size_t k = 0;
    for (int row = 1; row <= kScreenRows; ++row) {
      for (int column = 1; column <= kScreenColumns; ++column, ++k) {
        const bool inPopup = column >= 15 && column <= 66 && row >= 5 && row <= 19;
        if (!c.wholeScreen && !inPopup) continue;
        ASSERT_TRUE(looksAlike(t.console.cell(column, row), cells[k]))
            << "(" << column << ", " << row << ")\nbefore:\n"
            << screen << "after:\n"
            << t.console.screenDump();
      }
    }
  }
}

}  // namespace
}  // namespace vorn
