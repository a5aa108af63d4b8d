#include "values/switch_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "builder/game_file_builder.h"
#include "model/catalogue.h"
#include "screen/main_screen.h"
#include "shell/keys.h"
#include "shell/navigation.h"
#include "support/field_lookup.h"
#include "support/game_fixture.h"
#include "values/lists.h"
#include "values/value_text.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::FieldRef;
using testing::firstFieldOfType;
using testing::openList;
using testing::placeCursors;
using testing::TestEditor;

constexpr int kUs107 = 3;
constexpr int kItem = 2;

// Opens the binary editor's state by hand: every bit of the field on one line.
void openBinaryEditor(EditorContext& ed, int bit) {
  const int width = std::max(1, fieldWidth(ed.selectedSection(), ed.selectedField()));
  ed.view().previousFocus = ed.view().focus;
  ed.view().focus = kPopupPane;
  ed.view().bitEditMode = true;
  ed.view().pane(kPopupPane) = PaneState{bit, 0, 8 * width - 1, 8 * width - 1};
}

void moveDown(TestEditor& t, int moves) {
  for (int n = 0; n < moves; ++n) t.pressExtended(key::Down);
}

std::string padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

std::uint32_t fieldValue(const TestEditor& t, const GameImage& image, int section, int field) {
  const std::vector<std::uint8_t> bytes = t.bytes();
  const std::uint32_t offset = image.fieldOffset(section, kItem, field);
  std::uint32_t value = 0;
  for (int j = 3; j >= 0; --j) value = value << 8 | bytes[offset + j];
  return value;
}

void expectFileIs(const TestEditor& t, const GameImage& image) {
  const std::vector<std::uint8_t> actual = t.bytes();
  const std::vector<std::uint8_t>& expected = image.bytes();
  ASSERT_EQ(actual.size(), expected.size());
  const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin());
  EXPECT_TRUE(a == actual.end()) << "offset " << (a - actual.begin()) << " holds " << int(*a)
                                 << " instead of " << int(*e);
}

TEST(SwitchSet, OwnershipListMarksMembersAndSpaceTogglesTheChosenHouse) {
  const FieldRef at = firstFieldOfType(Ownership, 0);
  GameImage image(kUs107);
  image.nameAllItems();
  image.setField(at.section, kItem, at.field, 0x06);
  TestEditor t(image);
  placeCursors(t.ed, at.section, kItem, at.field);
  openList(t.ed);
  const Game& game = t.ed.game;
  const auto house = [&](int k) { return itemName(game, kHouses, k); };

  EXPECT_EQ(t.ed.view().pane(kPopupPane).lastIndex, game.itemCount(kHouses) - 1);
  EXPECT_EQ(t.console.text(18, 12, 32), padded("  " + house(0), 32));
  EXPECT_EQ(t.console.text(18, 13, 32), padded("+ " + upperCase(house(1)), 32));
  EXPECT_EQ(t.console.text(18, 14, 32), padded("+ " + upperCase(house(2)), 32));
  EXPECT_EQ(t.console.text(18, 15, 32), padded("  " + house(3), 32));

  t.press(key::Space);
  EXPECT_EQ(t.ed.view().focus, kPopupPane);
  EXPECT_EQ(t.ed.view().pane(kPopupPane).selected(), 0);
  EXPECT_EQ(t.console.text(18, 12, 32), padded("+ " + upperCase(house(0)), 32));
  image.setField(at.section, kItem, at.field, 0x07);
  expectFileIs(t, image);

  // Enter closes; the toggle stays and the field pane shows it.
  t.press(key::Enter);
  EXPECT_EQ(t.ed.view().focus, kFieldPane);
  expectFileIs(t, image);
  EXPECT_EQ(t.ed.view().valueTexts[t.ed.view().pane(kFieldPane).cursorRow],
            valueText(game, at.section, kItem, at.field, true));
}

