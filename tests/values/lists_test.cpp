#include "values/lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "builder/game_file_builder.h"
#include "model/catalogue.h"
#include "screen/layout.h"
#include "screen/main_screen.h"
#include "shell/keys.h"
#include "shell/navigation.h"
#include "support/field_lookup.h"
#include "support/game_fixture.h"
#include "values/value_names.h"
#include "values/value_text.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::FieldRef;
using testing::firstFieldOfType;
using testing::openList;
using testing::placeCursors;
using testing::TestEditor;

constexpr int kDemo = 0;
constexpr int kUs107 = 3;
constexpr int kItem = 1;

void moveCursor(TestEditor& t, int moves) {
  for (int n = 0; n < moves; ++n) t.pressExtended(key::Down);
  for (int n = 0; n > moves; --n) t.pressExtended(key::Up);
}

std::string padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

// The text of popup list row r as the screen shows it (columns 18..49).
std::string shownRow(const MemoryConsole& c, int r) {
  return c.text(18, 12 + r, 32);
}

void expectCursorOn(TestEditor& t, int entry, const std::string& text) {
  const PaneState& pane = t.ed.view().pane(kPopupPane);
  EXPECT_EQ(pane.selected(), entry);
  EXPECT_EQ(shownRow(t.console, pane.cursorRow), padded(text, 32)) << t.console.screenDump();
  const Cell& cell = t.console.cell(18, 12 + pane.cursorRow);
  EXPECT_EQ(cell.foreground, kYellow);
  EXPECT_EQ(cell.background, kRed);
}

// The game file holds exactly the image's bytes (the first difference is reported).
void expectFileIs(const TestEditor& t, const GameImage& image) {
  const std::vector<std::uint8_t> actual = t.bytes();
  const std::vector<std::uint8_t>& expected = image.bytes();
  ASSERT_EQ(actual.size(), expected.size());
  const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin());
  EXPECT_TRUE(a == actual.end()) << "offset " << (a - actual.begin()) << " holds " << int(*a)
                                 << " instead of " << int(*e);
}

std::string weaponSoundEntry(std::int32_t value) {
  return "  " + std::string(weaponSoundNames[findValueName(weaponSoundNames, value)].name);
}

struct ChoiceCase {
  const char* what;
  int type;
  std::uint32_t stored;
  int cursorEntry;         // entry under the cursor after opening
  std::string cursorText;  // as shown there
  int moves;               // Down (or, negative, Up) presses before Space
  std::uint32_t written;   // field value after Space
  int version = kUs107;
};

TEST(SelectionList, OpensOnTheCurrentValueAndSpaceWritesTheChoice) {
  const std::string none = "  None";
  const ChoiceCase cases[] = {
      {"None of a unit reference", UnitType, 0xFFFF, 0, "* NONE", 0, 0xFFFF},
      {"item 3 of a unit reference", UnitType, 0xFFFF, 0, "* NONE", 4, 3},
      {"an invalid unit stays on None", UnitType, 27, 0, none, 0, 0xFFFF},
      {"movement list without None", MovementType, 2, 2, "", 0, 2},
      {"percent between steps", Percent16, 100, 6, "   37.50 %", 0, 96},
      {"percent tie goes to the lower step", Percent16, 8, 0, "    0.00 %", 0, 0},
      {"percent above the last step", Percent16, 300, 16, "  100.00 %", 0, 256},
      {"percent 256 is the last step", Percent16, 256, 16, "* 100.00 %", 0, 256},
      {"nearest weapon sound by value", WeaponSound, 45, findValueName(weaponSoundNames, 44),
       weaponSoundEntry(44), 0, 44},
      {"sidebar mode below the first row", SidebarMode, 0, 0, "  Select target    ", 0, 1},
      {"graphics frame", Graphics, 23, 24, "", 0, 23, kDemo},
      {"graphics None", Graphics, 0xFFFF, 0, " -1 * NONE", 1, 0},
      {"graphics beyond the list", Graphics, 400, 355, "", -1, 353},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const FieldRef at = firstFieldOfType(c.type, 0);
    GameImage image(c.version);
    image.nameAllItems();
    image.setField(at.section, kItem, at.field, c.stored);
    TestEditor t(image);
    placeCursors(t.ed, at.section, kItem, at.field);
    openList(t.ed);

    std::string cursorText = c.cursorText;
    if (c.type == MovementType) cursorText = "* " + upperCase(itemName(t.ed.game, kMovement, 2));
    if (c.type == Graphics && c.stored == 23) {
      cursorText = "023 * " + upperCase(std::string(t.ed.game.version().graphicsNames->names[23]));
    }
    if (c.type == Graphics && c.stored == 400) cursorText = "354   Transparent pixel";
    expectCursorOn(t, c.cursorEntry, cursorText);

    moveCursor(t, c.moves);
    t.press(key::Space);
    EXPECT_EQ(t.ed.view().focus, kFieldPane);
    image.setField(at.section, kItem, at.field, c.written);
    expectFileIs(t, image);
  }
}

