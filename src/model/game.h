// The open game file together with the release it was identified as, and the
// field-level access built on the record layouts.
#pragma once

#include <cstdint>
#include <string>

#include "model/catalogue.h"
#include "model/game_file.h"
#include "model/versions.h"

namespace vorn {

struct Game {
  GameFile file;
  int versionIndex = -1;

  const GameVersion& version() const { return versionCatalogue()[versionIndex]; }
  int itemCount(int section) const { return version().table(section).itemCount; }
};

// String references: a 4-byte value designating a zero-terminated string; 0 means none.
// -1 when the reference designates nothing inside the file.
std::int64_t referenceToOffset(const Game& game, std::uint32_t reference);
// 0xFFFFFFFF when offset is larger than the file size.
std::uint32_t offsetToReference(const Game& game, std::int64_t offset);
std::string referenceText(const Game& game, std::uint32_t reference);

int fieldWidth(int section, int field);
int fieldStart(int section, int n);
int recordSize(int section);
std::uint32_t fieldAddress(const Game& game, int section, int item, int field);

std::uint32_t readField(const Game& game, int section, int item, int field);
std::int32_t readFieldSigned(const Game& game, int section, int item, int field);
std::uint32_t readFieldBytes(const Game& game, int section, int item, int field, int count);
std::int64_t fieldReferenceOffset(const Game& game, int section, int item, int field);
std::string fieldReferenceText(const Game& game, int section, int item, int field);
std::string fieldHexText(const Game& game, int section, int item, int field, bool spaced);
std::string fieldBinaryText(const Game& game, int section, int item, int field, bool spaced);

}  // namespace vorn