TEST(SwitchSet, SpaceFlipsOneMemberAndKeepsBitsBeyondTheItems) {
  struct ToggleCase {
    const char* what;
    int type;
    std::uint32_t stored;
    int row;  // chosen list row
    std::uint32_t after;
  };
  const ToggleCase cases[] = {
      // Structure 10 is bit 2 of the second byte; bits 19..31 have no structure.
      {"prerequisites", Prerequisites, 0xA5F80001, 10, 0xA5F80401},
      {"prerequisites, clearing", Prerequisites, 0xFFFFFFFF, 10, 0xFFFFFBFF},
      {"allowed units, last unit", AllowedUnits, 0xF8000000, 26, 0xFC000000},
      {"allowed units, first unit", AllowedUnits, 0xAC000001, 0, 0xAC000000},
  };
  for (const ToggleCase& c : cases) {
    SCOPED_TRACE(c.what);
    const FieldRef at = firstFieldOfType(c.type, 0);
    GameImage image(kUs107);
    image.nameAllItems();
    image.setField(at.section, kItem, at.field, c.stored);
    TestEditor t(image);
    placeCursors(t.ed, at.section, kItem, at.field);
    openList(t.ed);
    moveDown(t, c.row);
    ASSERT_EQ(t.ed.view().pane(kPopupPane).selected(), c.row);

    t.press(key::Space);
    EXPECT_EQ(fieldValue(t, image, at.section, at.field), c.after);
    image.setField(at.section, kItem, at.field, c.after);
    expectFileIs(t, image);

    t.press(key::Space);
    image.setField(at.section, kItem, at.field, c.stored);
    expectFileIs(t, image);
  }
}

TEST(SwitchSet, EscapeAfterTogglesKeepsThem) {
  const FieldRef at = firstFieldOfType(Prerequisites, 0);
  GameImage image(kUs107);
  image.nameAllItems();
  TestEditor t(image);
  placeCursors(t.ed, at.section, kItem, at.field);
  openList(t.ed);
  t.press(key::Space);
  moveDown(t, 3);
  t.press(key::Space);
  t.press(key::Escape);
  EXPECT_EQ(t.ed.view().focus, kFieldPane);
  image.setField(at.section, kItem, at.field, 0x09);
  expectFileIs(t, image);
  const std::string shown = valueText(t.ed.game, at.section, kItem, at.field, true);
  EXPECT_NE(shown, "(none)");
  EXPECT_EQ(t.ed.view().valueTexts[t.ed.view().pane(kFieldPane).cursorRow], shown);
}

TEST(SwitchSet, BinaryEditingTogglesTheChosenBitOfAnyField) {
  struct BitCase {
    const char* what;
    int type;
    std::uint32_t stored;
    int bit;
    std::uint32_t after;
  };
  const BitCase cases[] = {
      {"flag field without a width of its own", Bit3, 0xFF, 2, 0xFB},
      {"second byte of a word", Word, 0x0000, 9, 0x0200},
      {"top bit of a dword", Dword, 0x00000001, 31, 0x80000001},
  };
  for (const BitCase& c : cases) {
    SCOPED_TRACE(c.what);
    const FieldRef at = firstFieldOfType(c.type, 0);
    GameImage image(kUs107);
    const std::uint32_t offset = image.fieldOffset(at.section, kItem, at.field);
    const int width = std::max(1, fieldWidth(at.section, at.field));
    image.setLittleEndian(offset, c.stored, width);
    TestEditor t(image);
    placeCursors(t.ed, at.section, kItem, at.field);
    openBinaryEditor(t.ed, c.bit);

    t.press(key::Space);
    EXPECT_TRUE(t.ed.view().bitEditMode);
    EXPECT_EQ(t.ed.view().focus, kPopupPane);
    image.setLittleEndian(offset, c.after, width);
    expectFileIs(t, image);

    t.press(key::Enter);
    EXPECT_FALSE(t.ed.view().bitEditMode);
    EXPECT_EQ(t.ed.view().focus, kFieldPane);
    expectFileIs(t, image);
  }
}

}  // namespace
}  // namespace vorn
