// The profile: the file F7 writes, the round trip, and what each kind of line F8 reads
// does to the game file, byte for byte.
#include "ini/profile.h"

#include <gtest/gtest.h>

#include "builder/game_file_builder.h"
#include "ini/profile_reader.h"
#include "model/catalogue.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::OpenGame;

constexpr int kRelease = 3;  // 1.07-US: 27 units, 19 structures

// Unit and structure field indices of both key sets.
constexpr int kCost = 24, kBuildTime = 25, kHitPoints = 21, kSight = 22, kTechLevel = 26,
              kAiPriority = 36, kThreat = 37, kIconOrder = 28;
constexpr int kRange = 69, kDamage = 70, kRateOfFire = 68, kSpeed = 61;
constexpr std::array<int, 8> kConstructFields{kCost,      kBuildTime,  kHitPoints, kSight,
                                              kTechLevel, kAiPriority, kThreat,    kIconOrder};
constexpr std::array<int, 4> kCombatFields{kRange, kDamage, kRateOfFire, kSpeed};

std::string crlf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

std::string repeatLine(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line + "\r\n";
  return text;
}

TEST(ProfileWriter, WritesTheFileAsWrittenByHand) {
  GameImage image(kRelease);
  image.setName(kUnits, 0, "  Carryall ");
  const std::array<std::uint32_t, 8> carryall{1100, 0xFFFF, 300, 4, 2, 10, 5, 0xFF};
  for (int k = 0; k < 8; ++k) image.setField(kUnits, 0, kConstructFields[k], carryall[k]);
  for (int k = 0; k < 4; ++k) image.setField(kUnits, 0, kCombatFields[k], 7 + k);
  image.setField(kUnits, 0, 20, 99);  // not a profile field
  image.setName(kStructures, 0, "Palace");
  image.setField(kStructures, 0, kCost, 2000);
  image.setField(kStructures, 0, kIconOrder, 3);
  OpenGame open(image);

  const std::string expected =
      crlf({"; Created with Vorn II Editor 1.0 (created by Brannick)", "", "[Construct]",
            "; Name=Cost,BuildTime,HitPoints,Sight,BuildLevel,BuildPriority,TargetPriority,"
            "SortPriority",
            "Carryall=1100,65535,300,4,2,10,5,255"}) +
      repeatLine("<no reference>=0,0,0,0,0,0,0,0", 26) + crlf({"Palace=2000,0,0,0,0,0,0,3"}) +
      repeatLine("<no reference>=0,0,0,0,0,0,0,0", 18) +
      crlf({"", "[Combat]", "; Name=Range,Damage,RateOfFire,Speed", "Carryall=7,8,9,10"}) +
      repeatLine("<no reference>=0,0,0,0", 26);
  EXPECT_EQ(profileText(open.game), expected);

  const std::string path = profilePath(open.path);
  EXPECT_EQ(path, open.path.substr(0, open.path.size() - 9) + "profile.ini");
  writeProfile(open.game, path);
  EXPECT_EQ(builder::readWholeFile(path),
            std::vector<std::uint8_t>(expected.begin(), expected.end()));
  EXPECT_EQ(open.bytes(), image.bytes());
}

// A profile saved from one file restores every value into another file with the same
// names, and saving then loading changes no byte.
TEST(ProfileRoundTrip, LoadingASavedProfileRestoresEveryValue) {
  const GameImage source = builder::makeSampleImage();
  OpenGame saved(source);
  const std::string path = profilePath(saved.path);
  writeProfile(saved.game, path);

  GameImage changed = source;
  for (int unit = 0; unit < 27; ++unit) {
    for (int field : kConstructFields) changed.setField(kUnits, unit, field, 0x5A5A);
    for (int field : kCombatFields) changed.setField(kUnits, unit, field, 0x5A5A);
  }
  for (int structure = 0; structure < 19; ++structure) {
    for (int field : kConstructFields) changed.setField(kStructures, structure, field, 0xA5A5);
  }
  OpenGame target(changed);
  const ProfileLoadReport report = readProfileFile(target.game, path);
  EXPECT_EQ(report.valuesWritten, 27 * 8 + 19 * 8 + 27 * 4);
  EXPECT_TRUE(report.skipped.empty());
  EXPECT_EQ(target.bytes(), source.bytes());

  readProfileFile(saved.game, path);
  EXPECT_EQ(saved.bytes(), source.bytes());
}

