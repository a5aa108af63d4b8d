#include "editing/binary_editor.h"

namespace vorn {

// Placeholder until the binary editor lands.
void editBinary(EditorContext&) {}
void drawBinaryValue(EditorContext&) {}
void drawBitCursor(EditorContext&) {}
int bitOffset(int n) { return n + (n / 4) + 2 * (n / 8); }

}  // namespace vorn
