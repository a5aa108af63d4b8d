#include "support/game_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>

#include "model/versions.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "values/value_text.h"

namespace vorn::testing {

std::string tempPath(const std::string& name) {
  static std::atomic<int> counter{0};
  const std::string directory = ::testing::TempDir() + "vorn2-" + std::to_string(::getpid()) + "-" +
                                std::to_string(counter++);
  ::mkdir(directory.c_str(), 0700);
  return directory + "/" + name;
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
