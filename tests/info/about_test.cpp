#include "info/about.h"

#include <gtest/gtest.h>

#include <string>

#include "info/info_test_support.h"
#include "model/versions.h"
#include "screen/identity.h"

namespace vorn {
namespace {

using testing::openPopup;
using testing::openPopupWithLetter;
using testing::TestEditor;
using testing::trimmedText;

void expectFrame(const MemoryConsole& console, int left, int top, int right, int bottom) {
  EXPECT_EQ(console.cell(left, top).ch, 0xC9);
  EXPECT_EQ(console.cell(right, top).ch, 0xBB);
  EXPECT_EQ(console.cell(left, bottom).ch, 0xC8);
  EXPECT_EQ(console.cell(right, bottom).ch, 0xBC);
  for (int row = top + 1; row < bottom; ++row) {
    EXPECT_EQ(console.cell(left, row).ch, 0xBA) << "row " << row;
    EXPECT_EQ(console.cell(right, row).ch, 0xBA) << "row " << row;
  }
}

class VersionInfoTest : public ::testing::TestWithParam<int> {};

TEST_P(VersionInfoTest, ShowsNameSeparatorAndSevenDescriptionRows) {
  const int versionIndex = GetParam();
  const GameVersion& version = versionCatalogue()[versionIndex];
  TestEditor t{builder::GameImage(versionIndex)};
  openPopup(t, key::F9);

  SCOPED_TRACE(t.console.screenDump());
  expectFrame(t.console, 15, 7, 66, 17);
  EXPECT_EQ(t.console.text(15, 7, 21), "\xC9\xCD[GAME VERSION INFO]");
  EXPECT_EQ(trimmedText(t.console, 16, 8, 50), " " + std::string(version.name));
  const int nameLength = static_cast<int>(version.name.size());
  EXPECT_EQ(t.console.text(17, 9, nameLength), std::string(nameLength, '\xC4'));
  EXPECT_EQ(t.console.cell(17 + nameLength, 9).ch, ' ');
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(t.console.cell(16, 10 + i).ch, ' ');
    EXPECT_EQ(trimmedText(t.console, 17, 10 + i, 49), std::string(version.descriptionLines[i]))
        << "description line " << i + 1;
  }
}

// 1.00 has a single description line (rows 11..16 stay blank), 1.07-TB has seven.
INSTANTIATE_TEST_SUITE_P(Releases, VersionInfoTest, ::testing::Values(2, 5));

TEST(VersionInfo, SingleLineLeavesTheOtherRowsBlank) {
  TestEditor t{builder::GameImage(2)};
  openPopupWithLetter(t, 'v');
  EXPECT_EQ(trimmedText(t.console, 17, 10, 49), "The original English-only US release of Vorn II.");
  for (int row = 11; row <= 16; ++row) {
    EXPECT_EQ(t.console.text(16, row, 50), std::string(50, ' ')) << "row " << row;
  }
}

TEST(About, RowsAndSeparator) {
  TestEditor t{builder::GameImage(3)};
  openPopup(t, key::F12);
  const MemoryConsole& c = t.console;
  SCOPED_TRACE(c.screenDump());

  expectFrame(c, 14, 4, 67, 22);
  EXPECT_EQ(c.text(14, 4, 8), "\xC9\xCD[INFO]");
  const std::string title = std::string(editorTitle) + " " + std::string(editorVersion);
  EXPECT_EQ(trimmedText(c, 16, 5, 33), title);
  const std::string tooling = trimmedText(c, 49, 5, 18);
  EXPECT_FALSE(tooling.empty());
  EXPECT_EQ(c.text(15, 5, 1), " ");
  EXPECT_EQ(c.text(16, 6, static_cast<int>(title.size())), std::string(title.size(), '\xC4'));
  EXPECT_EQ(c.cell(16 + static_cast<int>(title.size()), 6).ch, ' ');

  const std::string author = trimmedText(c, 16, 7, 51);
  EXPECT_TRUE(author.starts_with("Created by " + std::string(editorAuthor) + " <")) << author;
  EXPECT_TRUE(author.ends_with(".invalid>")) << author;
  const std::string started = trimmedText(c, 16, 8, 51);
  EXPECT_TRUE(started.starts_with("Project started on ") && started.ends_with(".")) << started;
  const std::string current = trimmedText(c, 16, 9, 51);
  EXPECT_TRUE(current.starts_with("Current version: ") && current.ends_with(".")) << current;

  for (int row = 10; row <= 21; ++row) {
    const bool blank = row == 10 || row == 14 || row == 19;
    EXPECT_EQ(c.cell(15, row).ch, ' ') << "row " << row;
    // A credit line ends inside the frame: at most 51 characters from column 16.
    EXPECT_EQ(trimmedText(c, 16, row, 51).empty(), blank) << "row " << row;
  }
}

}  // namespace
}  // namespace vorn