TEST(SelectionList, Percent8FullStepStores255AndReopensUnmarkedOnIt) {
  const FieldRef at = firstFieldOfType(Percent8, 0);
  GameImage image(kUs107);
  TestEditor t(image);
  placeCursors(t.ed, at.section, kItem, at.field);
  openList(t.ed);
  t.pressExtended(key::End);
  expectCursorOn(t, 16, "  100.00 %");
  t.press(key::Enter);
  image.setField(at.section, kItem, at.field, 255);
  expectFileIs(t, image);

  openList(t.ed);
  expectCursorOn(t, 16, "  100.00 %");
  for (int k = 0; k <= 16; ++k) EXPECT_NE(t.ed.view().listNames[k][0], '*') << k;
}

TEST(SelectionList, BitListChangesOnlyItsBitOfTheSharedByte) {
  struct BitCase {
    std::uint8_t before;
    std::array<std::string, 2> shown;
    int cursor;
    int moves;
    std::uint8_t after;
  };
  const BitCase cases[] = {
      {0xFF, {"No", "YES"}, 1, -1, 0xFB},
      {0x00, {"NO", "Yes"}, 0, 1, 0x04},
      {0x04, {"No", "YES"}, 1, 0, 0x04},
  };
  const FieldRef at = firstFieldOfType(Bit3, 0);
  for (const BitCase& c : cases) {
    SCOPED_TRACE(c.before);
    GameImage image(kUs107);
    const std::uint32_t offset = image.fieldOffset(at.section, kItem, at.field);
    image.bytes()[offset] = c.before;
    TestEditor t(image);
    placeCursors(t.ed, at.section, kItem, at.field);
    openList(t.ed);
    EXPECT_EQ(t.ed.view().pane(kPopupPane).lastIndex, 1);
    EXPECT_EQ(shownRow(t.console, 1 - c.cursor), padded(c.shown[1 - c.cursor], 32));
    expectCursorOn(t, c.cursor, c.shown[c.cursor]);
    moveCursor(t, c.moves);
    t.press(key::Space);
    image.bytes()[offset] = c.after;
    expectFileIs(t, image);
  }
}

TEST(SelectionList, GraphicsListEndsWithTheReleasesLastFrame) {
  struct GraphicsCase {
    int version;
    int lastIndex;
    std::string lastEntry;
  };
  const GraphicsCase cases[] = {
      {0, 354, "353   Transparent pixel  "}, {1, 355, "354   Transparent pixel  "},
      {2, 354, "353   Transparent pixel  "}, {3, 355, "354   Transparent pixel  "},
      {4, 355, "354   Transparent pixel  "}, {5, 355, "354   Transparent pixel  "},
  };
  const FieldRef at = firstFieldOfType(Graphics, 0);
  for (const GraphicsCase& c : cases) {
    SCOPED_TRACE(c.version);
    GameImage image(c.version);
    image.setField(at.section, kItem, at.field, 5);
    TestEditor t(image);
    placeCursors(t.ed, at.section, kItem, at.field);
    openList(t.ed);
    const ViewState& view = t.ed.view();
    EXPECT_EQ(view.pane(kPopupPane).lastIndex, c.lastIndex);
    EXPECT_EQ(view.listNames[c.lastIndex], c.lastEntry);
    EXPECT_EQ(view.listNames[0], " -1   None");
    EXPECT_EQ(view.listNames[1].substr(0, 6), "000   ");
    EXPECT_EQ(view.listNames[6].substr(0, 6), "005 * ");
  }
}

TEST(SelectionList, PakListIsTheRunOfArchivesAtTheStartOfTheFileTable) {
  const FieldRef at = firstFieldOfType(ParentPak, 0);
  ASSERT_EQ(at.section, kFiles);
  const std::vector<std::string> names{"Sound.PAK", "music.pak", "GFX.PAK", "README.TXT", "X.PAK"};
  GameImage image(kUs107);
  for (std::size_t k = 0; k < names.size(); ++k)
    image.setName(kFiles, static_cast<int>(k), names[k]);
  image.setField(kFiles, 4, at.field, 1);
  TestEditor t(image);
  placeCursors(t.ed, kFiles, 4, at.field);
  openList(t.ed);

  EXPECT_EQ(t.ed.view().pane(kPopupPane).lastIndex, 2);
  EXPECT_EQ(shownRow(t.console, 0), padded("  sound.pak", 32));
  expectCursorOn(t, 1, "* MUSIC.PAK");
  EXPECT_EQ(shownRow(t.console, 2), padded("  gfx.pak", 32));
  EXPECT_EQ(shownRow(t.console, 3), padded("", 32));

  t.pressExtended(key::Down);
  t.press(key::Space);
  image.setField(kFiles, 4, at.field, 2);
  expectFileIs(t, image);
}

