#include "ini/profile.h"

namespace vorn {

// Placeholder until the profile lands.
void loadProfile(EditorContext&) {}

}  // namespace vorn
