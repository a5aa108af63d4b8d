// The six known releases of VORN2.EXE: where each keeps its tables and how it is
// recognised by the file name stored inside it.
#include "model/versions.h"

#include <algorithm>

#include "model/catalogue.h"
#include "model/game.h"
#include "model/game_file.h"
#include "values/value_names.h"

namespace vorn {
namespace {

// Section tables in section order -1..7: Movement, Units, Structures, Houses, Terrain,
// Actions, Voices, Music, Files.
constexpr std::array<GameVersion, kVersionCount> kVersions = {{
    {"DEMO",
     "Demo version",
     {"This version is the automatically playing demo",
      "Rolling demo published on magazine cover discs.", "Editing it is probably not very useful.",
      "", "", "", "", ""},
     0x36FFE,
     0x324D90F0,
     0x4A00,
     {{{0x3A530, 6, nullptr},
       {0x31470, 27, nullptr},
       {0x30CFA, 19, nullptr},
       {0x3A14A, 6, nullptr},
       {0x3A38C, 15, nullptr},
       {0x32BCE, 14, nullptr},
       {0x377D4, 131, nullptr},
       {0x37AEC, 8, &demoMusicNames},
       {0x32C80, 189, nullptr}}},
     &graphicsNames354},
    {"DEMO-CD",
     "Demo version from the Marrowdeep CD",
     {"This version has no ingame demo, but just loops", "the game intro. Because of this, all the",
      "undoubtedly magnificent edits you're planning", "to make have no significance at all.", "",
      "Go do something more productive.", "", ""},
     0x37BF0,
     0x33BB7810,
     0x4C00,
     {{{0x3C41E, 6, nullptr},
       {0x30450, 27, nullptr},
       {0x2FD2A, 19, nullptr},
       {0x3C034, 6, nullptr},
       {0x3C27A, 15, nullptr},
       {0x31CEE, 14, nullptr},
       {0x3954A, 131, nullptr},
       {0x3985C, 38, nullptr},
       {0x31DA0, 677, nullptr}}},
     &graphicsNames355},
    {"1.00",
     "United States v1.00",
     {"The original English-only US release of Vorn II.", "", "", "", "", "", "", ""},
     0x37FA2,
     0x332B8110,
     0x4C00,
     {{{0x3B66A, 6, nullptr},
       {0x30750, 27, nullptr},
       {0x2FFDA, 19, nullptr},
       {0x3B284, 6, nullptr},
       {0x3B4C6, 15, nullptr},
       {0x31CFE, 14, nullptr},
       {0x386B8, 132, nullptr},
       {0x389D0, 38, nullptr},
       {0x31DB0, 568, nullptr}}},
     &graphicsNames354},
    {"1.07-US",
     "United States v1.07",
     {"The updated version of the English-only US",
      "release of Vorn II. It fixes a number of bugs,",
      "like the fact the Starport countdown could get", "stuck on \"T-minus 0\".", "", "", "", ""},
     0x37BB2,
     0x32EC8500,
     0x4C00,
     {{{0x3B146, 6, nullptr},
       {0x2FCB0, 27, nullptr},
       {0x2F58A, 19, nullptr},
       {0x3AD5C, 6, nullptr},
       {0x3AFA2, 15, nullptr},
       {0x3154E, 14, nullptr},
       {0x382C8, 131, nullptr},
       {0x385E0, 38, nullptr},
       {0x31600, 606, nullptr}}},
     &graphicsNames355},
    {"1.07-EU",
     "European v1.07",
     {"The European release of Vorn II, with three", "languages: English, French and German.",
      "It has all the bug fixes of the US 1.07 version.", "", "", "", "", ""},
     0x38132,
     0x33447F80,
     0x4C00,
     {{{0x3BC62, 6, nullptr},
       {0x2FD00, 27, nullptr},
       {0x2F5DA, 19, nullptr},
       {0x3B878, 6, nullptr},
       {0x3BABE, 15, nullptr},
       {0x3159E, 14, nullptr},
       {0x38DDA, 131, nullptr},
       {0x390EC, 38, nullptr},
       {0x31650, 676, nullptr}}},
     &graphicsNames355},
    {"1.07-TB",
     "Tallowby v1.07",
     {"An alternate release of the European 3-language",
      "version, with three languages: English, French",
      "and German. It has all the bug fixes of the", "US 1.07 version.",
      "It is unknown if this is a later or earlier", "version than the other EU one, but this one",
      "misses the specific German font for the sidebar.", ""},
     0x380D2,
     0x333E7FE0,
     0x4C00,
     {{{0x3BBF6, 6, nullptr},
       {0x2FCB0, 27, nullptr},
       {0x2F58A, 19, nullptr},
       {0x3B80C, 6, nullptr},
       {0x3BA52, 15, nullptr},
       {0x3154E, 14, nullptr},
       {0x38D7A, 131, nullptr},
       {0x3908C, 38, nullptr},
       {0x31600, 675, nullptr}}},
     &graphicsNames355},
}};

static_assert([] {
  for (const GameVersion& version : kVersions) {
    if (version.key.size() > 7 || version.name.size() > 55) return false;
    for (std::string_view line : version.descriptionLines)
      if (line.size() > 48) return false;
  }
  return true;
}());

// Only the letters a..z are folded; every other byte is compared as it is.
std::string upperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}

}  // namespace

const std::array<GameVersion, kVersionCount>& versionCatalogue() {
  return kVersions;
}

int identifyVersion(const GameFile& file, std::string_view fileName) {
  const std::string wanted = upperCase(fileName);
  for (int i = 0; i < kVersionCount; ++i) {
    if (upperCase(file.readZeroTerminatedString(kVersions[i].identOffset)) == wanted) return i;
  }
  return -1;
}

std::uint32_t requiredFileSize(const GameVersion& version) {
  std::uint32_t size =
      version.identOffset + static_cast<std::uint32_t>(kDefaultGameFileName.size()) + 1;
  for (int section = kFirstSection; section <= kLastSection; ++section) {
    const SectionTable& table = version.table(section);
    const std::uint32_t end =
        table.tableOffset + static_cast<std::uint32_t>(table.itemCount) *
                                static_cast<std::uint32_t>(recordSize(section));
    size = std::max(size, end);
  }
  return size;
}

}  // namespace vorn
