// The command line: the game file to edit, or --help and --version.
#pragma once

#include <string>
#include <vector>

namespace vorn {

enum class CommandKind { Edit, Help, Version, Usage };

struct CommandLine {
  CommandKind kind = CommandKind::Edit;
  std::vector<std::string> operands;  // for Edit: the game file, when one is given
  std::string error;                  // for Usage
};

CommandLine parseCommandLine(const std::vector<std::string>& args);
std::string helpText();
std::string usageText();
// Runs a command that needs no terminal; returns the exit status.
int runCommand(const CommandLine& command);

}  // namespace vorn
