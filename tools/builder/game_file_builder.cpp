#include "builder/game_file_builder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "model/catalogue.h"
#include "model/game.h"
#include "model/versions.h"

namespace vorn::builder {

namespace {

const GameVersion& versionAt(int index) {
  return versionCatalogue().at(index);
}

}  // namespace

GameImage::GameImage(int versionIndex) : versionIndex_(versionIndex) {
  const GameVersion& version = versionAt(versionIndex);
  bytes_.assign(requiredFileSize(version), 0);
  const std::string_view ident = kDefaultGameFileName;
  for (std::size_t i = 0; i < ident.size(); ++i) bytes_[version.identOffset + i] = ident[i];
}

std::uint32_t GameImage::addString(std::string_view text) {
  const auto offset = size();
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  bytes_.push_back(0);
  return offset;
}

std::uint32_t GameImage::addStringReference(std::string_view text) {
  return versionAt(versionIndex_).referenceBase + addString(text);
}

std::uint32_t GameImage::addScript(std::initializer_list<std::uint16_t> words) {
  return addScript(std::span<const std::uint16_t>(words.begin(), words.size()));
}

std::uint32_t GameImage::addScript(std::span<const std::uint16_t> words) {
  const std::uint32_t base = versionAt(versionIndex_).loadImageOffset;
  while ((size() - base) % 16 != 0) bytes_.push_back(0);
  const std::uint32_t paragraph = (size() - base) / 16;
  for (std::uint16_t word : words) {
    bytes_.push_back(static_cast<std::uint8_t>(word & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(word >> 8));
  }
  // Padding so that the script never runs into the end of the file.
  bytes_.push_back(0);
  bytes_.push_back(0);
  return paragraph << 16;
}

std::uint32_t GameImage::fieldOffset(int section, int item, int field) const {
  const GameVersion& version = versionAt(versionIndex_);
  return version.table(section).tableOffset +
         static_cast<std::uint32_t>(item * recordSize(section) + fieldStart(section, field));
}

void GameImage::setField(int section, int item, int field, std::uint32_t value) {
  const int type = (*sectionDef(section).fields)[field].type;
  const std::uint32_t offset = fieldOffset(section, item, field);
  if (isBitFlag(type)) {
    const auto mask = static_cast<std::uint8_t>(1u << (type - Bit1));
    bytes_.at(offset) = value != 0 ? (bytes_.at(offset) | mask) : (bytes_.at(offset) & ~mask);
    return;
  }
  setLittleEndian(offset, value, typeWidth(type));
}

std::uint32_t GameImage::field(int section, int item, int field) const {
  const int type = (*sectionDef(section).fields)[field].type;
  const std::uint32_t offset = fieldOffset(section, item, field);
  if (isBitFlag(type)) return (bytes_.at(offset) >> (type - Bit1)) & 1u;
  return littleEndian(offset, typeWidth(type));
}

void GameImage::setName(int section, int item, std::string_view name) {
  const int nameField = sectionDef(section).nameField;
  if (nameField < 0) throw std::invalid_argument("section has no name field");
  setField(section, item, nameField, addStringReference(name));
}

void GameImage::setBytes(std::uint32_t offset, std::span<const std::uint8_t> data) {
  if (offset + data.size() > bytes_.size()) bytes_.resize(offset + data.size(), 0);
  std::copy(data.begin(), data.end(), bytes_.begin() + offset);
}

void GameImage::setLittleEndian(std::uint32_t offset, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i)
    bytes_.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GameImage::littleEndian(std::uint32_t offset, int count) const {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i)
    value |= static_cast<std::uint32_t>(bytes_.at(offset + i)) << (8 * i);
  return value;
}

void GameImage::nameAllItems() {
  for (int section = kFirstSection; section <= kLastSection; ++section) {
    if (sectionDef(section).nameField < 0) continue;
    const int count = versionAt(versionIndex_).table(section).itemCount;
    for (int item = 0; item < count; ++item) {
      setName(section, item, std::string(sectionDef(section).label) + " " + std::to_string(item));
    }
  }
}

void GameImage::writeTo(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes_.data()),
            static_cast<std::streamsize>(bytes_.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::vector<std::uint8_t> readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace vorn::builder
