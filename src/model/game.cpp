#include "model/game.h"

namespace vorn {

std::int64_t referenceToOffset(const Game& game, std::uint32_t reference) {
  const std::uint32_t base = game.version().referenceBase;
  std::int64_t offset = -1;
  if (reference >= base) {
    offset = reference - base;
  } else if (reference == 0) {
    offset = 0;
  }
  if (offset < 0 || static_cast<std::uint64_t>(offset) >= game.file.size()) return -1;
  return offset;
}

std::uint32_t offsetToReference(const Game& game, std::int64_t offset) {
  if (offset < 0 || offset > static_cast<std::int64_t>(game.file.size())) return 0xFFFFFFFFu;
  if (offset == 0) return 0;
  return game.version().referenceBase + static_cast<std::uint32_t>(offset);
}

std::string referenceText(const Game& game, std::uint32_t reference) {
  if (reference == 0) return "<no reference>";
  const std::int64_t offset = referenceToOffset(game, reference);
  if (offset < 0) return "<invalid ref>";
  return game.file.readZeroTerminatedString(static_cast<std::uint32_t>(offset));
}

int fieldWidth(int section, int field) {
  if (field < 0 || field >= kFieldTableSize) return 0;
  return typeWidth((*sectionDef(section).fields)[field].type);
}

int fieldStart(int section, int n) {
  return fieldStartInRecord(section, n);
}

int recordSize(int section) {
  return fieldStart(section, lastFieldIndex(section) + 1);
}

std::uint32_t fieldAddress(const Game& game, int section, int item, int field) {
  const std::uint32_t table = game.version().table(section).tableOffset;
  return table +
         static_cast<std::uint32_t>(item) * static_cast<std::uint32_t>(recordSize(section)) +
         static_cast<std::uint32_t>(fieldStart(section, field));
}

std::uint32_t readField(const Game& game, int section, int item, int field) {
  return game.file.readLittleEndian(fieldAddress(game, section, item, field),
                                    fieldWidth(section, field));
}

std::int32_t readFieldSigned(const Game& game, int section, int item, int field) {
  return game.file.readSignedLittleEndian(fieldAddress(game, section, item, field),
                                          fieldWidth(section, field));
}

std::uint32_t readFieldBytes(const Game& game, int section, int item, int field, int count) {
  return game.file.readLittleEndian(fieldAddress(game, section, item, field), count);
}

std::int64_t fieldReferenceOffset(const Game& game, int section, int item, int field) {
  return referenceToOffset(game, readFieldBytes(game, section, item, field, 4));
}

std::string fieldReferenceText(const Game& game, int section, int item, int field) {
  return referenceText(game, readFieldBytes(game, section, item, field, 4));
}

std::string fieldHexText(const Game& game, int section, int item, int field, bool spaced) {
  const int width = fieldWidth(section, field);
  return hexText(width, readField(game, section, item, field), spaced);
}

std::string fieldBinaryText(const Game& game, int section, int item, int field, bool spaced) {
  const int width = fieldWidth(section, field);
  return binaryText(width, readField(game, section, item, field), spaced);
}

}  // namespace vorn
