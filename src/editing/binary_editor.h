// Bit-by-bit editing of a field's raw bytes in the edit popup.
#pragma once

#include "shell/editor.h"

namespace vorn {

// Prepares the popup for binary editing and returns with it open: from then on the main
// loop moves the bit cursor, and Space flips the selected bit.
void editBinary(EditorContext& ed);
// The old value, the "New value:" label, the binary digits and the bit cursor, as they stand
// (also when the whole screen is drawn again while binary editing).
void drawBinaryEditor(EditorContext& ed);
// The binary digits and the new hexadecimal value.
void drawBinaryValue(EditorContext& ed);
// The two arrows above and below the selected binary digit.
void drawBitCursor(EditorContext& ed);
// Distance in columns of binary digit n from the rightmost digit of the spaced text.
int bitOffset(int n);

}  // namespace vorn
