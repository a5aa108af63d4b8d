#include "support/game_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "model/versions.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "values/value_text.h"

namespace vorn::testing {

namespace {

// The directories made by tempPath, removed with everything in them when the tests end.
struct TemporaryDirectories {
  TemporaryDirectories() = default;
  TemporaryDirectories(const TemporaryDirectories&) = delete;
  TemporaryDirectories& operator=(const TemporaryDirectories&) = delete;
  ~TemporaryDirectories() {
    for (const std::string& directory : made) {
      std::error_code ignored;
      std::filesystem::permissions(directory, std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
      std::filesystem::remove_all(directory, ignored);
    }
  }
  std::vector<std::string> made;
};

}  // namespace

// Each path lies in a directory of its own, made fresh, so that nothing a test (or an earlier
// run whose process id came round again) left behind can be seen by another.
std::string tempPath(const std::string& name) {
  static TemporaryDirectories directories;
  std::string pattern = ::testing::TempDir() + "vorn2-" + std::to_string(::getpid()) + "-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make " + pattern);
  directories.made.push_back(pattern);
  return pattern + "/" + name;
}

OpenGame::OpenGame(const builder::GameImage& image, const std::string& name)
    : path(tempPath(name)) {
  image.writeTo(path);
  if (!game.file.open(path)) throw std::runtime_error("cannot open " + path);
  game.versionIndex = image.versionIndex();
  game.file.setRequiredSize(requiredFileSize(game.version()));
}

TestEditor::TestEditor(const builder::GameImage& image, const std::string& name)
    : open(image, name), ed{console, open.game, {}} {
  ed.state.gameFileName = upperCase(name);
  ed.state.gameFilePath = open.path;
  initEditorState(ed);
}

void TestEditor::press(std::uint8_t plainKey) {
  console.pushKey(plainKey);
  handleKey(ed);
}

void TestEditor::pressExtended(std::uint8_t scanCode) {
  console.pushExtended(scanCode);
  handleKey(ed);
}

}  // namespace vorn::testing
