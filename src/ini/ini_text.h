// Texts that the rules dump and the profile share: their paths beside the game file, the
// line that names the editor, the line ending, and the short form of a path in a popup.
#pragma once

#include <string>
#include <string_view>

namespace vorn {

// The directory part of the game file's path followed by baseName, "." and "ini".
std::string iniFilePath(std::string_view gameFilePath, std::string_view baseName);

// "; Created with Vorn II Editor <version> (created by Brannick)".
std::string createdWithLine();

// Appends line and the CR LF that ends every line of both files.
void appendLine(std::string& text, std::string_view line);

// A path as the popups show it: whole up to 58 characters, else its first 27 characters,
// "..." and its last 28, with the blanks at the cut removed.
std::string shortenPath(std::string_view path);

}  // namespace vorn
