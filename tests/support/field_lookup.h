// Test support: finding a field of a data type in the catalogue, putting the cursors of the
// panes on a field, and opening its edit popup, so that tests do not depend on where a
// type happens to sit in a record.
#pragma once

#include <stdexcept>
#include <string>

#include "editing/edit_popup.h"
#include "model/catalogue.h"
#include "screen/main_screen.h"
#include "shell/editor.h"
#include "shell/navigation.h"

namespace vorn::testing {

struct FieldRef {
  int section;
  int field;
};

// The first field of the type, searching from section fromSection on (0 leaves out the
// hidden Movement section, which the section pane never lists).
inline FieldRef firstFieldOfType(int type, int fromSection = kFirstSection) {
  for (int section = fromSection; section <= kLastSection; ++section) {
    const FieldTable& fields = *sectionDef(section).fields;
    for (int field = 0; field < kFieldTableSize; ++field)
      if (fields[field].type == type) return {section, field};
  }
  throw std::logic_error("no field of type " + std::to_string(type));
}

// Puts the cursors of the three main panes on the field, as the moving keys would, and
// leaves the field pane focused.
inline void placeCursors(EditorContext& ed, int section, int item, int field) {
  ed.view().pane(kSectionPane) = PaneState{0, 0, 2, kLastSection};
  ed.view().focus = kSectionPane;
  stepForward(ed, section);
  selectSection(ed);
  ed.view().focus = kItemPane;
  stepForward(ed, item);
  ed.view().focus = kFieldPane;
  stepForward(ed, field);
  redrawScreen(ed);
}

// Opens the edit popup on the selected field as Enter does: the field's list is drawn and
// its cursor put on the current value.
inline void openList(EditorContext& ed) {
  editSelectedField(ed, EditByType);
}

}  // namespace vorn::testing
