// Short forms of item names, so that several members of a switch set fit the 19 columns of
// the field pane: "Construction Yard" becomes CoYa, "Tank12" Ta12.
#include <string>
#include <string_view>

#include "values/value_text.h"

namespace vorn {

namespace {

std::string_view lastChars(std::string_view text, std::size_t count) {
  return text.substr(text.size() > count ? text.size() - count : 0);
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Two words: first letters of each, keeping a one-character second word whole (Unit 5 gives
// Uni5) and letting a short first word borrow from the second (Hi-Tech gives HiTe).
std::string abbreviateTwoWords(const std::string& first, const std::string& second) {
  if (second.size() == 1) return first.substr(0, 3) + second;
  if (first.size() > 2) return first.substr(0, 2) + second.substr(0, 2);
  return (first + second.substr(0, 3)).substr(0, 4);
}

// One word: a number at its end is kept whole, as far as up to three digits go.
std::string abbreviateOneWord(const std::string& word) {
  const std::string_view text(word);
  if (isAllDigits(lastChars(text, 3))) return word.substr(0, 1) + std::string(lastChars(text, 3));
  if (isAllDigits(lastChars(text, 2))) return word.substr(0, 2) + std::string(lastChars(text, 2));
  if (!word.empty() && isDigit(word.back())) return word.substr(0, 3) + word.back();
  return word.substr(0, 4);
}

}  // namespace

std::string nthField(std::string_view text, int n, char separator) {
  std::string rest(text);
  rest += separator;
  for (int k = 1; k < n; ++k) {
    const std::size_t at = rest.find(separator);
    rest = at == std::string::npos ? std::string() : rest.substr(at + 1);
  }
  return rest.substr(0, rest.find(separator));
}

std::string capitalizeFirst(std::string_view text) {
  std::string result(text);
  if (!result.empty() && result[0] >= 'a' && result[0] <= 'z')
    result[0] = static_cast<char>(result[0] - 'a' + 'A');
  return result;
}

bool isAllDigits(std::string_view text) {
  for (char c : text)
    if (!isDigit(c)) return false;
  return true;
}

std::string abbreviateName(std::string_view text) {
  // 'Thopter and the like: the apostrophe would waste one of the four characters.
  if (!text.empty() && text.front() == '\'') text.remove_prefix(1);

  const std::size_t blank = text.find(' ');
  const std::size_t hyphen = text.find('-');
  std::string first(text);
  std::string second;
  if (blank != std::string_view::npos || hyphen != std::string_view::npos) {
    const char separator = blank < hyphen ? ' ' : '-';
    first = nthField(text, 1, separator);
    second = nthField(text, 2, separator);
  }
  first = capitalizeFirst(first);
  second = capitalizeFirst(second);
  return second.empty() ? abbreviateOneWord(first) : abbreviateTwoWords(first, second);
}

}  // namespace vorn
