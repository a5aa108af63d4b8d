#include "info/help.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "info/info_test_support.h"
#include "model/catalogue.h"
#include "screen/identity.h"
#include "screen/popup.h"

namespace vorn {
namespace {

using testing::openPopup;
using testing::openPopupWithLetter;
using testing::selectField;
using testing::TestEditor;
using testing::trimmedText;

const std::string kTitleLine = std::string(editorTitle) + " " + std::string(editorVersion);

std::string trimRight(std::string_view text) {
  std::string s(text);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// The popup's heading: "[HELP]" over the top edge, the title line, and a separator of
// exactly the title line's length.
void expectHeading(const MemoryConsole& console, int top) {
  EXPECT_EQ(console.text(13, top, 8), "\xC9\xCD[HELP]");
  EXPECT_EQ(trimmedText(console, 15, top + 1, 53), kTitleLine);
  EXPECT_EQ(console.text(15, top + 2, static_cast<int>(kTitleLine.size())),
            std::string(kTitleLine.size(), '\xC4'));
  EXPECT_EQ(console.cell(15 + static_cast<int>(kTitleLine.size()), top + 2).ch, ' ');
}

void expectFrame(const MemoryConsole& console, int top, int bottom) {
  EXPECT_EQ(console.cell(13, top).ch, 0xC9);
  EXPECT_EQ(console.cell(68, top).ch, 0xBB);
  EXPECT_EQ(console.cell(13, bottom).ch, 0xC8);
  EXPECT_EQ(console.cell(68, bottom).ch, 0xBC);
  EXPECT_EQ(console.text(14, bottom, 54), std::string(54, '\xCD'));
  for (int row = top + 1; row < bottom; ++row) {
    EXPECT_EQ(console.cell(13, row).ch, 0xBA) << "row " << row;
    EXPECT_EQ(console.cell(68, row).ch, 0xBA) << "row " << row;
  }
}

struct FieldHelpCase {
  int section;
  int field;
  int helpIndex;
  int lines;  // last non-empty line of the entry
  int top;
  int bottom;
};

class FieldHelpTest : public ::testing::TestWithParam<FieldHelpCase> {};

TEST_P(FieldHelpTest, PopupFitsTheEntryAroundRow12) {
  const FieldHelpCase& c = GetParam();
  TestEditor t(builder::GameImage(3));
  selectField(t, c.section, c.field);
  ASSERT_EQ(t.ed.selectedFieldDef().helpIndex, c.helpIndex);
  openPopup(t, key::F1);

  SCOPED_TRACE(t.console.screenDump());
  expectFrame(t.console, c.top, c.bottom);
  expectHeading(t.console, c.top);
  const HelpEntry entry = getHelpEntry(c.helpIndex);
  for (int i = 0; i < c.lines; ++i) {
    const int row = c.top + 3 + i;
    EXPECT_EQ(t.console.cell(14, row).ch, ' ') << "line " << i + 1;
    EXPECT_EQ(trimmedText(t.console, 15, row, 53), trimRight(entry.lines[i])) << "line " << i + 1;
  }
  EXPECT_EQ(c.top + 3 + c.lines, c.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FieldHelpTest,
    ::testing::Values(FieldHelpCase{kUnits, 4, 0, 1, 11, 15},    // "[No help for this item]"
                      FieldHelpCase{kHouses, 4, 14, 2, 10, 15},  // radar colour
                      FieldHelpCase{kUnits, 0, 2, 5, 9, 17},     // blank line 3 inside
                      FieldHelpCase{kUnits, 41, -1, 5, 9, 17},   // line 5 is a single blank
                      FieldHelpCase{kHouses, 1, 20, 6, 8, 17},
                      FieldHelpCase{kUnits, 1, 3, 7, 8, 18}),
    [](const ::testing::TestParamInfo<FieldHelpCase>& info) {
      const int index = info.param.helpIndex;
      return "Entry" + (index < 0 ? "Minus" + std::to_string(-index) : std::to_string(index));
    });

TEST(FieldHelp, EntryTextsLandOnTheirRows) {
  TestEditor t(builder::GameImage(3));
  selectField(t, kUnits, 4);
  openPopup(t, key::F1);
  EXPECT_EQ(trimmedText(t.console, 15, 14, 53), "[No help for this item]");

  TestEditor u(builder::GameImage(3));
  selectField(u, kUnits, 41);
  openPopupWithLetter(u, 'h');
  EXPECT_EQ(trimmedText(u.console, 14, 12, 54), "");
  EXPECT_EQ(trimmedText(u.console, 15, 13, 53), "--==UNKNOWN OPTION==--");
  EXPECT_EQ(trimmedText(u.console, 14, 14, 54), "");
  EXPECT_EQ(trimmedText(u.console, 15, 15, 53), "If you find out what this does, please tell me!");
  EXPECT_EQ(trimmedText(u.console, 14, 16, 54), "");
}

TEST(FieldHelp, EightLinesWouldSpanRows7To18) {
  const PopupRect rect = fieldHelpRect(8);
  EXPECT_EQ(rect.y, 7);
  EXPECT_EQ(rect.y + rect.height - 1, 18);
}

struct LegendRowText {
  int row;
  int column;
  std::string keys;
  std::string description;
};

const LegendRowText kExpectedLegend[] = {
    {6, 15, "Left/Right", ": Navigate between sections"},
    {7, 15, "Up/Down", ": Navigate through section list"},
    {8, 16, "(PageUp/PageDown/Home/End for faster scrolling)", ""},
    {10, 15, "Space/Enter", ": Modify/confirm selected value"},
    {11, 15, "F1/h", ": Shows help on the selected option"},
    {12, 15, "F2/b", ": Edit as bare binary value"},
    {13, 15, "F3/x", ": Edit as bare hexadecimal value"},
    {14, 15, "F4/d", ": Edit as bare decimal value (signed)"},
    {15, 15, "F5/D", ": Edit as bare decimal value (unsigned)"},
    {17, 15, "F7/s", ": Save unit/struct data to profile.ini"},
    {18, 15, "F8/l", ": Load unit/struct data from profile.ini"},
    {19, 15, "F9/v", ": Vorn EXE version information"},
    {20, 15, "F10/n", ": Dumps all data to an ini-file"},
    {21, 15, "F11/r", ": Toggles hexadecimal \"Research\" mode"},
    {22, 15, "F12/i", ": Info screen about the editor"},
    {23, 15, "[ESC]", ": Close popup frame / Exit program"},
};

void expectLegend(const MemoryConsole& console) {
  SCOPED_TRACE(console.screenDump());
  expectFrame(console, 3, 24);
  expectHeading(console, 3);
  std::set<int> written;
  for (const LegendRowText& row : kExpectedLegend) {
    written.insert(row.row);
    EXPECT_EQ(console.text(14, row.row, row.column - 14), std::string(row.column - 14, ' '))
        << "row " << row.row;
    if (row.description.empty()) {
      EXPECT_EQ(trimmedText(console, row.column, row.row, 68 - row.column), row.keys);
    } else {
      EXPECT_EQ(trimmedText(console, row.column, row.row, 27 - row.column), row.keys);
      EXPECT_EQ(trimmedText(console, 27, row.row, 41), row.description);
    }
  }
  for (int row = 6; row <= 23; ++row) {
    if (written.contains(row)) continue;
    EXPECT_EQ(trimmedText(console, 14, row, 54), "") << "row " << row;
  }
}

TEST(KeyLegend, ShownFromTheSectionAndTheItemPane) {
  TestEditor t(builder::GameImage(3));
  openPopup(t, key::F1);
  expectLegend(t.console);

  // With a field selected that has help, the item pane still gets the legend.
  TestEditor u(builder::GameImage(3));
  selectField(u, kUnits, 1);
  u.pressExtended(key::Left);
  ASSERT_EQ(u.ed.view().focus, kItemPane);
  openPopupWithLetter(u, 'h');
  expectLegend(u.console);
}

TEST(HelpTable, EveryEntryFitsThePopupAndLeavesLine8Empty) {
  for (int index = -1; index <= 41; ++index) {
    const HelpEntry entry = getHelpEntry(index);
    EXPECT_TRUE(entry.lines[7].empty()) << "entry " << index;
    for (std::string_view line : entry.lines) {
      EXPECT_LE(line.size(), 48u) << "entry " << index << ": " << line;
    }
  }
}

TEST(HelpTable, EveryFieldRefersToAnEntryWithText) {
  std::set<int> used;
  for (int section = kFirstSection; section <= kLastSection; ++section) {
    for (const FieldDef& field : *sectionDef(section).fields) {
      if (field.type == NoType) continue;
      ASSERT_GE(field.helpIndex, -1) << field.label;
      ASSERT_LE(field.helpIndex, 41) << field.label;
      used.insert(field.helpIndex);
      const HelpEntry entry = getHelpEntry(field.helpIndex);
      bool hasText = false;
      for (std::string_view line : entry.lines) hasText = hasText || !line.empty();
      EXPECT_TRUE(hasText) << field.label << " refers to empty entry " << field.helpIndex;
    }
  }
  // Entry 1 is the empty one; entry 30 describes a file type the field tables do not show.
  for (int index = -1; index <= 41; ++index) {
    EXPECT_EQ(used.contains(index), index != 1 && index != 30) << "entry " << index;
  }
}

TEST(HelpTable, TextsKeepTheirExactBytes) {
  EXPECT_EQ(getHelpEntry(-1).lines[4], " ");
  EXPECT_EQ(getHelpEntry(3).lines[1], "point to a zero-terminated string. The editor ");
  EXPECT_EQ(getHelpEntry(6).lines[2], "has its own unique characteristics, like how ");
  EXPECT_EQ(getHelpEntry(11).lines[2], "The sounds indicated with \"VOC\" have a .VOC file");
  EXPECT_EQ(getHelpEntry(18).lines[4], "a weapon: the \"Weapon rate of fire\" has to be 0,");
  EXPECT_EQ(getHelpEntry(41).lines[2], "(MESSAGES.ENG/GER/FRE).");
  for (std::string_view line : getHelpEntry(1).lines) EXPECT_TRUE(line.empty());
}

}  // namespace
}  // namespace vorn
