#include "values/script_list.h"

#include <gtest/gtest.h>

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

namespace vorn {
namespace {

using builder::GameImage;
using testing::FieldRef;
using testing::firstFieldOfType;
using testing::openList;
using testing::placeCursors;
using testing::TestEditor;

constexpr int kUs107 = 3;
constexpr int kItem = 4;
constexpr std::uint16_t kFiller = 0xF314;

int animScriptField() {
  return firstFieldOfType(AnimScript).field;
}

std::string padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

// A step line: the description padded to 24 characters, three blanks, the argument.
std::string step(const std::string& description, const std::string& argument = "") {
  return padded(description, 24) + "   " + argument;
}

const std::string kFree = "[Available script space]";

// A structure whose AnimScript field points at the words (0 when there are none); the low
// 16 bits of the field are set to lowBits, which the script's location ignores.
GameImage scriptImage(const std::vector<std::uint16_t>& words, std::uint32_t lowBits) {
  GameImage image(kUs107);
  const std::uint32_t value = words.empty() ? 0 : image.addScript(words);
  image.setField(kStructures, kItem, animScriptField(), value | lowBits);
  return image;
}

// The popup opened on that field.
struct ScriptListing {
  explicit ScriptListing(const std::vector<std::uint16_t>& words, std::uint32_t lowBits = 0)
      : image(scriptImage(words, lowBits)), t(image) {
    placeCursors(t.ed, kStructures, kItem, animScriptField());
    openList(t.ed);
  }
  std::vector<std::string> lines() const {
    const ViewState& view = t.ed.view();
    return {view.listNames.begin(), view.listNames.begin() + view.pane(kPopupPane).lastIndex + 1};
  }
  GameImage image;
  TestEditor t;
};

TEST(ScriptList, ListsEachStepThenTheFreeScriptSpace) {
  struct ListingCase {
    const char* what;
    std::vector<std::uint16_t> words;
    std::vector<std::string> lines;
  };
  const ListingCase cases[] = {
      {"no script", {}, {"[No script actions]"}},
      {"frames, waits and a loop, then free space",
       {0x6000, 0x301E, 0x6001, 0x301E, 0x4000, kFiller, kFiller, 0x1234, kFiller},
       {step("Change graphics frame to", "0"), step("Wait for amount of time", "30"),
        step("Change graphics frame to", "1"), step("Wait for amount of time", "30"),
        step("Loop (Jump to step 0)"), kFree, kFree}},
      {"a jump back shows its distance unsigned",
       {0x5000 | 12, 0x7FFD},
       {step("Play Sound with ID", "12"), step("Jump back # script steps", "3")}},
      {"largest and smallest arguments",
       {0x6800, 0x6801, 0x1000},
       {step("Change graphics frame to", "2048"), step("Change graphics frame to", "2047"),
        step("Stop animation")}},
      {"removing first step", {0x0000, 0x6001}, {step("Remove from map (#1)")}},
      {"removing first step (duplicate)",
       {0x9000, kFiller},
       {step("Remove from map (dup)"), kFree}},
  };
  for (const ListingCase& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptListing listing(c.words);
    EXPECT_EQ(listing.lines(), c.lines);
  }
}

TEST(ScriptList, ShowsTheStepsInThePopupAndSpaceDoesNothing) {
  ScriptListing listing({0x6002, 0x3005, 0x4000}, 0xBEEF);
  TestEditor& t = listing.t;
  EXPECT_EQ(t.console.text(18, 12, 32), padded(step("Change graphics frame to", "2"), 32));
  EXPECT_EQ(t.console.text(18, 14, 32), padded(step("Loop (Jump to step 0)"), 32));
  EXPECT_EQ(t.ed.view().pane(kPopupPane).selected(), 0);
  const std::vector<std::uint8_t> before = t.bytes();
  t.press(key::Space);
  t.press(key::Enter);
  EXPECT_EQ(t.ed.view().focus, kPopupPane);
  EXPECT_TRUE(t.bytes() == before);
  t.press(key::Escape);
  EXPECT_EQ(t.ed.view().focus, kFieldPane);
}

TEST(ScriptList, HoldsAtMost801Lines) {
  std::vector<std::uint16_t> longFree{0x6000, 0x4000};
  longFree.resize(1000, kFiller);
  std::vector<std::uint16_t> longScript(900, 0x3001);
  longScript.push_back(0x1000);

  ScriptListing free(longFree);
  std::vector<std::string> lines = free.lines();
  ASSERT_EQ(lines.size(), 801u);
  EXPECT_EQ(lines[1], step("Loop (Jump to step 0)"));
  EXPECT_EQ(lines[2], kFree);
  EXPECT_EQ(lines[800], kFree);

  ScriptListing steps(longScript);
  lines = steps.lines();
  ASSERT_EQ(lines.size(), 801u);
  EXPECT_EQ(lines[800], step("Wait for amount of time", "1"));
}

}  // namespace
}  // namespace vorn
