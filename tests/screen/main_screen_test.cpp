#include "screen/main_screen.h"

#include <gtest/gtest.h>

#include "builder/game_file_builder.h"
#include "model/catalogue.h"
#include "screen/layout.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::TestEditor;

// Rows of the first screen of a 1.07-US file, written out by hand.
const std::string H1(1, '\xCD');  // double horizontal
const std::string V2 = "\xBA";    // double vertical
const std::string H(1, '\xC4');   // single horizontal
const std::string V = "\xB3";     // single vertical

std::string times(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}
std::string pad(std::string s, std::size_t n) {
  s.resize(n, ' ');
  return s;
}

GameImage firstScreenFixture() {
  GameImage image(3);
  image.setName(kUnits, 0, "Carryall");
  image.setName(kUnits, 1, "'Thopter");
  image.setField(kUnits, 0, 0, 120);
  image.setField(kUnits, 0, 2, 0xFFFF);
  image.setField(kUnits, 0, 4, 1);     // Generate shadow
  image.setField(kUnits, 0, 20, 128);  // Infantry spawn chance
  return image;
}

// One field pane row: label from column 31, value from column 59.
std::string fieldPart(const std::string& label, const std::string& value) {
  return " " + pad(label, 23) + " " + " " + V + " " + " " + pad(value, 20) + " ";
}

TEST(MainScreen, FirstScreenOfARelease) {
  TestEditor t(firstScreenFixture());
  const MemoryConsole& c = t.console;

  const std::vector<std::pair<std::string, std::string>> fields{
      {"Short name ID", "120"},
      {"Name string reference", "Carryall"},
      {"Long name ID", "-1"},
      {"MVX filename string ref", "<no reference>"},
      {"Generate shadow", "Yes"},
      {"Is factory            *", "No"},
      {"(Unused bit flag 03)", "No"},
      {"No concrete needed    *", "No"},
      {"Can receive airdrops  *", "No"},
      {"Worm camouflage", "No"},
      {"Has a rotating turret", "No"},
      {"Can be captured       *", "No"},
      {"Pick up for repairs", "No"},
      {"No death message", "No"},
      {"TAB selects this", "No"},
      {"Full CPU outside screen", "No"},
      {"Can target air units", "No"},
      {"Is a priority target", "No"},
      {"(Unused bit flag 07)", "No"},
      {"(Unused bit flag 08)", "No"},
  };
  // "Infantry spawn chance" is field 20: the 21st, just below the window.
  std::vector<std::string> rows(26);
  rows[1] = H1 + H1 + " Vorn II Editor 1.0 " + times(H1, 43) + " by Brannick " + H1 + H1;
  rows[2] = pad(" File: [VORN2.EXE]", 58) + "Vorn Version: 1.07-US ";
  rows[3] =
      "\xC9" + times(H1, 25) + "\xBB" + "\xDA" + times(H, 27) + "\xC2" + times(H, 23) + "\xBF";
  const std::vector<std::string> sections{"Units", "Structures", "Houses"};
  for (int r = 0; r < 3; ++r) {
    rows[4 + r] = V2 + (r == 2 ? "\x19" : " ") + pad(" " + sections[r], 23) + " " + V2 + V +
                  (r == 19 ? "\x19" : " ") + fieldPart(fields[r].first, fields[r].second) + V;
  }
  rows[7] =
      "\xC8" + times(H1, 25) + "\xBC" + V + " " + fieldPart(fields[3].first, fields[3].second) + V;
  rows[8] =
      "\xDA" + times(H, 25) + "\xBF" + V + " " + fieldPart(fields[4].first, fields[4].second) + V;
  for (int r = 0; r < 15; ++r) {
    const std::string name = r == 0 ? "Carryall" : r == 1 ? "'Thopter" : "<no reference>";
    const int field = 5 + r;
    rows[9 + r] = V + (r == 14 ? "\x19" : " ") + pad(" " + name, 23) + " " + V + V +
                  (field == 19 ? "\x19" : " ") +
                  fieldPart(fields[field].first, fields[field].second) + V;
  }
  rows[24] =
      "\xC0" + times(H, 25) + "\xD9" + "\xC0" + times(H, 27) + "\xC1" + times(H, 23) + "\xD9";
  rows[25] =
      pad(" F1=help F2/F3/F4/F5=bin/hex/[d/D]ec F7/F8=save/load ini  F10=ini dump F12=info", 80);
  for (int row = 1; row <= 25; ++row)
    EXPECT_EQ(c.rowText(row), rows[row]) << "row " << row << "\n" << c.screenDump();

  // Colours: the focused section pane and its cursor row, the dimmed panes.
  auto colours = [&](int col, int row) {
    return std::pair(c.cell(col, row).foreground, c.cell(col, row).background);
  };
  using P = std::pair<int, int>;
  EXPECT_EQ(colours(1, 1), P(kLightGrey, kBlue));
  EXPECT_EQ(colours(2, 2), P(kLightGrey, kBlue));
  EXPECT_EQ(colours(64, 2), P(kWhite, kBlue));  // the "V" of Version
  EXPECT_EQ(colours(63, 2), P(kLightGrey, kBlue));
  EXPECT_EQ(colours(1, 3), P(kWhite, kBlue));       // focused frame
  EXPECT_EQ(colours(28, 3), P(kLightGrey, kBlue));  // unfocused frame
  EXPECT_EQ(colours(2, 6), P(kWhite, kBlue));       // focused scroll mark
  EXPECT_EQ(colours(2, 23), P(kLightGrey, kBlue));
  for (int col = 3; col <= 25; ++col) EXPECT_EQ(colours(col, 4), P(kYellow, kRed)) << col;
  EXPECT_EQ(colours(3, 5), P(kWhite, kBlue));
  for (int col = 3; col <= 25; ++col) EXPECT_EQ(colours(col, 9), P(kWhite, kBlack)) << col;
  EXPECT_EQ(colours(3, 10), P(kLightGrey, kBlue));
  for (int col = 30; col <= 54; ++col) EXPECT_EQ(colours(col, 4), P(kWhite, kBlack)) << col;
  for (int col = 58; col <= 78; ++col) EXPECT_EQ(colours(col, 4), P(kWhite, kBlack)) << col;
  EXPECT_EQ(colours(79, 4), P(kWhite, kBlack));  // the cursor row was drawn again alone
  EXPECT_EQ(colours(59, 5), P(kLightGrey, kBlue));
  EXPECT_EQ(colours(3, 25), P(kLightGrey, kBlue));  // "F1="
  EXPECT_EQ(colours(5, 25), P(kWhite, kBlue));      // "h"
  EXPECT_EQ(colours(64, 25), P(kWhite, kBlue));     // the "n" of "F10=ini"
  EXPECT_EQ(c.cursorColumn(), 80);
  EXPECT_EQ(c.cursorRow(), 25);
  EXPECT_EQ(c.foreground(), kWhite);
  EXPECT_EQ(c.background(), kBlue);
}

