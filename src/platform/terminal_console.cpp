#include "platform/terminal_console.h"

#include <curses.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "model/game_file.h"

namespace vorn {

namespace {

constexpr const char* kEnlargeRequest = "Please enlarge the terminal to at least 80x25";
constexpr int kEscapeDelayMilliseconds = 25;
// Inputs collected after an Escape: enough for any escape sequence and an Alt key.
constexpr std::size_t kMaxEscapeInputs = 64;

// curses colour numbers of the DOS colours 0..7 (DOS counts blue as 1, curses as 4).
constexpr short kCursesColour[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

short brightCursesColour(int colour) {
  return static_cast<short>(kCursesColour[colour & 7] + (colour >= 8 ? 8 : 0));
}

// Pair numbers: with 16 colours one pair for every foreground 0..15 on every background 0..7;
// with 8 colours one for every base colour on every other base colour (pair 0 is the
// terminal's own and cannot be set).
short sixteenColourPair(int foreground, int background) {
  return static_cast<short>(1 + background * 16 + foreground);
}
short eightColourPair(int base, int background) {
  return static_cast<short>(1 + background * 8 + base);
}

struct CellStyle {
  attr_t attributes;
  short pair;
};

CellStyle cellStyle(int foreground, int background, TerminalConsole::ColourMode mode) {
  switch (mode) {
    case TerminalConsole::ColourMode::Sixteen:
      return {A_NORMAL, sixteenColourPair(foreground, background)};
    case TerminalConsole::ColourMode::EightWithBold: {
      // Bright foregrounds are their base colour in bold. A foreground whose base colour is
      // the background (yellow on brown, dark grey on black) would vanish on a terminal that
      // does not brighten bold text, so it is shown light grey (black on light grey).
      int base = foreground & 7;
      if (base == background) base = background == 7 ? 0 : 7;
      return {foreground >= 8 ? A_BOLD : A_NORMAL, eightColourPair(base, background)};
    }
    case TerminalConsole::ColourMode::Monochrome:
      break;
  }
  // Without colours the cursor rows (red or another light background) stand out in reverse
  // video; blue and black backgrounds are the normal text.
  attr_t attributes = foreground >= 8 ? A_BOLD : A_NORMAL;
  if (background > 1) attributes |= A_REVERSE;
  return {attributes, 0};
}

constexpr int kHandledSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previousHandlers[std::size(kHandledSignals)];
bool handlersInstalled = false;

// Only the minimum: give the terminal back, then die of the signal as if it had no handler
// (SA_RESETHAND has already put the default action back).
void restoreTerminalAndReraise(int signalNumber) {
  endwin();
  raise(signalNumber);
}

}  // namespace

void installTerminalSignalHandlers() {
  if (handlersInstalled) return;
  struct sigaction action {};
  action.sa_handler = restoreTerminalAndReraise;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  for (std::size_t i = 0; i < std::size(kHandledSignals); ++i) {
    sigaction(kHandledSignals[i], &action, &previousHandlers[i]);
  }
  handlersInstalled = true;
}

void removeTerminalSignalHandlers() {
  if (!handlersInstalled) return;
  for (std::size_t i = 0; i < std::size(kHandledSignals); ++i) {
    sigaction(kHandledSignals[i], &previousHandlers[i], nullptr);
  }
  handlersInstalled = false;
}

bool TerminalConsole::standardStreamsAreTerminals() {
  return isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
}

TerminalConsole::TerminalConsole() {
  // ncursesw needs the user's character set; numbers keep the C format everywhere else in the
  // program (the rules dump and the profile are written with it).
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  glyphs_ = glyphSetForLocale();

  screen_ = newterm(nullptr, stdout, stdin);
  if (screen_ == nullptr) {
    const char* term = std::getenv("TERM");
    throw IoError(std::string("terminal: cannot drive terminal type \"") +
                  (term != nullptr ? term : "") + "\"");
  }
  set_term(screen_);
  cbreak();
  noecho();
  nonl();
  intrflush(stdscr, FALSE);
  keypad(stdscr, TRUE);
  scrollok(stdscr, FALSE);
  // A refresh is always finished, in as few writes as the library's buffer allows, instead
  // of being checked for typed-ahead keys between lines: the screen is never left half drawn.
  typeahead(-1);
  set_escdelay(kEscapeDelayMilliseconds);
  curs_set(1);
  setUpColours();
  installTerminalSignalHandlers();
  checkSize();
  present();
}

TerminalConsole::~TerminalConsole() {
  present();
  endwin();
  removeTerminalSignalHandlers();
  delscreen(screen_);
}

void TerminalConsole::setUpColours() {
  colourMode_ = ColourMode::Monochrome;
  if (!has_colors() || start_color() != OK) return;
  if (COLORS >= 16 && COLOR_PAIRS > sixteenColourPair(15, 7)) {
    colourMode_ = ColourMode::Sixteen;
    for (int background = 0; background < 8; ++background) {
      for (int foreground = 0; foreground < 16; ++foreground) {
        init_pair(sixteenColourPair(foreground, background), brightCursesColour(foreground),
                  kCursesColour[background]);
      }
    }
  } else if (COLORS >= 8 && COLOR_PAIRS > eightColourPair(6, 7)) {
    colourMode_ = ColourMode::EightWithBold;
    for (int background = 0; background < 8; ++background) {
      for (int base = 0; base < 8; ++base) {
        if (base == background) continue;
        init_pair(eightColourPair(base, background), kCursesColour[base],
                  kCursesColour[background]);
      }
    }
  }
}

void TerminalConsole::moveTo(int column, int row) {
  column_ = column < 1 ? 1 : column > kScreenColumns ? kScreenColumns : column;
  row_ = row < 1 ? 1 : row > kScreenRows ? kScreenRows : row;
}

void TerminalConsole::clearScreen() {
  for (auto& line : cells_) {
    line.fill(ShadowCell{' ', static_cast<std::uint8_t>(foreground_),
                         static_cast<std::uint8_t>(background_)});
  }
  column_ = 1;
  row_ = 1;
  for (int row = 1; row <= kScreenRows; ++row) {
    for (int column = 1; column <= kScreenColumns; ++column) drawCell(column, row);
  }
}

void TerminalConsole::writeChar(std::uint8_t ch) {
  cells_[row_ - 1][column_ - 1] = ShadowCell{ch, static_cast<std::uint8_t>(foreground_),
                                             static_cast<std::uint8_t>(background_)};
  drawCell(column_, row_);
  // The screen never scrolls: after the bottom-right cell the cursor stays there.
  if (column_ < kScreenColumns) {
    ++column_;
  } else if (row_ < kScreenRows) {
    column_ = 1;
    ++row_;
  }
}

void TerminalConsole::writeLineEnd() {
  column_ = 1;
  if (row_ < kScreenRows) ++row_;
}

bool TerminalConsole::keyAvailable() {
  if (keys_.empty()) fetchKeys(false);
  return !keys_.empty();
}

std::uint8_t TerminalConsole::readKey() {
  while (keys_.empty()) fetchKeys(true);
  const std::uint8_t key = keys_.front();
  keys_.pop_front();
  return key;
}

// Writes one shadow cell to the curses screen (shown at the next refresh). Every byte goes
// out as a glyph: a control byte sent raw would move the terminal's cursor or worse.
void TerminalConsole::drawCell(int column, int row) {
  if (tooSmall_) return;
  const ShadowCell& cell = cells_[row - 1][column - 1];
  const CellStyle style = cellStyle(cell.foreground, cell.background, colourMode_);
  if (glyphs_ == GlyphSet::Unicode) {
    const wchar_t text[2] = {static_cast<wchar_t>(kCp437Unicode[cell.ch]), L'\0'};
    cchar_t wide{};
    setcchar(&wide, text, style.attributes, style.pair, nullptr);
    mvwadd_wch(stdscr, row - 1, column - 1, &wide);
  } else {
    const FallbackGlyph glyph = kCp437Fallback[cell.ch];
    const chtype base =
        glyph.lineDrawing ? NCURSES_ACS(glyph.ch) : static_cast<unsigned char>(glyph.ch);
    mvwaddch(stdscr, row - 1, column - 1, base | style.attributes | COLOR_PAIR(style.pair));
  }
}

void TerminalConsole::repaint() {
  wattrset(stdscr, A_NORMAL);
  werase(stdscr);
  for (int row = 1; row <= kScreenRows; ++row) {
    for (int column = 1; column <= kScreenColumns; ++column) drawCell(column, row);
  }
}

void TerminalConsole::checkSize() {
  int rows = 0;
  int columns = 0;
  getmaxyx(stdscr, rows, columns);
  tooSmall_ = rows < kScreenRows || columns < kScreenColumns;
  // The terminal may have reflowed or lost what it showed: send every cell again.
  clearok(stdscr, TRUE);
  if (tooSmall_) {
    showEnlargeRequest();
  } else {
    repaint();
  }
}

void TerminalConsole::showEnlargeRequest() {
  wattrset(stdscr, A_NORMAL);
  werase(stdscr);
  mvwaddstr(stdscr, 0, 0, kEnlargeRequest);
}

void TerminalConsole::present() {
  if (!tooSmall_) wmove(stdscr, row_ - 1, column_ - 1);
  wrefresh(stdscr);
}

// One get_wch, waiting for it or not. Without wait an empty result means that nothing is
// pending; with wait it only comes after a key.
std::optional<TerminalInput> TerminalConsole::readInput(bool wait) {
  wtimeout(stdscr, wait ? -1 : 0);
  for (;;) {
    wint_t code = 0;
    errno = 0;
    const int result = wget_wch(stdscr, &code);
    if (result == KEY_CODE_YES) return inputKeyCode(static_cast<int>(code));
    if (result == OK) return inputCharacter(static_cast<char32_t>(code));
    if (!wait) return std::nullopt;
    if (errno != EINTR) throw IoError("terminal: input/output error");
  }
}

// Reads the next key from the terminal and queues its bytes. After an Escape everything that
// follows at once is read too, so that escape sequences and Alt keys are told from the Escape
// key. A window resize repaints the screen and is not a key.
void TerminalConsole::fetchKeys(bool wait) {
  present();
  const TerminalInput resize = inputKeyCode(KEY_RESIZE);
  const std::optional<TerminalInput> first = readInput(wait);
  if (!first) return;
  if (*first == resize) {
    checkSize();
    present();
    return;
  }
  std::vector<TerminalInput> inputs{*first};
  if (*first == inputCharacter(0x1B)) {
    while (inputs.size() < kMaxEscapeInputs) {
      const std::optional<TerminalInput> next = readInput(false);
      if (!next) break;
      if (*next == resize) {
        checkSize();
        present();
        break;
      }
      inputs.push_back(*next);
    }
  }
  const std::span<const TerminalInput> pending(inputs);
  for (std::size_t position = 0; position < pending.size();) {
    const KeyTranslation translation = translateKey(pending.subspan(position));
    position += translation.consumed;
    // Keys typed while the window is too small are dropped: their effect could not be seen.
    if (tooSmall_) continue;
    for (std::uint8_t i = 0; i < translation.key.count; ++i) {
      keys_.push_back(translation.key.bytes[i]);
    }
  }
}

}  // namespace vorn