// Units 0 Trooper, 1 and 2 Tank, 3 Palace; structures 0 Palace, 1 Wall. Every profile
// field of these items starts non-zero, so that a write of any number shows.
GameImage readerFixture() {
  GameImage image(kRelease);
  const std::array<const char*, 4> units{"Trooper", "Tank", "Tank", "Palace"};
  for (int unit = 0; unit < 4; ++unit) {
    image.setName(kUnits, unit, units[unit]);
    for (int k = 0; k < 8; ++k)
      image.setField(kUnits, unit, kConstructFields[k], 100 + 10 * k + unit);
    for (int k = 0; k < 4; ++k) image.setField(kUnits, unit, kCombatFields[k], 200 + 10 * k + unit);
  }
  image.setName(kStructures, 0, "Palace");
  image.setName(kStructures, 1, "Wall");
  for (int s = 0; s < 2; ++s) {
    for (int k = 0; k < 8; ++k)
      image.setField(kStructures, s, kConstructFields[k], 300 + 10 * k + s);
  }
  return image;
}

struct Change {
  int section, item, field;
  std::uint32_t value;
};

struct ReaderCase {
  const char* name;
  std::string text;
  std::vector<Change> changes;
  int written = -1;  // values written, when not one per change
};

std::string unitLine(const std::string& values) {
  return "[Construct]\r\nTrooper=" + values;
}

