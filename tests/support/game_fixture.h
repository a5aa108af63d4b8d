// Test support: a synthetic game file written to a temporary path and opened as the
// editor opens it, and an editor context on the in-memory console.
#pragma once

#include <memory>
#include <string>

#include "builder/game_file_builder.h"
#include "model/game.h"
#include "platform/memory_console.h"
#include "shell/editor.h"

namespace vorn::testing {

// A unique path in the test temporary directory.
std::string tempPath(const std::string& name);

// Writes the image and opens it read-write as an identified game.
struct OpenGame {
  explicit OpenGame(const builder::GameImage& image, const std::string& name = "VORN2.EXE");
  std::string path;
  Game game;
  std::vector<std::uint8_t> bytes() const { return builder::readWholeFile(path); }
};

// An editor on the in-memory console, with its state initialised and the main screen
// drawn, as start-up leaves it.
struct TestEditor {
  explicit TestEditor(const builder::GameImage& image, const std::string& name = "VORN2.EXE");
  MemoryConsole console;
  OpenGame open;
  EditorContext ed;

  // Pushes a plain key or an extended key and runs one main loop step.
  void press(std::uint8_t plainKey);
  void pressExtended(std::uint8_t scanCode);
  std::vector<std::uint8_t> bytes() const { return open.bytes(); }
};

}  // namespace vorn::testing
