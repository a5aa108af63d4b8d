// The export popup that writes the rules dump or the profile beside the game file.
#pragma once

#include <string>
#include <string_view>

#include "shell/editor.h"

namespace vorn {

enum class ExportMode { RulesDump, Profile };

void exportToIni(EditorContext& ed, ExportMode mode);

}  // namespace vorn
