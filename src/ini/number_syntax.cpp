#include "ini/number_syntax.h"

namespace vorn {

namespace {

constexpr std::uint64_t kLargestPattern = 0xFFFFFFFFull;
constexpr std::uint64_t kLargestPositive = 0x7FFFFFFFull;
constexpr std::uint64_t kLargestNegative = 0x80000000ull;

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 99;
}

// Removes the base prefix from the front of text and returns the base it names.
int takeBase(std::string_view& text) {
  if (text.empty()) return 10;
  switch (text.front()) {
    case '$':
    case 'x':
    case 'X':
      text.remove_prefix(1);
      return 16;
    case '%':
      text.remove_prefix(1);
      return 2;
    case '&':
      text.remove_prefix(1);
      return 8;
    case '0':
      if (text.size() >= 2 && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        return 16;
      }
      return 10;
    default:
      return 10;
  }
}

}  // namespace

std::optional<std::int32_t> parseProfileNumber(std::string_view word) {
  while (!word.empty() && (word.front() == ' ' || word.front() == '\t')) word.remove_prefix(1);
  bool negative = false;
  if (!word.empty() && (word.front() == '-' || word.front() == '+')) {
    negative = word.front() == '-';
    word.remove_prefix(1);
  }
  const int base = takeBase(word);
  if (word.empty()) return std::nullopt;
  const std::uint64_t limit =
      base != 10 ? kLargestPattern : (negative ? kLargestNegative : kLargestPositive);
  std::uint64_t magnitude = 0;
  for (char c : word) {
    const int digit = digitValue(c);
    if (digit >= base) return std::nullopt;
    magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  // Two's complement of 32 bits: a negated pattern wraps, so "-$1" and "$FFFFFFFF" agree.
  const auto pattern = static_cast<std::uint32_t>(negative ? (0 - magnitude) : magnitude);
  return static_cast<std::int32_t>(pattern);
}

}  // namespace vorn
