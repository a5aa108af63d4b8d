// The built program itself: exit statuses and the usage line as a shell sees them, and a
// command that runs with no terminal at all.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "builder/game_file_builder.h"
#include "shell/command_line.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

// The program is built beside the tests.
std::string programPath() {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "vorn2edit").string();
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ProgramRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the program with standard input from /dev/null, so that no terminal is involved.
ProgramRun runProgram(const std::string& arguments) {
  const std::string out = testing::tempPath("out.txt");
  const std::string err = testing::tempPath("err.txt");
  const std::string command =
      "'" + programPath() + "' " + arguments + " </dev/null >'" + out + "' 2>'" + err + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readAll(out), readAll(err)};
}

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::access(programPath().c_str(), X_OK) != 0) GTEST_SKIP() << "vorn2edit is not built";
  }
};

TEST_F(Program, UsageErrorsExitWithStatus2AndTheUsageLines) {
  const ProgramRun unknown = runProgram("--frobnicate");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err, "vorn2edit: unknown option '--frobnicate'\n" + usageText());
  const ProgramRun missing = runProgram("--diff onlyone.exe");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "vorn2edit: --diff takes FILE_A and FILE_B\n" + usageText());
  EXPECT_EQ(runProgram("--help").out, helpText());
  EXPECT_TRUE(runProgram("--version").out.starts_with("vorn2edit "));
}

TEST_F(Program, CommandsRunWithoutATerminal) {
  const std::string path = testing::tempPath("VORN2.EXE");
  builder::makeSampleImage().writeTo(path);
  const ProgramRun identify = runProgram("--identify '" + path + "'");
  EXPECT_EQ(identify.status, 0) << identify.err;
  EXPECT_EQ(identify.out, "1.07-US\tUnited States v1.07\n");
  const ProgramRun diff = runProgram("--diff '" + path + "' '" + path + "'");
  EXPECT_EQ(diff.status, 0);
  const ProgramRun bad = runProgram("--set '" + path + "' 'Units/#0/Cost=99999'");
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err,
            "vorn2edit: Units/#0/Cost=99999: Value too large! (Data range: -32768,32767)\n"
            "vorn2edit: nothing written (1 bad assignment)\n");
}

}  // namespace
}  // namespace vorn
