#include "shell/navigation.h"

#include <gtest/gtest.h>

#include "builder/game_file_builder.h"
#include "shell/keys.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::TestEditor;

struct Position {
  int focus, topIndex, cursorRow;
  bool operator==(const Position&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Position& p) {
  return out << "{focus " << p.focus << ", top " << p.topIndex << ", row " << p.cursorRow << "}";
}

Position where(TestEditor& t) {
  const PaneState& p = t.ed.view().pane(t.ed.view().focus);
  return {t.ed.view().focus, p.topIndex, p.cursorRow};
}

struct Step {
  std::uint8_t scanCode;
  Position expected;
};

struct NavigationCase {
  const char* name;
  int section;  // selected before the steps, with the focus moved to `focus`
  int focus;
  std::vector<Step> steps;
};

TEST(Navigation, MovesAndScrollsByTheRules) {
  const std::vector<NavigationCase> cases{
      {"section pane scrolls",
       0,
       1,
       {{key::Down, {1, 0, 1}},
        {key::Down, {1, 0, 2}},
        {key::Down, {1, 1, 2}},
        {key::End, {1, 5, 2}},
        {key::Home, {1, 0, 0}},
        {key::Up, {1, 0, 0}}}},
      {"27 units page by page",
       0,
       2,
       {{key::PageDown, {2, 0, 14}},
        {key::PageDown, {2, 12, 14}},
        {key::PageDown, {2, 12, 14}},
        {key::PageUp, {2, 12, 0}},
        {key::Home, {2, 0, 0}}}},
      {"74 unit fields",
       0,
       3,
       {{key::PageDown, {3, 0, 19}},
        {key::PageDown, {3, 19, 19}},
        {key::End, {3, 54, 19}},
        {key::Home, {3, 0, 0}}}},
      {"a list that fits never scrolls",
       4,
       3,
       {{key::End, {3, 0, 4}},
        {key::Down, {3, 0, 4}},
        {key::PageDown, {3, 0, 4}},
        {key::Up, {3, 0, 3}}}},
  };
  for (const NavigationCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestEditor t{GameImage(3)};
    for (int i = 0; i < c.section; ++i) t.pressExtended(key::Down);
    for (int i = 1; i < c.focus; ++i) t.pressExtended(key::Right);
    for (const Step& step : c.steps) {
      t.pressExtended(step.scanCode);
      EXPECT_EQ(where(t), step.expected) << "after scan code " << int(step.scanCode);
    }
  }
}

TEST(Navigation, PageUpFromRowFiveReachesTheFirstEntry) {
  TestEditor t{GameImage(3)};
  t.pressExtended(key::Right);
  for (int i = 0; i < 5; ++i) t.pressExtended(key::Down);
  t.pressExtended(key::PageUp);
  EXPECT_EQ(where(t), (Position{2, 0, 0}));
}

TEST(Navigation, AMoveThatChangesNothingRedrawsNothing) {
  TestEditor t{GameImage(3)};
  t.console.resetWrites();
  t.pressExtended(key::Up);
  EXPECT_EQ(t.console.writes(), 0);
  t.pressExtended(key::End);
  t.console.resetWrites();
  t.pressExtended(key::Down);
  EXPECT_EQ(t.console.writes(), 0);
}

TEST(Navigation, ChangingSectionResetsTheOtherPanesChangingItemKeepsTheFieldCursor) {
  TestEditor t{GameImage(3)};
  t.pressExtended(key::Right);
  t.pressExtended(key::Down);
  t.pressExtended(key::Right);
  t.pressExtended(key::PageDown);
  t.pressExtended(key::Left);  // item pane
  t.pressExtended(key::Down);
  EXPECT_EQ(t.ed.selectedItem(), 2);
  EXPECT_EQ(t.ed.selectedField(), 19);
  t.pressExtended(key::Left);  // section pane
  t.pressExtended(key::Down);
  EXPECT_EQ(t.ed.selectedSection(), 1);
  EXPECT_EQ(t.ed.selectedItem(), 0);
  EXPECT_EQ(t.ed.selectedField(), 0);
  EXPECT_EQ(t.ed.view().pane(kItemPane).lastIndex, 18);
  EXPECT_EQ(t.ed.view().pane(kFieldPane).lastIndex, 57);
}

TEST(Navigation, FocusCyclesThroughTheThreePanes) {
  TestEditor t{GameImage(3)};
  const std::vector<std::pair<std::uint8_t, int>> steps{{key::Right, 2}, {key::Right, 3},
                                                        {key::Right, 1}, {key::Left, 3},
                                                        {key::Left, 2},  {key::Left, 1}};
  for (const auto& [scan, focus] : steps) {
    t.pressExtended(scan);
    EXPECT_EQ(t.ed.view().focus, focus);
  }
  // The focused pane has the white double frame, the others a light grey single frame.
  t.pressExtended(key::Left);
  EXPECT_EQ(t.console.cell(28, 3).ch, 0xC9);
  EXPECT_EQ(t.console.cell(28, 3).foreground, 15);
  EXPECT_EQ(t.console.cell(1, 3).ch, 0xDA);
  EXPECT_EQ(t.console.cell(1, 3).foreground, 7);
  EXPECT_EQ(t.console.cell(56, 3).ch, 0xCB);  // the divider follows the frame's style
}

TEST(KeyDispatch, KeysWithoutMeaningChangeNothing) {
  TestEditor t{GameImage(3)};
  const std::string before = t.console.screenDump();
  struct Key {
    bool extended;
    std::uint8_t code;
  };
  // Alt+x arrives as 0 followed by the code of x; F6 has no meaning; letters in the
  // section pane do not open the edit popup.
  for (const Key& k :
       {Key{true, 0x78}, Key{true, key::F6}, Key{true, key::Ignored}, Key{false, 'q'},
        Key{false, 'D'}, Key{false, key::Enter}, Key{false, 0xFF}}) {
    if (k.extended) {
      t.pressExtended(k.code);
    } else {
      t.press(k.code);
    }
    EXPECT_EQ(t.ed.state.lastKey, 0) << int(k.code);
    EXPECT_EQ(t.ed.view().focus, 1);
  }
  EXPECT_EQ(t.console.screenDump(), before);
}

TEST(KeyDispatch, OnlyTheLastKeyOfABurstCounts) {
  TestEditor t{GameImage(3)};
  t.console.pushBurst(std::string("\0P\0P\0P", 6));
  handleKey(t.ed);
  EXPECT_EQ(t.ed.selectedSection(), 1);
  EXPECT_EQ(t.console.pendingKeys(), 0u);
}

TEST(KeyDispatch, TheOpenEditPopupTakesOnlyItsOwnKeys) {
  TestEditor t{GameImage(3)};
  t.pressExtended(key::Right);
  t.pressExtended(key::Right);
  for (int i = 0; i < 4; ++i) t.pressExtended(key::Down);  // "Generate shadow", a yes/no list
  t.press(key::Enter);
  ASSERT_EQ(t.ed.view().focus, kPopupPane);
  const std::string before = t.console.screenDump();
  // Help, information screens, dumps, the profile and research mode wait for the main screen.
  for (std::uint8_t scan : {key::F1, key::F7, key::F8, key::F9, key::F10, key::F11, key::F12}) {
    t.pressExtended(scan);
    EXPECT_EQ(t.ed.state.lastKey, 0) << int(scan);
  }
  for (char letter : std::string("hslvnri")) t.press(static_cast<std::uint8_t>(letter));
  EXPECT_EQ(t.ed.view().focus, kPopupPane);
  EXPECT_EQ(t.console.screenDump(), before);
  t.press(key::Escape);  // closes the popup, does not end the program
  EXPECT_EQ(t.ed.view().focus, kFieldPane);
  EXPECT_NE(t.ed.state.lastKey, key::Quit);
  // F3 from the list closes it without a change; F3 again opens the hexadecimal entry.
  t.press(key::Enter);
  t.pressExtended(key::F3);
  EXPECT_EQ(t.ed.view().focus, kFieldPane);
  t.console.pushExtended(key::F3);
  t.console.pushKeys("\b\bA\r");
  handleKey(t.ed);
  EXPECT_EQ(t.bytes()[fieldAddress(t.open.game, kUnits, 0, 4)], 0xA0);
}

TEST(KeyDispatch, EscapeOnTheMainScreenEndsTheLoop) {
  TestEditor t{GameImage(3)};
  t.press(key::Escape);
  EXPECT_EQ(t.ed.state.lastKey, key::Quit);
}

}  // namespace
}  // namespace vorn