TEST(SelectionList, EmptyPakListShowsNothingAndWritesNothing) {
  const FieldRef at = firstFieldOfType(ParentPak, 0);
  GameImage image(kUs107);
  image.setName(kFiles, 0, "README.TXT");
  image.setName(kFiles, 1, "A.PAK");
  image.setField(kFiles, 2, at.field, 1);
  TestEditor t(image);
  placeCursors(t.ed, kFiles, 2, at.field);
  openList(t.ed);

  EXPECT_EQ(t.ed.view().pane(kPopupPane).lastIndex, -1);
  for (int r = 0; r < 6; ++r) EXPECT_EQ(t.console.text(16, 12 + r, 34), padded("", 34)) << r;
  t.press(key::Space);
  EXPECT_EQ(t.ed.view().focus, kPopupPane);
  expectFileIs(t, image);
}

TEST(SelectionList, PakListHoldsAtMost256Archives) {
  const FieldRef at = firstFieldOfType(ParentPak, 0);
  GameImage image(kUs107);
  const int count = versionCatalogue()[kUs107].table(kFiles).itemCount;
  ASSERT_GT(count, 257);
  for (int k = 0; k < count; ++k) image.setName(kFiles, k, "F" + std::to_string(k) + ".PAK");
  TestEditor t(image);
  placeCursors(t.ed, kFiles, 0, at.field);
  openList(t.ed);
  EXPECT_EQ(t.ed.view().pane(kPopupPane).lastIndex, 255);
  EXPECT_EQ(t.ed.view().listNames[255], "  f255.pak");
}

TEST(SelectionList, LongEntriesAreCutAtThePopupsBlankedWidthAndMarksShowMore) {
  const FieldRef at = firstFieldOfType(UnitType, 0);
  GameImage image(kUs107);
  image.nameAllItems();
  const std::string longName(60, 'n');
  image.setName(kUnits, 0, longName);
  image.setField(at.section, kItem, at.field, 0xFFFF);
  TestEditor t(image);
  placeCursors(t.ed, at.section, kItem, at.field);
  openList(t.ed);

  // Row 1 is unit 0: its entry is cut at column 49, the rest of the popup row stays blank.
  EXPECT_EQ(t.console.text(17, 13, 49), padded(" " + ("  " + longName).substr(0, 32), 49));
  EXPECT_EQ(t.console.cell(16, 12).ch, ' ');
  EXPECT_EQ(t.console.cell(16, 17).ch, 0x19);

  t.pressExtended(key::End);
  EXPECT_EQ(t.ed.view().pane(kPopupPane).selected(), 27);
  EXPECT_EQ(t.console.cell(16, 12).ch, 0x18);
  EXPECT_EQ(t.console.cell(16, 17).ch, ' ');
  EXPECT_EQ(t.console.text(18, 12, 32), padded(t.ed.view().listNames[22], 32));
}

TEST(SelectionList, EscapeClosesWithoutWritingAndEntryTypesHaveNoList) {
  const FieldRef at = firstFieldOfType(Percent16, 0);
  GameImage image(kUs107);
  image.setField(at.section, kItem, at.field, 64);
  TestEditor t(image);
  placeCursors(t.ed, at.section, kItem, at.field);
  openList(t.ed);
  moveCursor(t, 3);
  t.press(key::Escape);
  EXPECT_EQ(t.ed.view().focus, kFieldPane);
  EXPECT_EQ(t.ed.view().pane(kPopupPane).selected(), 0);
  expectFileIs(t, image);

  for (int type : {Dword, SignedByte, Word, StringRef, Character}) {
    SCOPED_TRACE(type);
    const FieldRef entry = firstFieldOfType(type, 0);
    placeCursors(t.ed, entry.section, kItem, entry.field);
    // Enter would run the typed entry; build the popup pane as the popup does first.
    t.ed.view().previousFocus = kFieldPane;
    t.ed.view().focus = kPopupPane;
    t.ed.view().pane(kPopupPane) = PaneState{};
    drawFocusedPane(t.ed);
    EXPECT_EQ(t.ed.view().pane(kPopupPane).lastIndex, -1);
    t.press(key::Space);
    EXPECT_EQ(t.ed.view().focus, kPopupPane);
    t.press(key::Escape);
    expectFileIs(t, image);
  }
}

}  // namespace
}  // namespace vorn
