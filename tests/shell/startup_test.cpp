#include "shell/startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "builder/game_file_builder.h"
#include "platform/memory_console.h"
#include "screen/layout.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

using builder::GameImage;

struct StartupRun {
  MemoryConsole console;
  Game game;
  RunResult result;
};

void run(StartupRun& r, const std::vector<std::string>& args) {
  r.result = runEditor(r.console, r.game, args);
}

std::string titleRowStart(const MemoryConsole& console) {
  return console.text(1, 1, 22);
}

TEST(Startup, MissingFileShowsTheOpenErrorAndEndsWithStatusOne) {
  StartupRun r;
  const std::string path = testing::tempPath("VORN2.EXE");
  r.console.pushKey('x');
  run(r, {path});
  EXPECT_EQ(r.result.status, 1);
  EXPECT_EQ(r.result.errorLine, "Error opening \"" + path + "\".");
  EXPECT_EQ(r.console.text(1, 1, 22), "\xCD\xCD Vorn II Editor 1.0 ");
  EXPECT_EQ(r.console.rowText(3).substr(0, r.result.errorLine.size()), r.result.errorLine);
  EXPECT_EQ(r.console.rowText(5).substr(0, 31), "Press any key to continue. . . ");
  EXPECT_EQ(r.console.pendingKeys(), 0u);
}

TEST(Startup, BadFilesGetTheirErrorScreenAndStayUnchanged) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* error;
  };
  GameImage truncated(3);
  truncated.bytes().resize(0x39000);  // holds the name but not the Houses table and beyond
  std::vector<std::uint8_t> random(300000);
  for (std::size_t i = 0; i < random.size(); ++i)
    random[i] = static_cast<std::uint8_t>(i * 7919 + 13);
  GameImage renamed(3);
  renamed.bytes()[renamed.bytes().size() - 1] = 1;
  const std::vector<Case> cases{
      {"VORN2.EXE", {}, "ERROR: Cannot identify the Vorn 2 version of the file \"VORN2.EXE\"."},
      {"vorn2.exe", std::vector<std::uint8_t>(1000, 'A'),
       "ERROR: Cannot identify the Vorn 2 version of the file \"VORN2.EXE\"."},
      {"game.exe", random, "ERROR: Cannot identify the Vorn 2 version of the file \"GAME.EXE\"."},
      {"VORN2.EXE", truncated.bytes(),
       "ERROR: \"VORN2.EXE\" is too short for version 1.07-US (needs "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    const std::string path = testing::tempPath(c.name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(c.bytes.data()),
               static_cast<std::streamsize>(c.bytes.size()));
    StartupRun r;
    r.console.pushKey(' ');
    run(r, {path});
    EXPECT_EQ(r.result.status, 1);
    EXPECT_EQ(r.console.rowText(3).substr(0, std::string(c.error).size()), c.error);
    EXPECT_EQ(r.console.rowText(5).substr(0, 31), "Press any key to continue. . . ");
    EXPECT_EQ(r.console.cell(1, 3).foreground, kLightGrey);
    EXPECT_EQ(r.console.cell(1, 3).background, kBlack);
    EXPECT_EQ(builder::readWholeFile(path), c.bytes);
  }
}

TEST(Startup, ADirectoryIsAnOpenError) {
  StartupRun r;
  const std::string directory = testing::tempPath("somedir");
  ::mkdir(directory.c_str(), 0700);
  r.console.pushKey(' ');
  run(r, {directory});
  EXPECT_EQ(r.result.status, 1);
  EXPECT_EQ(r.console.rowText(3).substr(0, 15), "Error opening \"");
}

TEST(Startup, AFileWithoutWritePermissionIsAnOpenError) {
  const std::string path = testing::tempPath("VORN2.EXE");
  GameImage(3).writeTo(path);
  ::chmod(path.c_str(), 0444);
  StartupRun r;
  r.console.pushKey(' ');
  run(r, {path});
  EXPECT_EQ(r.result.status, 1);
  EXPECT_EQ(r.console.rowText(3).substr(0, 15), "Error opening \"");
}

TEST(Startup, EscapeLeavesTheFarewellUnderTheTitleBar) {
  const std::string path = testing::tempPath("copy of game.exe");
  GameImage(4).writeTo(path);
  const auto before = builder::readWholeFile(path);
  StartupRun r;
  r.console.pushKey(27);
  run(r, {path});
  EXPECT_EQ(r.result.status, 0);
  EXPECT_TRUE(r.result.farewell);
  EXPECT_EQ(r.game.versionIndex, 4);  // identified by the name stored inside
  EXPECT_EQ(r.console.rowText(3).substr(0, 25), "Program exited. Have fun!");
  EXPECT_EQ(r.console.cell(1, 3).background, kBlack);
  EXPECT_EQ(titleRowStart(r.console).substr(2), " Vorn II Editor 1.0 ");
  EXPECT_EQ(builder::readWholeFile(path), before);
  EXPECT_FALSE(r.game.file.isOpen());
}

TEST(ResolveGameFileName, ArgumentsAndDefaults) {
  char buffer[4096];
  ASSERT_NE(::getcwd(buffer, sizeof buffer), nullptr);
  const std::string cwd(buffer);
  struct Case {
    std::vector<std::string> args;
    std::string name;
    std::string path;
  };
  for (const Case& c : std::vector<Case>{
           {{}, "VORN2.EXE", cwd + "/VORN2.EXE"},
           {{"/games/vorn2.exe"}, "VORN2.EXE", "/games/vorn2.exe"},
           {{"/games/"}, "VORN2.EXE", cwd + "/VORN2.EXE"},
           {{"sub/Mod.Exe", "ignored"}, "MOD.EXE", cwd + "/sub/Mod.Exe"},
       }) {
    EditorState state;
    resolveGameFileName(state, c.args);
    EXPECT_EQ(state.gameFileName, c.name);
    EXPECT_EQ(state.gameFilePath, c.path);
  }
}

// Another program cuts the game file short while the editor runs: the next key ends the
// editor with the input/output error, and the file is not written beyond its new end.
TEST(MainLoop, AKeyAfterTheFileWasCutShortEndsWithTheInputOutputError) {
  testing::TestEditor t(GameImage(3));
  ASSERT_EQ(::truncate(t.open.path.c_str(), 4096), 0);
  try {
    t.press('\r');  // would open the edit popup of the first unit
    ADD_FAILURE() << "no IoError";
  } catch (const IoError& error) {
    EXPECT_EQ(error.what(), "\"" + t.open.path + "\": the game file was cut short to 4096 bytes");
  }
  EXPECT_EQ(t.bytes().size(), 4096u);
}

}  // namespace
}  // namespace vorn
