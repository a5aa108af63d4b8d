#include "shell/main_loop.h"

#include <array>

#include "editing/edit_popup.h"
#include "editing/research.h"
#include "info/about.h"
#include "info/help.h"
#include "ini/export.h"
#include "ini/profile.h"
#include "shell/navigation.h"
#include "values/lists.h"

namespace vorn {

KeyPress readKeyPress(Console& console) {
  std::uint8_t prefix = key::PlainPrefix;
  std::uint8_t code = console.readKey();
  while (console.keyAvailable()) {
    prefix = code;
    code = console.readKey();
  }
  return {code, prefix};
}

namespace {

enum FocusSet : unsigned {
  MainPanes = 0b01110,  // focus 1, 2 or 3
  EditPanes = 0b01100,  // focus 2 or 3
  PopupOnly = 0b10000,  // focus 4
  AnyFocus = 0b11110,
};

using Action = void (*)(EditorContext&);

// A row of the dispatch table: an extended scan code, or a plain key byte, or either.
struct KeyBinding {
  std::uint8_t extended;  // 0: none
  std::uint8_t plain;     // 0: none
};

struct DispatchRow {
  std::array<KeyBinding, 5> keys;
  FocusSet focus;
  Action action;
};

int focusedLastRow(EditorContext& ed) {
  return ed.view().pane(ed.view().focus).lastRow;
}
int focusedLastIndex(EditorContext& ed) {
  return ed.view().pane(ed.view().focus).lastIndex;
}

void quit(EditorContext& ed) {
  ed.state.lastKey = key::Quit;
}

// The rows are tried in order; the first whose key and focus both match runs.
const std::array<DispatchRow, 25> kDispatch{{
    {{{{0, key::Escape}}}, MainPanes, quit},
    {{{{0, key::Escape}, {key::F2, 'b'}, {key::F3, 'x'}, {key::F4, 'd'}, {key::F5, 'D'}}},
     PopupOnly,
     closePopup},
    {{{{0, key::Enter}, {0, key::Space}}},
     EditPanes,
     [](EditorContext& ed) { editSelectedField(ed, EditByType); }},
    {{{{key::F2, 'b'}}}, EditPanes, [](EditorContext& ed) { editSelectedField(ed, EditBinary); }},
    {{{{key::F3, 'x'}}}, EditPanes, [](EditorContext& ed) { editSelectedField(ed, EditHex); }},
    {{{{key::F4, 'd'}}},
     EditPanes,
     [](EditorContext& ed) { editSelectedField(ed, EditDecimalSigned); }},
    {{{{key::F5, 'D'}}},
     EditPanes,
     [](EditorContext& ed) { editSelectedField(ed, EditDecimalUnsigned); }},
    {{{{key::Right, 0}}}, MainPanes, focusNext},
    {{{{key::Right, 0}}}, PopupOnly, [](EditorContext& ed) { moveForward(ed, 1); }},
    {{{{key::Left, 0}}}, MainPanes, focusPrevious},
    {{{{key::Left, 0}}}, PopupOnly, [](EditorContext& ed) { moveBackward(ed, 1); }},
    {{{{key::Down, 0}}}, AnyFocus, [](EditorContext& ed) { moveForward(ed, 1); }},
    {{{{key::Up, 0}}}, AnyFocus, [](EditorContext& ed) { moveBackward(ed, 1); }},
    {{{{key::PageDown, 0}}},
     AnyFocus,
     [](EditorContext& ed) { moveForward(ed, focusedLastRow(ed)); }},
    {{{{key::PageUp, 0}}},
     AnyFocus,
     [](EditorContext& ed) { moveBackward(ed, focusedLastRow(ed)); }},
    {{{{key::End, 0}}}, AnyFocus, [](EditorContext& ed) { moveForward(ed, focusedLastIndex(ed)); }},
    {{{{key::Home, 0}}},
     AnyFocus,
     [](EditorContext& ed) { moveBackward(ed, focusedLastIndex(ed)); }},
    {{{{key::F1, 'h'}}}, MainPanes, showHelp},
    {{{{key::F7, 's'}}},
     MainPanes,
     [](EditorContext& ed) { exportToIni(ed, ExportMode::Profile); }},
    {{{{key::F8, 'l'}}}, MainPanes, loadProfile},
    {{{{key::F9, 'v'}}}, MainPanes, showVersionInfo},
    {{{{key::F10, 'n'}}},
     MainPanes,
     [](EditorContext& ed) { exportToIni(ed, ExportMode::RulesDump); }},
    {{{{key::F11, 'r'}}}, MainPanes, toggleResearchMode},
    {{{{key::F12, 'i'}}}, MainPanes, showAbout},
    {{{{0, key::Space}, {0, key::Enter}}}, PopupOnly, confirmList},
}};

bool matches(const DispatchRow& row, KeyPress press, int focus) {
  if ((row.focus & (1u << focus)) == 0) return false;
  for (const KeyBinding& binding : row.keys) {
    if (press.extended() ? (binding.extended != 0 && binding.extended == press.code)
                         : (binding.plain != 0 && binding.plain == press.code)) {
      return true;
    }
  }
  return false;
}

}  // namespace

void dispatchKey(EditorContext& ed, KeyPress press) {
  ed.state.lastKey = press.code;
  for (const DispatchRow& row : kDispatch) {
    if (matches(row, press, ed.view().focus)) {
      row.action(ed);
      return;
    }
  }
  ed.state.lastKey = 0;
}

void handleKey(EditorContext& ed) {
  const KeyPress press = readKeyPress(ed.console);
  // Whatever the key does, the file must still be the one opened and hold its tables.
  if (ed.game.file.isOpen()) ed.game.file.checkIntact();
  dispatchKey(ed, press);
}

}  // namespace vorn
