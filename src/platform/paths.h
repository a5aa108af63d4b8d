// Path helpers. "\", "/" delimit directories and ":" ends a drive prefix, so names written
// for the game's own platform split the same way.
#pragma once

#include <string>
#include <string_view>

namespace vorn {

// path expanded against the current directory (never cut to any length).
std::string fullPath(std::string_view path);
// Everything after the last delimiter.
std::string fileNamePart(std::string_view path);
// Everything up to and including the last delimiter; empty when there is none.
std::string directoryPart(std::string_view path);

}  // namespace vorn