TEST(ProfileReader, EachKindOfLineChangesExactlyItsBytes) {
  const std::vector<ReaderCase> cases{
      {"one number changes only the cost", unitLine("600"), {{kUnits, 0, kCost, 600}}},
      {"all eight in key-set order",
       unitLine("1,2,3,4,5,6,7,8"),
       {{kUnits, 0, kCost, 1},
        {kUnits, 0, kBuildTime, 2},
        {kUnits, 0, kHitPoints, 3},
        {kUnits, 0, kSight, 4},
        {kUnits, 0, kTechLevel, 5},
        {kUnits, 0, kAiPriority, 6},
        {kUnits, 0, kThreat, 7},
        {kUnits, 0, kIconOrder, 8}}},
      {"words after the eighth are ignored",
       unitLine("1,2,3,4,5,6,7,8,9,10"),
       {{kUnits, 0, kCost, 1},
        {kUnits, 0, kBuildTime, 2},
        {kUnits, 0, kHitPoints, 3},
        {kUnits, 0, kSight, 4},
        {kUnits, 0, kTechLevel, 5},
        {kUnits, 0, kAiPriority, 6},
        {kUnits, 0, kThreat, 7},
        {kUnits, 0, kIconOrder, 8}}},
      {"a leading comma does not make a word", unitLine(",600"), {{kUnits, 0, kCost, 600}}},
      {"runs of blanks and commas are one separator",
       unitLine(" 600 ,, ,700"),
       {{kUnits, 0, kCost, 600}, {kUnits, 0, kBuildTime, 700}}},
      {"a word that is no number keeps its field",
       unitLine("abc,700"),
       {{kUnits, 0, kBuildTime, 700}}},
      {"a tab belongs to its word", unitLine("600\t,700"), {{kUnits, 0, kBuildTime, 700}}},
      {"names and sections in any case", "[cOnStRuCt]\r\ntROOPER=600", {{kUnits, 0, kCost, 600}}},
      {"blanks around key, value and section name",
       "[  Construct  ] rest\r\n  Trooper  =  600  ",
       {{kUnits, 0, kCost, 600}}},
      {"a unit wins over a structure of the same name",
       "[Construct]\r\nPalace=600",
       {{kUnits, 3, kCost, 600}}},
      {"a structure under Construct",
       "[Construct]\r\nWall=1,2,3,4,5,6,7,8",
       {{kStructures, 1, kCost, 1},
        {kStructures, 1, kBuildTime, 2},
        {kStructures, 1, kHitPoints, 3},
        {kStructures, 1, kSight, 4},
        {kStructures, 1, kTechLevel, 5},
        {kStructures, 1, kAiPriority, 6},
        {kStructures, 1, kThreat, 7},
        {kStructures, 1, kIconOrder, 8}}},
      {"a structure under Combat", "[Combat]\r\nWall=1,2,3,4", {}},
      {"a unit under Combat",
       "[Combat]\r\nTrooper=1,2,3,4",
       {{kUnits, 0, kRange, 1},
        {kUnits, 0, kDamage, 2},
        {kUnits, 0, kRateOfFire, 3},
        {kUnits, 0, kSpeed, 4}}},
      {"the first of two items with one name; the later line wins",
       "[Construct]\r\nTank=5,6\r\nTank=7",
       {{kUnits, 1, kCost, 7}, {kUnits, 1, kBuildTime, 6}},
       3},
      {"a remark after the values", unitLine("600 ; was 500,700"), {{kUnits, 0, kCost, 600}}},
      {"a comment line", "[Construct]\r\n; Trooper=600", {}},
      {"a value line before any section", "Trooper=600\r\n[Construct]", {}},
      {"a value line after []", "[Construct]\r\n[]\r\nTrooper=600", {}},
      {"an unknown section", "[Construct]\r\n[Extra]\r\nTrooper=600", {}},
      {"a header without ]", "[Construct\r\nTrooper=600", {}},
      {"an unknown name", "[Construct]\r\nTroopers=600", {}},
      {"-1 in the one-byte build icon order",
       unitLine("a,b,c,d,e,f,g,-1"),
       {{kUnits, 0, kIconOrder, 255}}},
      {"65535 and -1 store the same bytes",
       unitLine("65535,-1"),
       {{kUnits, 0, kCost, 0xFFFF}, {kUnits, 0, kBuildTime, 0xFFFF}}},
      {"hexadecimal needs its prefix",
       unitLine("$1F4,0x1F4,1F4,X1F4"),
       {{kUnits, 0, kCost, 500}, {kUnits, 0, kBuildTime, 500}, {kUnits, 0, kSight, 500}}},
      {"binary, octal and signs",
       unitLine("%101,&17,+5,-1"),
       {{kUnits, 0, kCost, 5},
        {kUnits, 0, kBuildTime, 15},
        {kUnits, 0, kHitPoints, 5},
        {kUnits, 0, kSight, 0xFFFF}}},
      {"only the low bytes of a large number",
       unitLine("70000,2147483647,-2147483648,$FFFFFFFF,0,0,0,300"),
       {{kUnits, 0, kCost, 70000 & 0xFFFF},
        {kUnits, 0, kBuildTime, 0xFFFF},
        {kUnits, 0, kHitPoints, 0},
        {kUnits, 0, kSight, 0xFFFF},
        {kUnits, 0, kTechLevel, 0},
        {kUnits, 0, kAiPriority, 0},
        {kUnits, 0, kThreat, 0},
        {kUnits, 0, kIconOrder, 300 & 0xFF}}},
      {"decimal beyond 32 bits is no number", unitLine("2147483648,-2147483649,99999999999"), {}},
      {"LF and CR alone end lines too",
       "[Construct]\nTrooper=600\rTank=7\n",
       {{kUnits, 0, kCost, 600}, {kUnits, 1, kCost, 7}}},
      {"Ctrl-Z ends the line and the text",
       "[Construct]\r\nTrooper=600\x1aTank=7\r\nTank=8",
       {{kUnits, 0, kCost, 600}}},
      {"NUL bytes: trimmed at the ends, no number inside",
       std::string("[Construct]\r\n\0Trooper=600,6\0"
                   "0,700\0\r\nTa\0nk=5",
                   43),
       {{kUnits, 0, kCost, 600}, {kUnits, 0, kHitPoints, 700}}},
      {"the rest of a line beyond 255 characters is skipped",
       unitLine("600" + std::string(244, ' ') + ",700") + "\r\nTank=9",
       {{kUnits, 0, kCost, 600}, {kUnits, 1, kCost, 9}}},
      {"a number cut at character 255",
       unitLine(std::string(244, ' ') + "600" + "99"),
       {{kUnits, 0, kCost, 600}}},
  };
  const GameImage fixture = readerFixture();
  for (const ReaderCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenGame open(fixture);
    GameImage expected = fixture;
    for (const Change& change : c.changes) {
      expected.setField(change.section, change.item, change.field, change.value);
    }
    const ProfileLoadReport report = readProfile(open.game, c.text);
    EXPECT_EQ(open.bytes(), expected.bytes());
    EXPECT_EQ(report.valuesWritten,
              c.written >= 0 ? c.written : static_cast<int>(c.changes.size()));
  }
}

TEST(ProfileReader, ReportsEverySkippedLineWithItsReason) {
  OpenGame open(readerFixture());
  const std::string text = crlf({
      "; a comment",        // 1
      "Trooper=1",          // 2 no section
      "",                   // 3
      "[Construct]",        // 4
      "Trooper 600",        // 5 no "="
      "Nobody=5",           // 6 unknown name
      "Trooper=600,x,700",  // 7: two values
      "[Extra]",            // 8
      "Trooper=5",          // 9 other section
      "[Combat]",           // 10
      "Wall=1",             // 11 structures have no combat values
      "[]",                 // 12
      "Tank=1",             // 13 no section
  });
  const ProfileLoadReport report = readProfile(open.game, text);
  EXPECT_EQ(report.valuesWritten, 2);
  const std::vector<std::pair<int, ProfileSkip>> expected{
      {2, ProfileSkip::NoSection},    {5, ProfileSkip::NoEquals},     {6, ProfileSkip::UnknownName},
      {9, ProfileSkip::OtherSection}, {11, ProfileSkip::UnknownName}, {13, ProfileSkip::NoSection},
  };
  ASSERT_EQ(report.skipped.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(report.skipped[i].lineNumber, expected[i].first) << i;
    EXPECT_EQ(report.skipped[i].reason, expected[i].second) << i;
    EXPECT_FALSE(skipReasonText(report.skipped[i].reason).empty());
  }
}

