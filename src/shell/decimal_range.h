// The decimal entry's range check without a console, for numbers that arrive as text (the
// command line) instead of through the popup's input line. The limits by width and sign
// and the messages are the entry's own.
//
// The popup's line holds at most as many characters as the limits have, and reads them
// exactly in 64 bits; a text here may be longer (leading zeros, more digits than any
// limit), so it is read exactly as well, saturating far beyond every limit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editing/entry_editors.h"

namespace vorn {

// "Data range: " followed by min, "," and max, as the entry's range line shows it.
std::string dataRangeText(DecimalRange range);

struct DecimalCheck {
  bool isNumber = false;     // an optional "-" and at least one digit, nothing else
  std::int64_t value = 0;    // meaningful when message is empty
  std::string_view message;  // empty, kValueTooLarge or kValueTooSmall
};

DecimalCheck checkDecimal(std::string_view text, DecimalRange range);

}  // namespace vorn
