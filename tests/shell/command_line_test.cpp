// Parsing the command line: which command, which operands, and the usage errors.
#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(CommandLine, GameFileAndNoArgumentOpenTheEditor) {
  EXPECT_EQ(parseCommandLine({}).kind, CommandKind::Edit);
  const CommandLine edit = parseCommandLine({"game.exe"});
  EXPECT_EQ(edit.kind, CommandKind::Edit);
  EXPECT_EQ(edit.operands, std::vector<std::string>{"game.exe"});
  // After "--" even a name that looks like a command is a game file.
  const CommandLine dashed = parseCommandLine({"--", "--dump"});
  EXPECT_EQ(dashed.kind, CommandKind::Edit);
  EXPECT_EQ(dashed.operands, std::vector<std::string>{"--dump"});
}

TEST(CommandLine, CommandsTakeTheirOperandsAndModifiersInAnyOrder) {
  const CommandLine dump = parseCommandLine({"g.exe", "--output", "-", "--dump"});
  EXPECT_EQ(dump.kind, CommandKind::Dump);
  EXPECT_EQ(dump.operands, std::vector<std::string>{"g.exe"});
  EXPECT_EQ(dump.output, "-");
  EXPECT_EQ(parseCommandLine({"--save-profile", "g", "--output=p.ini"}).output, "p.ini");
  EXPECT_EQ(parseCommandLine({"--load-profile", "g", "--profile", "p.ini"}).profile, "p.ini");
  const CommandLine get = parseCommandLine({"--get", "--raw", "g", "Units/A/Cost", "Units/B/Cost"});
  EXPECT_EQ(get.kind, CommandKind::Get);
  EXPECT_TRUE(get.raw);
  EXPECT_EQ(get.operands.size(), 3u);
  EXPECT_EQ(parseCommandLine({"--set", "g", "Units/A/Cost=-5"}).kind, CommandKind::Set);
  EXPECT_EQ(parseCommandLine({"--diff", "a", "b"}).kind, CommandKind::Diff);
  EXPECT_EQ(parseCommandLine({"--identify", "a"}).kind, CommandKind::Identify);
  EXPECT_EQ(parseCommandLine({"--dump", "g", "--help"}).kind, CommandKind::Help);
  EXPECT_EQ(parseCommandLine({"--version"}).kind, CommandKind::Version);
}

TEST(CommandLine, UsageErrorsNameTheProblem) {
  struct Case {
    std::vector<std::string> args;
    std::string error;
  };
  const Case cases[] = {
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"--identify"}, "--identify takes one FILE"},
      {{"--identify", "a", "b"}, "--identify takes one FILE"},
      {{"--dump"}, "--dump takes one FILE"},
      {{"--load-profile"}, "--load-profile takes one FILE"},
      {{"--get", "g"}, "--get takes FILE and at least one PATH"},
      {{"--set", "g"}, "--set takes FILE and at least one PATH=VALUE"},
      {{"--diff", "a"}, "--diff takes FILE_A and FILE_B"},
      {{"--diff", "a", "b", "c"}, "--diff takes FILE_A and FILE_B"},
      {{"--dump", "g", "--output"}, "--output needs a PATH (or - for standard output)"},
      {{"--load-profile", "g", "--profile="}, "--profile needs a PATH (or - for standard input)"},
      {{"--get", "g", "p", "--output", "x"}, "--output goes with --dump or --save-profile"},
      {{"--dump", "g", "--profile", "x"}, "--profile goes with --load-profile"},
      {{"--set", "g", "p=1", "--raw"}, "--raw goes with --get"},
      {{"--output", "x", "g"}, "--output goes with --dump or --save-profile"},
      {{"--dump", "g", "--get", "p"}, "--dump and --get cannot be combined"},
  };
  for (const Case& c : cases) {
    const CommandLine command = parseCommandLine(c.args);
    EXPECT_EQ(command.kind, CommandKind::Usage) << c.error;
    EXPECT_EQ(command.error, c.error);
  }
}

TEST(CommandLine, HelpNamesEveryCommandWithAnExample) {
  ASSERT_TRUE(helpText().starts_with(usageText()));
  const std::string help = helpText().substr(usageText().size());
  for (const char* command :
       {"--identify", "--dump", "--save-profile", "--load-profile", "--get", "--set", "--diff"}) {
    EXPECT_NE(usageText().find(command), std::string::npos) << command;
    EXPECT_NE(help.find(std::string("    vorn2edit ") + command + " "), std::string::npos)
        << command;
  }
}

}  // namespace
}  // namespace vorn
