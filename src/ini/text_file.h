// The INI files' own file access: replacing a text file as a whole, so that a failed write
// never leaves half a file where a complete one stood, and reading one back.
#pragma once

#include <string>
#include <string_view>

namespace vorn {

// Replaces the file at path by contents. A regular file (or a new one) is written to a
// temporary file in the same directory, flushed to disk and renamed over the old one only
// when complete, so the old file stays as it was when anything fails. A symbolic link is
// followed and the file it designates is replaced; the link itself stays. A path that
// designates something other than a regular file (a device, a pipe) is written into
// directly. Every failure throws IoError naming path and the system's error text.
void replaceTextFile(const std::string& path, std::string_view contents);

// True when path names something other than a directory that can be looked at.
bool textFileExists(const std::string& path);

// The whole file as bytes; throws IoError when it cannot be read.
std::string readTextFile(const std::string& path);

}  // namespace vorn
