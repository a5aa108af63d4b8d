// Moving the focused pane's cursor and scroll position, and moving the focus between the
// three main panes.
#pragma once

#include "shell/editor.h"

namespace vorn {

void stepForward(EditorContext& ed, int n);
void stepBackward(EditorContext& ed, int n);
void moveForward(EditorContext& ed, int n);
void moveBackward(EditorContext& ed, int n);
void refreshAfterMove(EditorContext& ed, int oldTop, int oldRow);
void focusNext(EditorContext& ed);
void focusPrevious(EditorContext& ed);
void refreshAfterFocusChange(EditorContext& ed, int oldFocus);

}  // namespace vorn
