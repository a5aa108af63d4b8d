#include <gtest/gtest.h>

#include <string>

#include "values/value_text.h"

namespace vorn {
namespace {

TEST(TextHelpers, CaseFoldingChangesOnlyPlainLetters) {
  EXPECT_EQ(upperCase("Light-factory 2\x82z"), "LIGHT-FACTORY 2\x82Z");
  EXPECT_EQ(lowerCase("ORDOS.PAK \x90"), "ordos.pak \x90");
}

TEST(TextHelpers, TrimmingRemovesControlCharactersAndBlanks) {
  const std::string text = std::string("\0 \t", 3) + "Vorn  Edge" + "\x01 \x20";
  EXPECT_EQ(trimText(text), "Vorn  Edge");
  EXPECT_EQ(trimLeft(" \x1F"
                     "a b "),
            "a b ");
  EXPECT_EQ(trimRight(" a b \x7F"), " a b \x7F");  // 127 is not a blank
  EXPECT_EQ(trimText("   "), "");
}

TEST(TextHelpers, AppendTextStopsAt255Characters) {
  std::string text(250, 'x');
  appendText(text, "abcdefgh");
  EXPECT_EQ(text.size(), 255u);
  EXPECT_EQ(text.substr(250), "abcde");
  appendText(text, "more");
  EXPECT_EQ(text.size(), 255u);
}

TEST(Abbreviation, ShortFormsOfItemNames) {
  struct Case {
    const char* name;
    const char* shortForm;
  };
  const Case cases[] = {
      {"Light Factory", "LiFa"},
      {"Hi-Tech Factory", "HiTe"},
      {"Construction Yard", "CoYa"},
      {"House of IX", "HoOf"},
      {"Unit 5", "Uni5"},
      {"Trooper", "Troo"},
      {"'Thopter", "Thop"},
      {"Tank12", "Ta12"},
      {"Tank123", "T123"},
      {"Tank1", "Tan1"},
      {"MCV", "MCV"},
      {"<no reference>", "<nRe"},
      {"Radar Outpost", "RaOu"},
      {"Windtrap", "Wind"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(abbreviateName(c.name), c.shortForm) << c.name;
}

TEST(Abbreviation, NthFieldCapitalizeFirstAndDigits) {
  EXPECT_EQ(nthField("Heavy Factory Mk", 1, ' '), "Heavy");
  EXPECT_EQ(nthField("Heavy Factory Mk", 2, ' '), "Factory");
  EXPECT_EQ(nthField("Heavy Factory Mk", 3, ' '), "Mk");
  EXPECT_EQ(nthField("Heavy Factory Mk", 4, ' '), "");
  EXPECT_EQ(nthField("Trooper", 2, ' '), "");
  EXPECT_EQ(capitalizeFirst("of IX"), "Of IX");
  EXPECT_EQ(capitalizeFirst("<no"), "<no");
  EXPECT_EQ(capitalizeFirst(""), "");
  EXPECT_TRUE(isAllDigits(""));
  EXPECT_TRUE(isAllDigits("123"));
  EXPECT_FALSE(isAllDigits("k12"));
}

}  // namespace
}  // namespace vorn
