#include "model/game_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "builder/game_file_builder.h"
#include "model/game.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

std::string writeBytes(const std::vector<std::uint8_t>& bytes) {
  const std::string path = testing::tempPath("bytes.bin");
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

TEST(GameFile, ReadsBytesInsideTheFileAndZeroBeyond) {
  std::vector<std::uint8_t> bytes(1000);
  bytes[999] = 0xAB;
  GameFile file;
  ASSERT_TRUE(file.open(writeBytes(bytes)));
  EXPECT_EQ(file.size(), 1000u);
  EXPECT_EQ(file.readByte(999), 0xAB);
  EXPECT_EQ(file.readByte(1000), 0);
  EXPECT_EQ(file.readByte(5000), 0);
  // A value that runs over the end reads zeros for the missing bytes.
  EXPECT_EQ(file.readLittleEndian(999, 2), 0xABu);
}

TEST(GameFile, CountsAreClampedToOneAndFour) {
  GameFile file;
  ASSERT_TRUE(file.open(writeBytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07})));
  EXPECT_EQ(file.readLittleEndian(0, 0), 0x01u);
  EXPECT_EQ(file.readLittleEndian(0, 7), 0x04030201u);
  EXPECT_EQ(file.readSignedLittleEndian(0, 0), 1);
}

TEST(GameFile, WritesOnlyTheCountedBytesAndReadsThemBack) {
  GameFile file;
  const std::string path = writeBytes({0, 0, 0, 0, 0});
  ASSERT_TRUE(file.open(path));
  file.writeLittleEndian(1, 0x12345678, 2);
  EXPECT_EQ(file.readLittleEndian(1, 4), 0x5678u);
  EXPECT_EQ(builder::readWholeFile(path), (std::vector<std::uint8_t>{0, 0x78, 0x56, 0, 0}));
}

TEST(GameFile, ZeroTerminatedStrings) {
  std::vector<std::uint8_t> bytes(150, 'x');
  bytes.push_back(0);
  bytes.push_back('A');  // last byte, no terminator
  GameFile file;
  ASSERT_TRUE(file.open(writeBytes(bytes)));
  EXPECT_EQ(file.readZeroTerminatedString(0), std::string(100, 'x'));
  EXPECT_EQ(file.readZeroTerminatedString(151), "A");
  EXPECT_EQ(file.readZeroTerminatedString(152), "");
}

TEST(GameFile, RefusesWhatCannotBeOpenedForWriting) {
  GameFile file;
  EXPECT_FALSE(file.open(testing::tempPath("missing.exe")));
  EXPECT_FALSE(file.open(::testing::TempDir()));  // a directory
}

TEST(SignHelpers, SignExtendAndToUnsigned) {
  struct Case {
    std::uint32_t value;
    int width;
    std::int32_t expected;
  };
  for (const Case& c : std::vector<Case>{{0xFF, 1, -1},
                                         {0x80, 1, -128},
                                         {0x7FFF, 2, 32767},
                                         {0xFFFF, 2, -1},
                                         {0xFFFFFFFF, 4, -1},
                                         {0x80000000, 4, INT32_MIN},
                                         {200, 0, 200}}) {
    EXPECT_EQ(signExtend(c.value, c.width), c.expected) << c.value << " width " << c.width;
  }
  EXPECT_EQ(toUnsigned(-1, 1), 255u);
  EXPECT_EQ(toUnsigned(-1, 2), 65535u);
  EXPECT_EQ(toUnsigned(-1, 4), 0xFFFFFFFFu);
  EXPECT_EQ(toUnsigned(-32768, 2), 32768u);
  EXPECT_EQ(toUnsigned(7, 2), 7u);
}

TEST(Rendering, HexAndBinaryTexts) {
  EXPECT_EQ(hexText(2, 0x1234, true), "12 34");
  EXPECT_EQ(hexText(4, 0xAB, false), "000000AB");
  EXPECT_EQ(hexText(0, 0x1FF, false), "FF");
  EXPECT_EQ(binaryText(1, 5, true), "0000 0101");
  EXPECT_EQ(binaryText(2, 0x0102, true), "0000 0001 | 0000 0010");
  EXPECT_EQ(binaryText(1, 5, false), "00000101");
}

TEST(StringReferences, ConvertAgainstTheReleaseBaseAndTheFileSize) {
  testing::OpenGame open(builder::GameImage(3));
  const Game& game = open.game;
  const std::uint32_t base = game.version().referenceBase;
  const std::uint32_t size = game.file.size();
  EXPECT_EQ(referenceToOffset(game, base), 0);
  EXPECT_EQ(referenceToOffset(game, base + size - 1), size - 1);
  EXPECT_EQ(referenceToOffset(game, base + size), -1);
  EXPECT_EQ(referenceToOffset(game, base - 1), -1);
  EXPECT_EQ(referenceToOffset(game, 0), 0);
  EXPECT_EQ(referenceText(game, 0), "<no reference>");
  EXPECT_EQ(referenceText(game, base - 1), "<invalid ref>");
  EXPECT_EQ(offsetToReference(game, 0), 0u);
  EXPECT_EQ(offsetToReference(game, size), base + size);
  EXPECT_EQ(offsetToReference(game, size + 1), 0xFFFFFFFFu);
}

TEST(FieldAccess, AddressesFollowTheRecordLayout) {
  builder::GameImage image(3);
  image.setField(kUnits, 0, 21, 0xFFFE);
  testing::OpenGame open(image);
  const Game& game = open.game;
  EXPECT_EQ(fieldAddress(game, kUnits, 2, 21), 0x2FCB0u + 2 * 90 + 16);
  EXPECT_EQ(fieldAddress(game, kStructures, 0, 39), 0x2F58Au + 50);
  for (int f = 4; f <= 11; ++f) EXPECT_EQ(fieldAddress(game, kUnits, 0, f), 0x2FCB0u + 12);
  EXPECT_EQ(fieldAddress(game, kUnits, 0, 12), 0x2FCB0u + 13);
  EXPECT_EQ(fieldAddress(game, kTerrain, 14, 16), 0x3AFA2u + 14 * 28 + 26);
  EXPECT_EQ(readFieldSigned(game, kUnits, 0, 21), -2);
  EXPECT_EQ(readField(game, kUnits, 0, 21), 65534u);
}

TEST(FieldAccess, FlagFieldsReadTheirWholeByte) {
  builder::GameImage image(3);
  image.setField(kUnits, 0, 5, 1);   // Bit2
  image.setField(kUnits, 0, 11, 1);  // Bit8
  testing::OpenGame open(image);
  EXPECT_EQ(readField(open.game, kUnits, 0, 4), 0x82u);
  EXPECT_EQ(readFieldSigned(open.game, kUnits, 0, 4), 0x82);      // Bit1: 0..255
  EXPECT_EQ(readFieldSigned(open.game, kUnits, 0, 11), -126);     // Bit8: -128..127
}

}  // namespace
}  // namespace vorn
