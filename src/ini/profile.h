// The profile: construction and combat values of every unit and structure, matched by
// name so that a profile saved from one release loads into another.
#pragma once

#include "shell/editor.h"

namespace vorn {

void loadProfile(EditorContext& ed);

}  // namespace vorn
