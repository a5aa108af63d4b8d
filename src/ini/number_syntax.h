// The numbers a profile may hold: signed 32-bit integers in decimal, or in hexadecimal
// ("$", "x", "X", "0x", "0X"), binary ("%") or octal ("&") after a base prefix.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorn {

// The number that the whole word spells (after optional leading blanks or tabs and an
// optional sign), or nothing. Decimal numbers must lie in the signed 32-bit range; the
// other bases may use all 32 bits, so "$FFFFFFFF" is -1.
std::optional<std::int32_t> parseProfileNumber(std::string_view word);

}  // namespace vorn
