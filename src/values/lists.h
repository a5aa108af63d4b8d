// The selection lists of the edit popup: built by data type, drawn in the popup pane,
// preselected on the current value and written back on Space or Enter.
#pragma once

#include <string>

#include "shell/editor.h"
#include "values/value_names.h"

namespace vorn {

// Fills listNames for the selected field and draws it (the popup pane's drawing routine);
// while binary editing, rewrites the binary editor's value lines instead.
void buildList(EditorContext& ed);
void drawList(EditorContext& ed);
// Moves the list cursor onto the field's current value after the list was first drawn.
void preselectList(EditorContext& ed);
void confirmList(EditorContext& ed);
void closePopup(EditorContext& ed);

// A list entry as drawn: cut so that it stays inside the popup pane's blanked width.
std::string listEntryText(const std::string& entry);

// The list builders fill listNames and the popup pane's lastIndex for the selected field.
void buildValueList(EditorContext& ed, ValueTable table);
// target: the section whose items the field refers to; withNone puts "None" (-1) first.
void buildItemList(EditorContext& ed, int target, bool withNone);
void buildGraphicsList(EditorContext& ed);
void buildPakList(EditorContext& ed);
void buildBitList(EditorContext& ed, int bit);

// Each moves the list cursor (popup pane focused) onto the current value, then draws.
// offset: the number of entries in front of item 0 (1 when the list starts with None).
void preselectItem(EditorContext& ed, int offset);
void preselectBit(EditorContext& ed, int bit);
void preselectValue(EditorContext& ed, ValueTable table);

// Each writes the chosen entry into the selected field, then closes the popup.
void writeItemChoice(EditorContext& ed, int offset);
void writeTableChoice(EditorContext& ed, ValueTable table);
void writeBitChoice(EditorContext& ed, int bit);
// Sets or clears one bit of the byte at the selected field's address, keeping the others.
void writeBit(EditorContext& ed, int bit, bool set);

}  // namespace vorn
