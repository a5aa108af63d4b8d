// The editor's identity texts: the title bar, the help and about screens and the first
// lines of both INI files show them.
#pragma once

#include <string_view>

namespace vorn {

inline constexpr std::string_view editorTitle = "Vorn II Editor";
inline constexpr std::string_view editorVersion = VORN_VERSION_TEXT;
inline constexpr std::string_view editorAuthor = "Brannick";

static_assert(editorVersion.size() <= 15, "the version text has at most 15 characters");

}  // namespace vorn
