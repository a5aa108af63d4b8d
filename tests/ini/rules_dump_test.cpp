// The rules dump: lines written out by hand for a small fixture, the structure of a whole
// release's dump, and the description-line and name rules.
#include "ini/rules_dump.h"

#include <gtest/gtest.h>

#include <array>

#include "builder/game_file_builder.h"
#include "ini/ini_text.h"
#include "model/catalogue.h"
#include "support/game_fixture.h"
#include "values/value_text.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::OpenGame;

constexpr int kDemoCd = 1;

// Lines ended by CR LF, joined.
std::string crlf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

// Splits a text at CR LF; a lone CR or LF fails the test.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text does not end with CR LF";
      break;
    }
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

GameImage dumpFixture() {
  GameImage image(kDemoCd);
  image.setName(kMovement, 0, "Foot");
  // Houses item 1: every kind of value of the section.
  image.setName(kHouses, 1, "  Atreides ");
  image.setField(kHouses, 1, 1, 128);     // Weakness to deviation
  image.setField(kHouses, 1, 2, 0xFFFF);  // LemonFactor
  image.setField(kHouses, 1, 3, 3);       // Decay factor
  image.setField(kHouses, 1, 4, 144);
  image.setField(kHouses, 1, 5, 500);
  image.setField(kHouses, 1, 7, 0x4220);  // voice letter: a blank in the low byte
  image.setField(kHouses, 1, 8, 2);       // Fremen
  image.setField(kHouses, 1, 9, 23);      // a music track without a listed name
  image.setField(kHouses, 1, 10, 0xFFFF);
  image.setField(kHouses, 1, 11, 38);  // one past the last music track
  image.setField(kHouses, 1, 12, image.addStringReference("VOICE.PAK"));
  // Actions items 2 and 3.
  image.setField(kActions, 2, 0, 7);
  image.setName(kActions, 2, "Retreat");
  image.setField(kActions, 2, 2, 1);
  image.setField(kActions, 2, 3, 2);
  image.setField(kActions, 2, 4, 3);
  image.setName(kVoices, 3, "RETREAT.VOC");
  image.setName(kActions, 3, "");
  image.setField(kActions, 3, 2, 7);
  image.setField(kActions, 3, 3, 1);
  image.setField(kActions, 3, 4, 0xFFFF);
  return image;
}

TEST(RulesDump, HeaderHousesAndActionsAsWrittenByHand) {
  OpenGame open(dumpFixture());
  const std::string text = rulesDumpText(open.game);

  const std::string header = crlf({
      "; Rules dump for version \"DEMO-CD\" (Demo version from the Marrowdeep CD)",
      "; Created with Vorn II Editor 1.0 (created by Brannick)",
      ";",
      "; This version has no ingame demo, but just loops",
      "; the game intro. Because of this, all the",
      "; undoubtedly magnificent edits you're planning",
      "; to make have no significance at all.",
      "; Go do something more productive.",
      ";",
      "",
      "",
      "; Movement",
      "",
      "[Foot]",
      "Name string reference   = Foot",
      "",
      "[<no reference>]",
      "Name string reference   = <no reference>",
  });
  EXPECT_EQ(text.substr(0, header.size()), header);

  const std::string houses = crlf({
      "",
      "",
      "; Houses",
      "",
      "[<no reference>]",
      "Name string reference   = <no reference>",
      "Weakness to deviation   = 0/256   (0%)",
      "LemonFactor (?)         = 0",
      "Decay factor            = 0 (damage=1)",
      "Radar color index       = 0",
      "Palace recharge time    = 0",
      "Frigate delay time      = 0",
      "Voice prefix letter     = ",
      "Palace special ability  = None",
      "Win music               = None (0)",
      "Lose music              = None (0)",
      "Mentat music            = None (0)",
      "House voice reference   = <no reference>",
      "",
      "[Atreides]",
      "Name string reference   =   Atreides",
      "Weakness to deviation   = 128/256 (50%)",
      "LemonFactor (?)         = -1",
      "Decay factor            = 3 (damage=4)",
      "Radar color index       = 144",
      "Palace recharge time    = 500",
      "Frigate delay time      = 0",
      "Voice prefix letter     = ",
      "Palace special ability  = Fremen",
      "Win music               = 23",
      "Lose music              = None",
      "Mentat music            = <Invalid>",
      "House voice reference   = VOICE.PAK",
      "",
      "[<no reference>]",
  });
  const std::size_t housesAt = text.find("\r\n; Houses\r\n");
  ASSERT_NE(housesAt, std::string::npos);
  EXPECT_EQ(text.substr(housesAt - 2, houses.size()), houses);

  const std::string actions = crlf({
      "",
      "",
      "; Actions",
      "",
      "[<no reference>]",
      "Name ID                 = 0",
      "Name string reference   = <no reference>",
      "Action interrupt mode   = 0 - Finish action cycle",
      "Sidebar mode            = <Unknown>",
      "Response sound          = <no reference>",
      "",
      "[<no reference>]",
      "Name ID                 = 0",
      "Name string reference   = <no reference>",
      "Action interrupt mode   = 0 - Finish action cycle",
      "Sidebar mode            = <Unknown>",
      "Response sound          = <no reference>",
      "",
      "[Retreat]",
      "Name ID                 = 7",
      "Name string reference   = Retreat",
      "Action interrupt mode   = 1 - Interrupt action",
      "Sidebar mode            = Place structure   (CRASHES)",
      "Response sound          = RETREAT.VOC",
      "",
      "[]",
      "Name ID                 = 0",
      "Name string reference   = ",
      "Action interrupt mode   = 7 - <Unknown>",
      "Sidebar mode            = Select target",
      "Response sound          = None",
      "",
      "[<no reference>]",
  });
  const std::size_t actionsAt = text.find("\r\n; Actions\r\n");
  ASSERT_NE(actionsAt, std::string::npos);
  EXPECT_EQ(text.substr(actionsAt - 2, actions.size()), actions);
}

