// Help for the selected field, and the key help screen.
#pragma once

#include <array>
#include <string_view>

#include "shell/editor.h"

namespace vorn {

struct HelpEntry {
  std::array<std::string_view, 8> lines;
};

// index -1..41
HelpEntry getHelpEntry(int index);
void showHelp(EditorContext& ed);

}  // namespace vorn
