// The command line: the game file to edit, or one of the commands that run without a
// terminal (for modders who script their changes), --help and --version.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

enum class CommandKind {
  Edit,
  Help,
  Version,
  Usage,
  Identify,     // --identify FILE
  Dump,         // --dump FILE [--output PATH|-]
  SaveProfile,  // --save-profile FILE [--output PATH|-]
  LoadProfile,  // --load-profile FILE [--profile PATH|-]
  Get,          // --get FILE [--raw] PATH...
  Set,          // --set FILE PATH=VALUE...
  Diff,         // --diff FILE_A FILE_B
};

struct CommandLine {
  CommandKind kind = CommandKind::Edit;
  std::vector<std::string> operands;   // the game file(s), then the paths or assignments
  std::string error;                   // for Usage
  std::optional<std::string> output;   // --output: a path, or "-" for standard output
  std::optional<std::string> profile;  // --profile: a path, or "-" for standard input
  bool raw = false;                    // --raw: --get prints stored numbers
};

CommandLine parseCommandLine(const std::vector<std::string>& args);
std::string helpText();
std::string usageText();

// Runs a command that needs no terminal and returns the exit status: 0 on success, 1 on a
// failure (2 for --diff, which answers 1 when the files differ).
int runCommand(const CommandLine& command, std::istream& in, std::ostream& out, std::ostream& err);
// The same on the standard streams.
int runCommand(const CommandLine& command);

}  // namespace vorn
