// What every information screen shares: it dims the focused pane, draws white on blue,
// closes on one key press that the main loop never sees, and leaves the main screen as
// it found it.
#include <gtest/gtest.h>

#include "info/info_test_support.h"
#include "screen/layout.h"
#include "shell/main_loop.h"

namespace vorn {
namespace {

using testing::openPopup;
using testing::screenCells;
using testing::selectField;
using testing::TestEditor;

struct Screen {
  const char* name;
  std::uint8_t scanCode;
  int column, row;            // a cell inside the popup's blanked interior
  int titleColumn, titleRow;  // a letter of the title over the top edge
};

const Screen kScreens[] = {
    {"help", key::F1, 60, 14, 16, 3},
    {"version info", key::F9, 60, 14, 18, 7},
    {"about", key::F12, 60, 19, 17, 4},
};

// Puts the editor in each main pane, with the field pane scrolled so that the view
// state has something to lose.
enum class Start { SectionPane, ItemPane, ScrolledFieldPane };

void prepare(TestEditor& t, Start start) {
  selectField(t, kUnits, 41);
  ASSERT_GT(t.ed.view().pane(kFieldPane).topIndex, 0);
  if (start == Start::SectionPane) t.pressExtended(key::Right);
  if (start == Start::ItemPane) t.pressExtended(key::Left);
}

TEST(InfoPopup, ClosingRestoresTheMainScreenExactly) {
  for (Start start : {Start::SectionPane, Start::ItemPane, Start::ScrolledFieldPane}) {
    for (const Screen& screen : kScreens) {
      SCOPED_TRACE(screen.name);
      TestEditor t{builder::GameImage(3)};
      prepare(t, start);
      const auto before = screenCells(t.console);
      const ViewState view = t.ed.view();

      t.console.pushExtended(screen.scanCode);
      t.console.pushKey('q');
      handleKey(t.ed);

      SCOPED_TRACE(t.console.screenDump());
      EXPECT_EQ(testing::visibleDifferences(screenCells(t.console), before), "");
      EXPECT_EQ(t.ed.view().focus, view.focus);
      EXPECT_EQ(t.ed.view().previousFocus, view.focus);
      for (int pane = kSectionPane; pane <= kFieldPane; ++pane) {
        EXPECT_EQ(t.ed.view().pane(pane).cursorRow, view.pane(pane).cursorRow);
        EXPECT_EQ(t.ed.view().pane(pane).topIndex, view.pane(pane).topIndex);
      }
      EXPECT_EQ(t.console.cursorColumn(), 80);
      EXPECT_EQ(t.console.cursorRow(), 25);
    }
  }
}

TEST(InfoPopup, ExtendedKeyClosesWithOnePressAndLeavesNothingBehind) {
  for (const Screen& screen : kScreens) {
    SCOPED_TRACE(screen.name);
    TestEditor t{builder::GameImage(3)};
    const auto before = screenCells(t.console);
    t.console.pushExtended(screen.scanCode);
    t.console.pushExtended(key::F1);  // closes the popup; must not open the help
    handleKey(t.ed);
    EXPECT_EQ(t.console.pendingKeys(), 0u);
    EXPECT_EQ(testing::visibleDifferences(screenCells(t.console), before), "");
  }
}

TEST(InfoPopup, WhiteOnBlueOverALightGreyDoubleFrame) {
  for (const Screen& screen : kScreens) {
    SCOPED_TRACE(screen.name);
    TestEditor t{builder::GameImage(3)};
    t.pressExtended(key::Right);
    ASSERT_EQ(t.ed.view().focus, kItemPane);
    openPopup(t, screen.scanCode);
    SCOPED_TRACE(t.console.screenDump());

    // The item pane (columns 1..27, rows 8..24) shown as inactive; the help popup covers
    // its right edge, so look at its left edge and bottom corner.
    const Cell corner = t.console.cell(1, 8);
    EXPECT_EQ(corner.ch, doubleFrame.topLeft);
    EXPECT_EQ(corner.foreground, kLightGrey);
    EXPECT_EQ(corner.background, kBlue);
    const Cell bottom = t.console.cell(1, 24);
    EXPECT_EQ(bottom.ch, doubleFrame.bottomLeft);
    EXPECT_EQ(bottom.foreground, kLightGrey);
    const Cell cursorRow = t.console.cell(3, 9);
    EXPECT_EQ(cursorRow.foreground, inactiveCursorColour.foreground);
    EXPECT_EQ(cursorRow.background, inactiveCursorColour.background);
    const Cell otherRow = t.console.cell(3, 10);
    EXPECT_EQ(otherRow.foreground, inactiveTextColour.foreground);
    EXPECT_EQ(otherRow.background, inactiveTextColour.background);
    EXPECT_EQ(t.ed.view().focus, kItemPane);
    EXPECT_EQ(t.ed.view().previousFocus, kItemPane);

    // The popup, its frame and its text.
    for (int column : {screen.column, 40}) {
      const Cell inside = t.console.cell(column, screen.row);
      EXPECT_EQ(inside.foreground, kWhite);
      EXPECT_EQ(inside.background, kBlue);
    }
    const Cell title = t.console.cell(screen.titleColumn, screen.titleRow);
    EXPECT_NE(title.ch, ' ');
    EXPECT_EQ(title.foreground, kWhite);
    EXPECT_EQ(title.background, kBlue);
  }
}

}  // namespace
}  // namespace vorn