// For every release: the order of sections and items, "=" in column 25, the end of the
// file, and the same file on a second run.
TEST(RulesDump, StructureOfAWholeReleaseDump) {
  for (int release = 0; release < kVersionCount; ++release) {
    SCOPED_TRACE("release " + std::to_string(release));
    GameImage image(release);
    image.nameAllItems();
    OpenGame open(image);
    const std::string path = testing::tempPath("rules.ini");
    writeRulesDump(open.game, path);
    const std::string text = rulesDumpText(open.game);
    const auto written = builder::readWholeFile(path);
    ASSERT_EQ(std::string(written.begin(), written.end()), text);
    writeRulesDump(open.game, path);
    EXPECT_EQ(builder::readWholeFile(path), written);
    EXPECT_EQ(open.bytes(), image.bytes()) << "the game file is only read";

    const std::vector<std::string> lines = splitLines(text);
    std::size_t at = 0;
    while (at < lines.size() && lines[at] != "") ++at;  // the header
    int keyLines = 0;
    for (int section = kFirstSection; section <= kLastSection; ++section) {
      const SectionDef& def = sectionDef(section);
      ASSERT_LT(at + 2, lines.size());
      EXPECT_EQ(lines[at], "");
      EXPECT_EQ(lines[at + 1], "");
      EXPECT_EQ(lines[at + 2], "; " + std::string(def.label));
      at += 3;
      for (int item = 0; item < open.game.itemCount(section); ++item) {
        ASSERT_LT(at + 1, lines.size());
        EXPECT_EQ(lines[at], "");
        // Named sections carry the builder's names; Terrain and Music their fixed ones.
        const std::string name = def.nameField >= 0
                                     ? std::string(def.label) + " " + std::to_string(item)
                                     : trimText(itemName(open.game, section, item));
        EXPECT_EQ(lines[at + 1], "[" + name + "]");
        at += 2;
        for (int f = 0; f <= lastFieldIndex(section); ++f, ++at) {
          ASSERT_LT(at, lines.size());
          const std::string& line = lines[at];
          ASSERT_GE(line.size(), 26u) << line;
          EXPECT_EQ(line.substr(0, 26), std::string((*def.fields)[f].label) + " = ");
          EXPECT_EQ(line.find('='), 24u) << line;
          ++keyLines;
        }
      }
    }
    EXPECT_EQ(at, lines.size()) << "the last key line ends the file";
    EXPECT_EQ(lines.back().substr(0, 23), (*sectionDef(kFiles).fields)[13].label);
    EXPECT_GT(keyLines, 2000);
  }
}

TEST(RulesDump, DescriptionLinesUpToTheLastFilledOfSeven) {
  struct Case {
    const char* name;
    std::array<std::string_view, 8> lines;
    std::string expected;  // the lines between the editor line and the end of the header
  };
  const std::vector<Case> cases{
      {"all empty", {}, crlf({";", ";"})},
      {"only line 8, which is never written",
       {"", "", "", "", "", "", "", "eight"},
       crlf({";", ";"})},
      {"line 5 empty among filled",
       {"one", "two", "three", "four", "", "six", "", ""},
       crlf({";", "; one", "; two", "; three", "; four", "; six", ";"})},
      {"lines 1 and 7",
       {"one", "", "", "", "", "", "seven", "eight"},
       crlf({";", "; one", "; seven", ";"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameVersion version = versionCatalogue()[3];
    version.descriptionLines = c.lines;
    EXPECT_EQ(rulesDumpHeaderText(version),
              crlf({"; Rules dump for version \"1.07-US\" (United States v1.07)",
                    "; Created with Vorn II Editor 1.0 (created by Brannick)"}) +
                  c.expected);
  }
}

TEST(RulesDump, PathBesideTheGameFileAndItsShortForm) {
  OpenGame open{GameImage(kDemoCd)};
  const std::string directory = "/" + std::string(300, 'd') + "/";
  EXPECT_EQ(rulesDumpPath(open.game, directory + "VORN2.EXE"), directory + "rules-DEMO-CD.ini");
  EXPECT_EQ(rulesDumpPath(open.game, "VORN2.EXE"), "rules-DEMO-CD.ini");
  EXPECT_EQ(rulesDumpPath(open.game, "C:VORN2.EXE"), "C:rules-DEMO-CD.ini");

  const std::string head = "/games/vorn2/" + std::string(14, 'h');  // 27 characters
  const std::string tail = std::string(16, 't') + "/rules-1.ini";   // 28 characters
  const std::string whole = head + "mid" + tail;                    // 58 characters
  ASSERT_EQ(whole.size(), 58u);
  EXPECT_EQ(shortenPath(whole), whole);
  EXPECT_EQ(shortenPath(head + "midd" + tail), head + "..." + tail);
  EXPECT_EQ(shortenPath(head + std::string(200, 'm') + tail), head + "..." + tail);
  // Blanks at the cut are dropped from both pieces.
  const std::string spaced =
      std::string(25, 'a') + "  " + "midd" + std::string(3, ' ') + std::string(25, 'z');
  EXPECT_EQ(shortenPath(spaced), std::string(25, 'a') + "..." + std::string(25, 'z'));
  EXPECT_EQ(shortenPath(""), "");
}

}  // namespace
}  // namespace vorn
