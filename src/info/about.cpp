#include "info/about.h"

namespace vorn {

// Placeholder until the information screens land.
void showVersionInfo(EditorContext&) {}
void showAbout(EditorContext&) {}

}  // namespace vorn
