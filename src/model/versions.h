// The six known releases of the game executable and their identification.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorn {

class GameFile;

// Item names by item index for the sections without a name field; an empty text means
// the item has no name.
struct NameList {
  std::array<std::string_view, 38> names;
};

// Names of the graphics (shape) numbers 0..354, each padded to 19 characters.
struct GraphicsNameList {
  std::array<std::string_view, 355> names;
};

struct SectionTable {
  std::uint32_t tableOffset;
  std::int32_t itemCount;
  const NameList* namesOverride;  // replaces the section's fixed names when set
};

inline constexpr int kSectionCount = 9;  // sections -1..7
inline constexpr int kFirstSection = -1;
inline constexpr int kLastSection = 7;

struct GameVersion {
  std::string_view key;
  std::string_view name;
  std::array<std::string_view, 8> descriptionLines;  // lines 1..8 at indices 0..7
  std::uint32_t identOffset;
  std::uint32_t referenceBase;
  std::uint32_t loadImageOffset;
  std::array<SectionTable, kSectionCount> sectionTables;  // index section + 1
  const GraphicsNameList* graphicsNames;

  const SectionTable& table(int section) const { return sectionTables[section + 1]; }
};

inline constexpr int kVersionCount = 6;
const std::array<GameVersion, kVersionCount>& versionCatalogue();

inline constexpr std::string_view kDefaultGameFileName = "VORN2.EXE";

// Index 0..5 of the first entry whose identification string equals fileName (letters a..z
// compared as upper case), or -1.
int identifyVersion(const GameFile& file, std::string_view fileName);

// The smallest file size that holds the identification string and every table.
std::uint32_t requiredFileSize(const GameVersion& version);

}  // namespace vorn
