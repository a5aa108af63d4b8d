// Case folding, trimming and length-limited concatenation of texts. Only the plain letters
// change case: the game's names are code page 437 bytes, and the bytes above 127 are not
// letters the editor knows how to fold.
#include <string>
#include <string_view>

#include "values/value_text.h"

namespace vorn {

namespace {

bool isBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string upperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}

std::string lowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

std::string trimLeft(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isBlankOrControl(text[start])) ++start;
  return std::string(text.substr(start));
}

std::string trimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && isBlankOrControl(text[end - 1])) --end;
  return std::string(text.substr(0, end));
}

std::string trimText(std::string_view text) {
  return trimLeft(trimRight(text));
}

void appendText(std::string& text, std::string_view part) {
  if (text.size() >= kMaxTextLength) return;
  text.append(part.substr(0, kMaxTextLength - text.size()));
}

}  // namespace vorn
