// vorn2edit: the full-screen editor for the data tables of the Vorn II executable.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_file.h"
#include "platform/cp437.h"
#include "platform/memory_console.h"
#include "platform/terminal_console.h"
#include "screen/identity.h"
#include "screen/main_screen.h"
#include "shell/command_line.h"
#include "shell/startup.h"

namespace {

using vorn::kCp437Fallback;
using vorn::kCp437Unicode;

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Text of the screen, for the normal terminal once the full-screen view is gone.
std::string terminalText(std::string_view cp437, bool utf8) {
  std::string out;
  for (char c : cp437) {
    const auto byte = static_cast<unsigned char>(c);
    if (utf8) {
      appendUtf8(out, kCp437Unicode[byte]);
    } else {
      const vorn::FallbackGlyph glyph = kCp437Fallback[byte];
      out.push_back(glyph.lineDrawing ? (byte == 0xCD || byte == 0xC4 ? '=' : '+') : glyph.ch);
    }
  }
  return out;
}

// The title bar as the editor draws it, taken from an in-memory screen.
std::string titleLine() {
  vorn::MemoryConsole screen;
  vorn::Game game;
  vorn::EditorContext ed{screen, game, {}};
  vorn::drawTitleBar(ed);
  return screen.rowText(1);
}

int runInteractive(const std::vector<std::string>& args) {
  if (!vorn::TerminalConsole::standardStreamsAreTerminals()) {
    std::fprintf(stderr, "vorn2edit: the editor needs a terminal on standard input and output\n");
    return 2;
  }
  vorn::Game game;
  vorn::RunResult result;
  bool utf8 = false;
  try {
    vorn::TerminalConsole console;
    utf8 = vorn::glyphSetForLocale() == vorn::GlyphSet::Unicode;
    result = vorn::runEditor(console, game, args);
  } catch (const vorn::IoError& error) {
    std::fprintf(stderr, "vorn2edit: %s\n", error.what());
    return 1;
  }
  if (!result.errorLine.empty()) std::fprintf(stderr, "%s\n", result.errorLine.c_str());
  if (result.farewell) {
    std::printf("%s\n\n%s\n", terminalText(titleLine(), utf8).c_str(),
                std::string(vorn::kFarewell).c_str());
  }
  return result.status;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    const vorn::CommandLine command = vorn::parseCommandLine(args);
    switch (command.kind) {
      case vorn::CommandKind::Help:
        std::fputs(vorn::helpText().c_str(), stdout);
        return 0;
      case vorn::CommandKind::Version:
        std::printf("vorn2edit %s\n", std::string(vorn::editorVersion).c_str());
        return 0;
      case vorn::CommandKind::Usage:
        std::fprintf(stderr, "vorn2edit: %s\n%s", command.error.c_str(), vorn::usageText().c_str());
        return 2;
      case vorn::CommandKind::Edit:
        return runInteractive(command.operands);
      default:
        return vorn::runCommand(command);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vorn2edit: %s\n", error.what());
    return 1;
  }
}