TEST(MainScreen, LongNamesAreCutAtThePaneFrames) {
  GameImage image(3);
  image.setName(kUnits, 0, std::string(60, 'N'));
  const std::string fileName = std::string(45, 'f') + ".exe";
  TestEditor t(image, fileName);
  EXPECT_EQ(t.console.text(4, 9, 22), std::string(22, 'N'));
  EXPECT_EQ(t.console.text(26, 9, 2), " \xB3");
  // The header shows the first 40 characters of the file name.
  EXPECT_EQ(t.console.text(2, 2, 48), "File: [" + std::string(40, 'F') + "]");
}

TEST(MainScreen, HeaderPlacesTheReleaseKeyByItsLength) {
  TestEditor demo(GameImage(0));
  EXPECT_EQ(demo.console.text(62, 2, 18), "Vorn Version: DEMO");
  TestEditor cd(GameImage(1));
  EXPECT_EQ(cd.console.text(59, 2, 21), "Vorn Version: DEMO-CD");
}

TEST(MainScreen, ValueCellBarSpansByHowTheRowWasDrawn) {
  TestEditor t{GameImage(3)};
  auto background = [&](int col, int row) { return t.console.cell(col, row).background; };
  t.pressExtended(0x4D);  // Right: item pane
  t.pressExtended(0x50);  // Down: a new item, the values are refreshed
  for (int col = 58; col <= 78; ++col) EXPECT_EQ(background(col, 4), kBlack) << col;
  t.pressExtended(0x4D);  // Right: field pane
  t.pressExtended(0x50);  // Down: two single rows redrawn
  EXPECT_EQ(background(58, 5), kBlue);
  for (int col = 59; col <= 79; ++col) EXPECT_EQ(background(col, 5), kRed) << col;
}

TEST(MainScreen, AnEmptyItemListIsBlank) {
  GameImage image(3);
  TestEditor t(image);
  t.ed.view().pane(kItemPane).lastIndex = -1;
  drawItemPane(t.ed);
  for (int row = 9; row <= 23; ++row) EXPECT_EQ(t.console.text(3, row, 23), std::string(23, ' '));
  t.console.resetWrites();
  drawPaneRow(t.ed, kItemPane, 0);
  EXPECT_EQ(t.console.writes(), 0);
}

}  // namespace
}  // namespace vorn
