#include "shell/command_line.h"

#include <array>
#include <iostream>
#include <string_view>

#include "model/game_file.h"
#include "shell/commands.h"

namespace vorn {

namespace {

struct CommandOption {
  std::string_view name;
  CommandKind kind;
  std::size_t minOperands;
  std::size_t maxOperands;
  std::string_view operandsText;  // for the message when the count is wrong
};

constexpr std::size_t kMany = static_cast<std::size_t>(-1);

constexpr std::array<CommandOption, 7> kCommandOptions{{
    {"--identify", CommandKind::Identify, 1, 1, "one FILE"},
    {"--dump", CommandKind::Dump, 1, 1, "one FILE"},
    {"--save-profile", CommandKind::SaveProfile, 1, 1, "one FILE"},
    {"--load-profile", CommandKind::LoadProfile, 1, 1, "one FILE"},
    {"--get", CommandKind::Get, 2, kMany, "FILE and at least one PATH"},
    {"--set", CommandKind::Set, 2, kMany, "FILE and at least one PATH=VALUE"},
    {"--diff", CommandKind::Diff, 2, 2, "FILE_A and FILE_B"},
}};

const CommandOption* findCommandOption(std::string_view arg) {
  for (const CommandOption& option : kCommandOptions) {
    if (option.name == arg) return &option;
  }
  return nullptr;
}

CommandLine usageError(std::string message) {
  CommandLine command;
  command.kind = CommandKind::Usage;
  command.error = std::move(message);
  return command;
}

// Checks that the modifiers given belong to the command.
std::string modifierError(const CommandLine& command) {
  const bool writesFile =
      command.kind == CommandKind::Dump || command.kind == CommandKind::SaveProfile;
  if (command.output && !writesFile) return "--output goes with --dump or --save-profile";
  if (command.profile && command.kind != CommandKind::LoadProfile) {
    return "--profile goes with --load-profile";
  }
  if (command.raw && command.kind != CommandKind::Get) return "--raw goes with --get";
  return {};
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine command;
  const CommandOption* chosen = nullptr;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      command.operands.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      CommandLine help;
      help.kind = CommandKind::Help;
      return help;
    } else if (arg == "--version") {
      CommandLine version;
      version.kind = CommandKind::Version;
      return version;
    } else if (const CommandOption* option = findCommandOption(arg)) {
      if (chosen != nullptr && chosen != option) {
        return usageError(std::string(chosen->name) + " and " + std::string(option->name) +
                          " cannot be combined");
      }
      chosen = option;
      command.kind = option->kind;
    } else if (arg == "--raw") {
      command.raw = true;
    } else if (arg == "--output" || arg == "--profile" || arg.starts_with("--output=") ||
               arg.starts_with("--profile=")) {
      const bool isOutput = arg.starts_with("--output");
      const std::size_t equals = arg.find('=');
      std::string value;
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      }
      if (value.empty()) {
        return usageError(isOutput ? "--output needs a PATH (or - for standard output)"
                                   : "--profile needs a PATH (or - for standard input)");
      }
      (isOutput ? command.output : command.profile) = value;
    } else {
      return usageError("unknown option '" + arg + "'");
    }
  }
  if (const std::string error = modifierError(command); !error.empty()) return usageError(error);
  if (chosen != nullptr) {
    const std::size_t count = command.operands.size();
    if (count < chosen->minOperands || count > chosen->maxOperands) {
      return usageError(std::string(chosen->name) + " takes " + std::string(chosen->operandsText));
    }
  }
  return command;
}

