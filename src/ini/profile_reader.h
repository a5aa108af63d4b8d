// Reading a profile back: every line whose name matches a unit or structure writes the
// numbers it holds into that item's fields; whatever cannot be used is skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ini/profile.h"
#include "model/game.h"

namespace vorn {

enum class ProfileSkip {
  NoSection,     // a value line before the first section header, or after "[]"
  NoEquals,      // neither a comment, a section header nor a value line
  OtherSection,  // a value line under a section other than Construct and Combat
  UnknownName,   // no unit (nor, under Construct, structure) has that name
};

struct SkippedProfileLine {
  int lineNumber;  // 1-based
  ProfileSkip reason;
};

struct ProfileLoadReport {
  int valuesWritten = 0;
  std::vector<SkippedProfileLine> skipped;
};

// A short English text for a skip reason, for reports outside the editor's screen.
std::string_view skipReasonText(ProfileSkip reason);

// Reads profile text (any bytes) and writes every accepted value into the game file at
// once. Lines end at CR LF, LF or CR; a line keeps at most 255 characters; a Ctrl-Z ends
// the text.
ProfileLoadReport readProfile(Game& game, std::string_view text);

// The same for the file at path; throws IoError when it cannot be read.
ProfileLoadReport readProfileFile(Game& game, const std::string& path);

// The lowest item index of the section whose name equals name with only a..z compared
// without regard to case (the item name is not trimmed); -1 when there is none.
int findItemByName(const Game& game, int section, std::string_view name);

// Writes the numbers of text (words separated by blanks and commas) into the key set's
// fields of the item, in order; a word that is not a number leaves its field unchanged.
// Only the low bytes of a number that does not fit the field are stored. Returns the
// number of fields written.
int applyProfileValues(Game& game, int section, int item, std::string_view text,
                       const ProfileKeySet& keys);

}  // namespace vorn
