#include "ini/export.h"

namespace vorn {

// Placeholder until the rules dump and the profile land.
void exportToIni(EditorContext&, ExportMode) {}

}  // namespace vorn
