// The commands of the command line that run without a terminal. Each opens the game file as
// the editor does (read-only unless it writes into it), reports errors on err and returns
// the exit status.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

// "KEY<tab>NAME" of the release.
int identifyCommand(const std::string& file, std::ostream& out, std::ostream& err);
// The rules dump of F10, to F10's place, to output, or to out for "-".
int dumpCommand(const std::string& file, const std::optional<std::string>& output,
                std::ostream& out, std::ostream& err);
// The profile of F7, to F7's place, to output, or to out for "-".
int saveProfileCommand(const std::string& file, const std::optional<std::string>& output,
                       std::ostream& out, std::ostream& err);
// F8 with a report: the values written and every skipped line on err.
int loadProfileCommand(const std::string& file, const std::optional<std::string>& profile,
                       std::istream& in, std::ostream& err);
// "PATH = value text" per path (the stored number with raw).
int getCommand(const std::string& file, const std::vector<std::string>& paths, bool raw,
               std::ostream& out, std::ostream& err);
// Checks every "PATH=VALUE" and writes them all, or none when one is bad.
int setCommand(const std::string& file, const std::vector<std::string>& assignments,
               std::ostream& err);
// 0 when no value text differs, 1 when some do (listed on out), 2 on an error.
int diffCommand(const std::string& fileA, const std::string& fileB, std::ostream& out,
                std::ostream& err);

}  // namespace vorn
