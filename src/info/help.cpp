#include "info/help.h"

namespace vorn {

// Placeholder until the help screens land.
HelpEntry getHelpEntry(int) { return {}; }
void showHelp(EditorContext&) {}

}  // namespace vorn
