#include "values/script.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "builder/game_file_builder.h"
#include "support/field_lookup.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::firstFieldOfType;
using testing::OpenGame;

constexpr int kUs107 = 3;

// A game whose structure 0 has the given script in its first AnimScript field.
struct ScriptGame {
  explicit ScriptGame(std::initializer_list<std::uint16_t> words, int version = kUs107)
      : image(version), at(firstFieldOfType(AnimScript)) {
    image.setField(at.section, 0, at.field, image.addScript(words) | 0x1234);
    open = std::make_unique<OpenGame>(image);
  }
  std::uint32_t paragraph() const { return scriptParagraph(game(), at.section, 0, at.field); }
  const Game& game() const { return open->game; }
  std::string summary() const { return scriptText(game(), at.section, 0, at.field); }

  GameImage image;
  testing::FieldRef at;
  std::unique_ptr<OpenGame> open;
};

TEST(Script, StepsSplitIntoOpcodeAndSignedArgument) {
  const ScriptGame script({0x7FFD, 0x6800, 0x6801, 0xF314, 0x3FFF});
  const std::uint32_t p = script.paragraph();
  ASSERT_NE(p, 0u);
  struct Case {
    int n;
    int opcode;
    int argument;
  };
  const Case cases[] = {{0, 7, -3}, {1, 6, 2048}, {2, 6, -2047}, {3, 15, 788}, {4, 3, -1}};
  for (const Case& c : cases) {
    const ScriptStep step = readScriptStep(script.game(), p, c.n);
    EXPECT_EQ(step.opcode, c.opcode) << c.n;
    EXPECT_EQ(step.argument, c.argument) << c.n;
  }
  EXPECT_EQ(readScriptWord(script.game(), p, 3), kScriptFillerWord);
}

TEST(Script, ParagraphIsTheHighHalfOfTheFieldAndLocatesTheScript) {
  const ScriptGame script({0x6005, 0x0000});
  const std::uint32_t p = script.paragraph();
  const std::uint32_t offset = script.game().version().loadImageOffset + 16 * p;
  EXPECT_EQ(script.image.littleEndian(offset, 2), 0x6005u);
  EXPECT_EQ(readScriptWord(script.game(), p, 0), 0x6005);
}

TEST(Script, LastStepIsTheFirstEndingOrUnknownStep) {
  EXPECT_EQ(lastScriptStep(ScriptGame({0x0000}).game(), 0), -1);
  const auto lastOf = [](std::initializer_list<std::uint16_t> words) {
    const ScriptGame script(words);
    return lastScriptStep(script.game(), script.paragraph());
  };
  EXPECT_EQ(lastOf({0x0000, 0x6001}), 0);                          // RM
  EXPECT_EQ(lastOf({0x9000, 0x6001}), 0);                          // RM (dup)
  EXPECT_EQ(lastOf({0x6000, 0x301E, 0x6001, 0x301E, 0x4000}), 4);  // LP
  EXPECT_EQ(lastOf({0x6000, 0x7FFD, 0x1000}), 1);                  // JM
  EXPECT_EQ(lastOf({0x6000, 0x2000, 0xC123, 0x1000}), 2);          // opcode 12
}

TEST(Script, StepTextsShortAndLong) {
  const ScriptGame script({0x7FFD, 0x6800, 0x6801, 0x301E, 0x4000, 0xC005, 0x5FFF, 0x2123});
  const std::uint32_t p = script.paragraph();
  struct Case {
    int n;
    std::string shortText;
    std::string longText;
  };
  const std::string pad = "   ";
  const Case cases[] = {
      {0, "JM3", "Jump back # script steps" + pad + "3"},
      {1, "FR2048", "Change graphics frame to" + pad + "2048"},
      {2, "FR2047", "Change graphics frame to" + pad + "2047"},
      {3, "WT30", "Wait for amount of time " + pad + "30"},
      {4, "LP", "Loop (Jump to step 0)   " + pad},
      {5, "??", "Unknown                 " + pad},  // opcode 12 reads like opcode 2
      {6, "SN1", "Play Sound with ID      " + pad + "1"},
      {7, "??", "Unknown                 " + pad},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scriptStepText(script.game(), p, c.n, true), c.shortText) << c.n;
    EXPECT_EQ(scriptStepText(script.game(), p, c.n, false), c.longText) << c.n;
  }
  EXPECT_EQ(scriptStepText(script.game(), 0, 0, true), "");
  EXPECT_EQ(scriptStepText(script.game(), 0, 0, false), "");
}

TEST(Script, SummaryListsTheStepsUpToTheLast) {
  EXPECT_EQ(ScriptGame({0x6000, 0x301E, 0x6001, 0x301E, 0x4000, 0x6003}).summary(),
            "FR0 WT30 FR1 WT30 LP ");
  EXPECT_EQ(ScriptGame({0x0000, 0x6001}).summary(), "RM ");
  EXPECT_EQ(ScriptGame({0x8007, 0xF314, 0x6001}).summary(), "ID7 ?? ");
  EXPECT_EQ(ScriptGame({0x6000, 0x7FFF}).summary(), "FR0 JM1 ");
}

TEST(Script, NoScriptReadsNone) {
  GameImage image(kUs107);
  const testing::FieldRef at = firstFieldOfType(AnimScript);
  image.setField(at.section, 0, at.field, 0x0000FFFF);  // low half only
  OpenGame open(image);
  EXPECT_EQ(scriptParagraph(open.game, at.section, 0, at.field), 0u);
  EXPECT_EQ(scriptText(open.game, at.section, 0, at.field), "None");
}

TEST(Script, LongSummaryStopsAt255Characters) {
  std::vector<std::uint16_t> words(100, 0x6800);  // FR2048, seven characters with the blank
  words.push_back(0x1000);
  GameImage image(kUs107);
  const testing::FieldRef at = firstFieldOfType(AnimScript);
  image.setField(at.section, 0, at.field, image.addScript(words));
  OpenGame open(image);
  const std::string summary = scriptText(open.game, at.section, 0, at.field);
  EXPECT_EQ(summary.size(), 255u);
  EXPECT_EQ(summary.substr(0, 14), "FR2048 FR2048 ");
}

}  // namespace
}  // namespace vorn
