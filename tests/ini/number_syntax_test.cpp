// The number syntax of profile values, by table.
#include "ini/number_syntax.h"

#include <gtest/gtest.h>

#include <optional>

namespace vorn {
namespace {

TEST(ProfileNumber, ReadsEveryBaseAndRejectsTheRest) {
  struct Case {
    std::string_view word;
    std::optional<std::int32_t> expected;
  };
  const Case cases[] = {
      {"0", 0},
      {"600", 600},
      {"+5", 5},
      {"-1", -1},
      {"007", 7},
      {" \t42", 42},
      {"$1F4", 500},
      {"0x1F4", 500},
      {"0X1f4", 500},
      {"x1F4", 500},
      {"X1F4", 500},
      {"-$1F4", -500},
      {"%101", 5},
      {"&17", 15},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"$FFFFFFFF", -1},
      {"%11111111111111111111111111111111", -1},
      {"&37777777777", -1},
      {"$00000000FFFFFFFF", -1},
      {"-$1", -1},
      // Not numbers.
      {"", std::nullopt},
      {"1F4", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"x", std::nullopt},
      {"-", std::nullopt},
      {"+-5", std::nullopt},
      {"--5", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"$100000000", std::nullopt},
      {"%2", std::nullopt},
      {"&8", std::nullopt},
      {"$G", std::nullopt},
      {"12a", std::nullopt},
      {"5 ", std::nullopt},
      {"5\t", std::nullopt},
      {"1.5", std::nullopt},
      {"- 5", std::nullopt},
      {std::string_view("5\0", 2), std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseProfileNumber(c.word), c.expected) << "\"" << c.word << "\"";
  }
}

}  // namespace
}  // namespace vorn
