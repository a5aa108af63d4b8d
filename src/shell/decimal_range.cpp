#include "shell/decimal_range.h"

namespace vorn {

std::string dataRangeText(DecimalRange range) {
  return "Data range: " + std::to_string(range.min) + "," + std::to_string(range.max);
}

DecimalCheck checkDecimal(std::string_view text, DecimalRange range) {
  DecimalCheck check;
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty()) return check;
  constexpr std::int64_t kSaturated = std::int64_t{1} << 40;
  std::int64_t magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return check;
    if (magnitude < kSaturated) magnitude = magnitude * 10 + (c - '0');
  }
  check.isNumber = true;
  check.value = negative ? -magnitude : magnitude;
  if (check.value > range.max) {
    check.message = kValueTooLarge;
  } else if (check.value < range.min) {
    check.message = kValueTooSmall;
  }
  return check;
}

}  // namespace vorn
