// Bit-by-bit editing of a field's raw bytes in the edit popup.
#pragma once

#include "shell/editor.h"

namespace vorn {

void editBinary(EditorContext& ed);
void drawBinaryValue(EditorContext& ed);
void drawBitCursor(EditorContext& ed);
// Distance in columns of binary digit n from the rightmost digit of the spaced text.
int bitOffset(int n);

}  // namespace vorn