TEST(ProfileReader, FindsItemsByNameWithOnlyLettersFolded) {
  GameImage image(kRelease);
  image.setName(kUnits, 4, "Sonic Tank");
  image.setName(kUnits, 5, " Quad");
  image.setName(kUnits, 6,
                "\x8E"
                "gypt");  // code page 437 upper-case A umlaut
  OpenGame open(image);
  EXPECT_EQ(findItemByName(open.game, kUnits, "SONIC tank"), 4);
  EXPECT_EQ(findItemByName(open.game, kUnits, "Sonic Tank "), -1);
  EXPECT_EQ(findItemByName(open.game, kUnits, "Quad"), -1) << "item names are not trimmed";
  EXPECT_EQ(findItemByName(open.game, kUnits, " quad"), 5);
  EXPECT_EQ(findItemByName(open.game, kUnits,
                           "\x84"
                           "GYPT"),
            -1)
      << "only a..z fold";
  EXPECT_EQ(findItemByName(open.game, kUnits, "<NO REFERENCE>"), 0);
  EXPECT_EQ(findItemByName(open.game, kStructures, "Sonic Tank"), -1);
}

// Any bytes at all: nothing fails, and only profile fields of units and structures change.
TEST(ProfileReader, ArbitraryBytesChangeNothingButProfileFields) {
  const GameImage fixture = readerFixture();
  OpenGame open(fixture);
  std::vector<bool> mayChange(fixture.size(), false);
  for (int unit = 0; unit < 27; ++unit) {
    for (int field : kConstructFields) {
      const int width = fieldWidth(kUnits, field);
      for (int b = 0; b < width; ++b)
        mayChange[fixture.fieldOffset(kUnits, unit, field) + b] = true;
    }
    for (int field : kCombatFields) {
      for (int b = 0; b < 2; ++b) mayChange[fixture.fieldOffset(kUnits, unit, field) + b] = true;
    }
  }
  for (int structure = 0; structure < 19; ++structure) {
    for (int field : kConstructFields) {
      const int width = fieldWidth(kStructures, field);
      for (int b = 0; b < width; ++b) {
        mayChange[fixture.fieldOffset(kStructures, structure, field) + b] = true;
      }
    }
  }
  const std::string_view headers[] = {"[Construct]", "[combat]", "[]", "[Extra]", "[Construct"};
  const std::string_view names[] = {"Trooper", "TANK",           "Wall",
                                    "Palace",  "<no reference>", "Nobody"};
  const std::string_view words[] = {"7",
                                    "-1",
                                    "$1F4",
                                    "0x",
                                    "%101",
                                    "&8",
                                    "1F4",
                                    "65536",
                                    "99999999999",
                                    "+",
                                    "",
                                    "\t5",
                                    std::string_view("4\0", 2)};
  const std::string_view separators[] = {",", " ", ",,", " , ", ";", "=", "\t"};
  const std::string_view endings[] = {"\r\n", "\n", "\r", "\n\r", "\x1a"};
  std::uint32_t seed = 12345;
  const auto next = [&](std::size_t n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<std::size_t>((seed >> 16) & 0x7FFF) % n;
  };
  int written = 0;
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int line = 0; line < 12; ++line) {
      if (next(3) == 0) {
        text += headers[next(std::size(headers))];
      } else {
        text += names[next(std::size(names))];
        text += "=";
        for (std::size_t w = next(11); w > 0; --w) {
          text += words[next(std::size(words))];
          text += separators[next(std::size(separators))];
        }
      }
      if (next(10) == 0) text += std::string(next(400), static_cast<char>(next(256)));
      text += endings[next(std::size(endings) - (next(20) == 0 ? 0 : 1))];
    }
    // A few bytes anywhere replaced by any byte.
    for (std::size_t flips = next(4); flips > 0 && !text.empty(); --flips) {
      text[next(text.size())] = static_cast<char>(next(256));
    }
    written += readProfile(open.game, text).valuesWritten;
  }
  EXPECT_GT(written, 100) << "the pieces should make some lines that load";
  const auto after = open.bytes();
  ASSERT_EQ(after.size(), fixture.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (!mayChange[i]) {
      ASSERT_EQ(after[i], fixture.bytes()[i]) << "offset " << i;
    }
  }
}

}  // namespace
}  // namespace vorn
