// The console on a real terminal, through ncursesw. It owns the terminal from construction
// to destruction: the constructor switches it to full-screen key-by-key mode, the destructor
// (and SIGINT, SIGTERM and SIGHUP) restore it.
//
// The 80 x 25 cells are kept in a shadow copy, so the console repaints the screen by itself
// when the window changes size; a window smaller than 80 x 25 shows a request to enlarge it
// instead, and keys typed meanwhile are dropped, since the user cannot see what they would do.
// On a larger window the screen stands at the top-left.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

#include "platform/console.h"
#include "platform/cp437.h"
#include "platform/key_translation.h"

struct screen;

namespace vorn {

class TerminalConsole : public Console {
 public:
  // Throws IoError when the terminal cannot be set up (unknown TERM, no terminal).
  TerminalConsole();
  ~TerminalConsole() override;
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

  // True when standard input and standard output are both terminals; the program refuses
  // to run otherwise.
  static bool standardStreamsAreTerminals();

  void moveTo(int column, int row) override;
  void setForeground(int colour) override { foreground_ = colour & 15; }
  void setBackground(int colour) override { background_ = colour & 7; }
  void clearScreen() override;
  void writeChar(std::uint8_t ch) override;
  void writeLineEnd() override;
  bool keyAvailable() override;
  // Blocks until a key byte arrives. Throws IoError when the terminal cannot be read.
  std::uint8_t readKey() override;

  // How foreground and background colours reach the terminal.
  enum class ColourMode { Sixteen, EightWithBold, Monochrome };

 private:
  struct ShadowCell {
    std::uint8_t ch = ' ';
    std::uint8_t foreground = 7;
    std::uint8_t background = 0;
  };

  void setUpColours();
  void drawCell(int column, int row);
  void repaint();
  void checkSize();
  void showEnlargeRequest();
  void present();
  std::optional<TerminalInput> readInput(bool wait);
  void fetchKeys(bool wait);

  ::screen* screen_ = nullptr;
  std::array<std::array<ShadowCell, kScreenColumns>, kScreenRows> cells_{};
  std::deque<std::uint8_t> keys_;
  int column_ = 1;
  int row_ = 1;
  int foreground_ = 7;
  int background_ = 0;
  GlyphSet glyphs_ = GlyphSet::Fallback;
  ColourMode colourMode_ = ColourMode::Monochrome;
  bool tooSmall_ = false;
};

// Makes SIGINT, SIGTERM and SIGHUP restore the terminal (endwin) and then end the program
// with the signal's default action. The TerminalConsole constructor calls it.
void installTerminalSignalHandlers();
// Puts back the handlers that were in place before; the destructor calls it.
void removeTerminalSignalHandlers();

}  // namespace vorn
