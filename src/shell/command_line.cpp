#include "shell/command_line.h"

namespace vorn {

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine command;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      return {CommandKind::Help, {}, {}};
    } else if (!optionsEnded && arg == "--version") {
      return {CommandKind::Version, {}, {}};
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return {CommandKind::Usage, {}, "unknown option '" + arg + "'"};
    } else {
      command.operands.push_back(arg);
    }
  }
  return command;
}

std::string usageText() { return "usage: vorn2edit [--help] [--version] [--] [GAMEFILE]\n"; }

std::string helpText() {
  return usageText() +
         "\n"
         "A full-screen editor for the data tables of the Vorn II executable.\n"
         "Without GAMEFILE it opens VORN2.EXE in the current directory. Every change is\n"
         "written into the game file at once; there is no save step and no undo.\n"
         "\n"
         "Keys: arrows, Page Up/Down, Home, End move; Left/Right change panes; Enter or\n"
         "Space edits; F1 help; F2/F3/F4/F5 bare binary/hex/signed/unsigned entry;\n"
         "F7/F8 save/load profile.ini; F9 release info; F10 rules dump; F11 research\n"
         "mode; F12 about; Escape closes a popup or ends the editor.\n"
         "\n"
         "  --help       show this text and exit\n"
         "  --version    show the version and exit\n"
         "  --           end of options (for a game file whose name starts with '-')\n";
}

int runCommand(const CommandLine&) { return 2; }

}  // namespace vorn