std::string usageText() {
  return "usage: vorn2edit [--] [GAMEFILE]\n"
         "       vorn2edit --identify FILE\n"
         "       vorn2edit --dump FILE [--output PATH|-]\n"
         "       vorn2edit --save-profile FILE [--output PATH|-]\n"
         "       vorn2edit --load-profile FILE [--profile PATH|-]\n"
         "       vorn2edit --get FILE [--raw] PATH...\n"
         "       vorn2edit --set FILE PATH=VALUE...\n"
         "       vorn2edit --diff FILE_A FILE_B\n"
         "       vorn2edit --help | --version\n";
}

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
         "Commands (no terminal needed):\n"
         "  --identify FILE        print the release's key and name, separated by a tab\n"
         "                           vorn2edit --identify VORN2.EXE\n"
         "  --dump FILE            write the rules dump, as F10 does (rules-KEY.ini beside\n"
         "                         FILE, or --output PATH, or - for standard output)\n"
         "                           vorn2edit --dump VORN2.EXE --output - | less\n"
         "  --save-profile FILE    write profile.ini, as F7 does (or --output PATH|-)\n"
         "                           vorn2edit --save-profile VORN2.EXE --output mine.ini\n"
         "  --load-profile FILE    read profile.ini into FILE, as F8 does (or --profile\n"
         "                         PATH, or - for standard input); reports on stderr\n"
         "                           vorn2edit --load-profile VORN2.EXE --profile mine.ini\n"
         "  --get FILE PATH...     print PATH = value for each field (--raw: the number)\n"
         "                           vorn2edit --get VORN2.EXE 'Units/Trike/Cost'\n"
         "  --set FILE PATH=VALUE...  write values; nothing is written unless all are good\n"
         "                           vorn2edit --set VORN2.EXE 'Units/Trike/Cost=150'\n"
         "  --diff FILE_A FILE_B   list the fields whose values differ (exit 0: none,\n"
         "                         1: some, 2: error)\n"
         "                           vorn2edit --diff VORN2.EXE VORN2.BAK\n"
         "\n"
         "PATH is Section/Item/Field: the section label, the item's name or #N, the\n"
         "field's label (any case, trailing * optional) or #N. VALUE is what the editor\n"
         "accepts: a number (decimal, or hexadecimal after 0x or $), a name from the\n"
         "field's list, member names separated by \",\" or (none), one letter, or a\n"
         "decimal file offset for a string reference. See vorn2edit(1).\n"
         "\n"
         "  --help       show this text and exit\n"
         "  --version    show the version and exit\n"
         "  --           end of options (for a game file whose name starts with '-')\n";
}

int runCommand(const CommandLine& command, std::istream& in, std::ostream& out, std::ostream& err) {
  // Only --diff uses 1 for an answer; its failures are 2, as diff(1) has it.
  const int failure = command.kind == CommandKind::Diff ? 2 : 1;
  try {
    const std::vector<std::string>& args = command.operands;
    switch (command.kind) {
      case CommandKind::Identify:
        return identifyCommand(args[0], out, err);
      case CommandKind::Dump:
        return dumpCommand(args[0], command.output, out, err);
      case CommandKind::SaveProfile:
        return saveProfileCommand(args[0], command.output, out, err);
      case CommandKind::LoadProfile:
        return loadProfileCommand(args[0], command.profile, in, err);
      case CommandKind::Get:
        return getCommand(args[0], {args.begin() + 1, args.end()}, command.raw, out, err);
      case CommandKind::Set:
        return setCommand(args[0], {args.begin() + 1, args.end()}, err);
      case CommandKind::Diff:
        return diffCommand(args[0], args[1], out, err);
      case CommandKind::Edit:
      case CommandKind::Help:
      case CommandKind::Version:
      case CommandKind::Usage:
        break;
    }
    err << "vorn2edit: not a command that runs without a terminal\n";
    return 2;
  } catch (const IoError& error) {
    err << "vorn2edit: input/output error: " << error.what() << "\n";
    return failure;
  }
}

int runCommand(const CommandLine& command) {
  const int status = runCommand(command, std::cin, std::cout, std::cerr);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "vorn2edit: cannot write to standard output\n";
    return command.kind == CommandKind::Diff ? 2 : 1;
  }
  return status;
}

}  // namespace vorn
