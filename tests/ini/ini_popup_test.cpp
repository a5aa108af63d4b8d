// F10, F7 and F8 on the in-memory console: the popups, the files beside the game file, and
// what a failed write leaves behind.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>

#include "builder/game_file_builder.h"
#include "ini/ini_text.h"
#include "ini/profile.h"
#include "ini/rules_dump.h"
#include "model/catalogue.h"
#include "model/game_file.h"
#include "platform/memory_console.h"
#include "shell/keys.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "support/game_fixture.h"
#include "support/unprivileged.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::TestEditor;

std::string directoryOf(const std::string& path) {
  return path.substr(0, path.rfind('/') + 1);
}

std::string contentsOf(const std::string& path) {
  const auto bytes = builder::readWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> screenRows(const MemoryConsole& console) {
  std::vector<std::string> rows;
  for (int row = 1; row <= kScreenRows; ++row) rows.push_back(console.rowText(row));
  return rows;
}

GameImage namedImage() {
  GameImage image(3);
  image.nameAllItems();
  image.setField(kUnits, 0, 24, 1234);  // Cost
  return image;
}

// The popup stays on the screen because its closing key is not given.
void pressLeavingPopupOpen(TestEditor& t, std::uint8_t scanCode) {
  EXPECT_THROW(t.pressExtended(scanCode), KeyQueueEmpty);
}

using testing::asUnprivilegedUser;
using testing::giveToUnprivilegedUser;

TEST(IniPopup, F10ShowsThePathWritesTheDumpAndAKeyRedraws) {
  TestEditor t(namedImage());
  const std::string path = directoryOf(t.open.path) + "rules-1.07-US.ini";
  pressLeavingPopupOpen(t, key::F10);
  SCOPED_TRACE(t.console.screenDump());
  EXPECT_EQ(t.console.text(10, 10, 2), "\xC9\xCD");
  EXPECT_EQ(t.console.text(12, 10, 17), "[GAME INFO DUMP]\xCD");
  EXPECT_EQ(t.console.text(12, 12, 24), "Dumping information to: ");
  EXPECT_EQ(t.console.text(12, 13, 59),
            shortenPath(path) + std::string(59 - shortenPath(path).size(), ' '));
  EXPECT_EQ(t.console.text(12, 14, 6), "Done. ");
  EXPECT_EQ(t.console.text(71, 16, 1), "\xBC");
  EXPECT_EQ(contentsOf(path), rulesDumpText(t.open.game));

  // With its key the popup closes onto the main screen as it was.
  TestEditor u(namedImage());
  const auto before = screenRows(u.console);
  u.console.pushExtended(key::F10);
  u.console.pushKey('q');
  handleKey(u.ed);
  EXPECT_EQ(screenRows(u.console), before) << u.console.screenDump();
  EXPECT_EQ(u.console.pendingKeys(), 0u);
  EXPECT_EQ(u.bytes(), namedImage().bytes());
}

TEST(IniPopup, ResearchModeGivesTheSameFilesAndStaysOn) {
  TestEditor t(namedImage());
  const std::string dump = directoryOf(t.open.path) + "rules-1.07-US.ini";
  const std::string profile = directoryOf(t.open.path) + "profile.ini";
  t.console.pushExtended(key::F10);
  t.console.pushKey(' ');
  handleKey(t.ed);
  t.console.pushKey('s');
  t.console.pushKey(' ');
  handleKey(t.ed);
  const std::string plainDump = contentsOf(dump);
  const std::string plainProfile = contentsOf(profile);
  EXPECT_EQ(plainProfile, profileText(t.open.game));

  t.press('r');
  t.pressExtended(key::Right);
  t.pressExtended(key::Right);
  t.pressExtended(key::Down);
  t.pressExtended(key::Down);
  t.pressExtended(key::Down);
  t.pressExtended(key::Down);  // a flag field: the research texts differ most
  const auto before = screenRows(t.console);
  t.console.pushKey('n');
  t.console.pushKey(' ');
  handleKey(t.ed);
  t.console.pushExtended(key::F7);
  t.console.pushKey(' ');
  handleKey(t.ed);
  EXPECT_TRUE(t.ed.view().researchMode);
  EXPECT_EQ(contentsOf(dump), plainDump);
  EXPECT_EQ(contentsOf(profile), plainProfile);
  EXPECT_EQ(screenRows(t.console), before) << t.console.screenDump();
}

TEST(IniPopup, F8ReportsAMissingProfileAndLoadsAPresentOne) {
  TestEditor t(namedImage());
  pressLeavingPopupOpen(t, key::F8);
  EXPECT_EQ(t.console.text(12, 10, 16), "[GAME INFO LOAD]");
  EXPECT_EQ(t.console.text(12, 12, 25), "Loading information from:");
  const std::string shown = shortenPath(directoryOf(t.open.path) + "profile.ini");
  EXPECT_EQ(t.console.text(12, 13, 59), shown + std::string(59 - shown.size(), ' '));
  EXPECT_EQ(t.console.text(12, 14, 40), "Failed: file \"profile.ini\" not found.   ");
  EXPECT_EQ(t.bytes(), namedImage().bytes());

  TestEditor u(namedImage());
  u.press('r');
  for (int i = 0; i < 2; ++i) u.pressExtended(key::Right);
  for (int i = 0; i < 24; ++i) u.pressExtended(key::Down);  // Cost, compared in the item pane
  ASSERT_EQ(u.ed.selectedField(), 24);
  EXPECT_EQ(u.console.text(4, 9, 17), "Units 0      04D2");
  std::ofstream(directoryOf(u.open.path) + "profile.ini", std::ios::binary)
      << "[Construct]\r\nUnits 0=$BEEF\r\nNobody=1\r\n";
  u.console.pushKey('l');
  u.console.pushKey(' ');
  handleKey(u.ed);
  EXPECT_EQ(readField(u.open.game, kUnits, 0, 24), 0xBEEFu);
  EXPECT_EQ(u.console.text(4, 9, 17), "Units 0      BEEF") << u.console.screenDump();

  TestEditor v(namedImage());
  std::ofstream(directoryOf(v.open.path) + "profile.ini", std::ios::binary) << "nothing usable";
  pressLeavingPopupOpen(v, key::F8);
  EXPECT_EQ(v.console.text(12, 14, 8), "Done.   ");
}

// A failed write ends the command with IoError before "Done.": the file that was there and
// the game file stay as they were, and research mode comes back.
TEST(IniPopup, AFailedWriteLeavesEveryFileAsItWas) {
  for (const std::uint8_t scanCode : {key::F10, key::F7}) {
    SCOPED_TRACE(scanCode == key::F10 ? "F10" : "F7");
    TestEditor t(namedImage());
    const std::string name = scanCode == key::F10 ? "rules-1.07-US.ini" : "profile.ini";
    ASSERT_EQ(::symlink("/dev/full", (directoryOf(t.open.path) + name).c_str()), 0);
    t.press('r');
    const auto image = t.bytes();
    EXPECT_THROW(t.pressExtended(scanCode), IoError);
    EXPECT_EQ(t.console.text(12, 14, 5), "     ");
    EXPECT_TRUE(t.ed.view().researchMode);
    EXPECT_EQ(t.bytes(), image);
    struct stat info {};
    ASSERT_EQ(::lstat((directoryOf(t.open.path) + name).c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
  }

  // An old dump next to a disk that fills half-way: a file size limit plays the full disk.
  TestEditor t(namedImage());
  const std::string dump = directoryOf(t.open.path) + "rules-1.07-US.ini";
  std::ofstream(dump, std::ios::binary) << "previous dump";
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 8192;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool thrown = false;
  try {
    t.pressExtended(key::F10);
  } catch (const IoError&) {
    thrown = true;
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(thrown);
  EXPECT_EQ(contentsOf(dump), "previous dump");
  EXPECT_EQ(t.bytes(), namedImage().bytes());
}

// F10 beside a game file in a directory that may not be written: the error names the dump,
// "Done." is not shown, and the old dump and the game file stay as they were.
TEST(IniPopup, F10IntoAReadOnlyDirectoryKeepsTheOldDump) {
  TestEditor t(namedImage());
  const std::string directory = directoryOf(t.open.path);
  const std::string dump = directory + "rules-1.07-US.ini";
  std::ofstream(dump, std::ios::binary) << "previous dump";
  giveToUnprivilegedUser(dump);
  giveToUnprivilegedUser(directory);
  ASSERT_EQ(::chmod(directory.c_str(), 0500), 0);
  const std::string outcome = asUnprivilegedUser([&]() -> std::string {
    // The old dump is reachable: a failure comes from the directory, not from the way to it.
    if (::access(dump.c_str(), R_OK) != 0) return "the old dump cannot be read";
    try {
      t.pressExtended(key::F10);
    } catch (const IoError& error) {
      return std::string(error.what()) + " | status row: '" + t.console.text(12, 14, 5) + "'";
    }
    return "no IoError";
  });
  ::chmod(directory.c_str(), 0700);
  EXPECT_EQ(outcome,
            "\"" + dump + "\": create: " + std::strerror(EACCES) + " | status row: '     '");
  EXPECT_EQ(contentsOf(dump), "previous dump");
  EXPECT_EQ(t.bytes(), namedImage().bytes());
}

// The files are placed beside a game file whose path is far longer than 255 characters.
TEST(IniPopup, ALongGameFilePathIsNotCut) {
  std::string directory = testing::tempPath("deep");
  ASSERT_EQ(::mkdir(directory.c_str(), 0700), 0);
  for (int level = 0; level < 5; ++level) {
    directory += "/" + std::string(60, static_cast<char>('a' + level));
    ASSERT_EQ(::mkdir(directory.c_str(), 0700), 0);
  }
  const std::string gamePath = directory + "/VORN2.EXE";
  ASSERT_GT(gamePath.size(), 300u);
  namedImage().writeTo(gamePath);
  MemoryConsole console;
  Game game;
  ASSERT_TRUE(game.file.open(gamePath));
  game.versionIndex = 3;
  EditorContext ed{console, game, {}};
  ed.state.gameFileName = "VORN2.EXE";
  ed.state.gameFilePath = gamePath;
  initEditorState(ed);

  console.pushExtended(key::F10);
  console.pushKey(' ');
  handleKey(ed);
  EXPECT_EQ(contentsOf(directory + "/rules-1.07-US.ini"), rulesDumpText(game));

  console.pushExtended(key::F7);
  EXPECT_THROW(handleKey(ed), KeyQueueEmpty);
  EXPECT_EQ(console.text(12, 13, 58), shortenPath(directory + "/profile.ini"));
  EXPECT_EQ(console.text(39, 13, 3), "...");
  EXPECT_EQ(contentsOf(directory + "/profile.ini"), profileText(game));
}

}  // namespace
}  // namespace vorn
