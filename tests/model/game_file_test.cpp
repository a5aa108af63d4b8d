#include "model/game_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>
#include <vector>

#include "builder/game_file_builder.h"
#include "model/game.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

std::string writeBytes(const std::vector<std::uint8_t>& bytes) {
  const std::string path = testing::tempPath("bytes.bin");
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

// Every read gives the same result on its own and inside a read batch, which serves it
// from 4 KiB blocks of the file.
class GameFileReads : public ::testing::TestWithParam<bool> {
 protected:
  void open(const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(file.open(writeBytes(bytes)));
    if (GetParam()) batch.emplace(file);
  }
  GameFile file;
  std::optional<ReadBatch> batch;
};

TEST_P(GameFileReads, BytesInsideTheFileAndZeroBeyond) {
  std::vector<std::uint8_t> bytes(5000);
  bytes[999] = 0xAB;
  bytes[4095] = 0x34;  // a value across the first block boundary
  bytes[4096] = 0x12;
  bytes[4999] = 0xCD;
  open(bytes);
  EXPECT_EQ(file.size(), 5000u);
  EXPECT_EQ(file.readByte(999), 0xAB);
  EXPECT_EQ(file.readLittleEndian(4095, 2), 0x1234u);
  EXPECT_EQ(file.readSignedLittleEndian(4094, 3), 0x123400);
  EXPECT_EQ(file.readByte(4999), 0xCD);
  EXPECT_EQ(file.readByte(5000), 0);
  EXPECT_EQ(file.readByte(9000), 0);
  // A value that runs over the end reads zeros for the missing bytes.
  EXPECT_EQ(file.readLittleEndian(4999, 4), 0xCDu);
}

TEST_P(GameFileReads, ZeroTerminatedStrings) {
  std::vector<std::uint8_t> bytes(4090, 0);
  bytes.insert(bytes.end(), 150, 'x');  // runs over the block boundary
  bytes.push_back(0);
  bytes.push_back('A');  // last byte, no terminator
  open(bytes);
  EXPECT_EQ(file.readZeroTerminatedString(4090), std::string(100, 'x'));
  EXPECT_EQ(file.readZeroTerminatedString(4239), "x");
  EXPECT_EQ(file.readZeroTerminatedString(4241), "A");
  EXPECT_EQ(file.readZeroTerminatedString(4242), "");
}

TEST_P(GameFileReads, AWriteIsReadBackAtOnce) {
  open(std::vector<std::uint8_t>(8192, 0));
  EXPECT_EQ(file.readLittleEndian(4094, 4), 0u);
  file.writeLittleEndian(4094, 0x12345678, 4);
  EXPECT_EQ(file.readLittleEndian(4094, 4), 0x12345678u);
  EXPECT_EQ(file.readByte(4097), 0x12);
}

INSTANTIATE_TEST_SUITE_P(DirectAndBatched, GameFileReads, ::testing::Bool());

TEST(ReadBatch, AChangeByAnotherProgramIsSeenOnceTheBatchEnds) {
  const std::string path = writeBytes(std::vector<std::uint8_t>(100, 0));
  GameFile file;
  ASSERT_TRUE(file.open(path));
  GameFile other;
  ASSERT_TRUE(other.open(path));
  {
    const ReadBatch outer(file);
    EXPECT_EQ(file.readByte(10), 0);
    {
      const ReadBatch inner(file);
      EXPECT_EQ(file.readByte(10), 0);
    }
    other.writeByte(10, 7);
  }
  EXPECT_EQ(file.readByte(10), 7);
  const ReadBatch next(file);
  EXPECT_EQ(file.readByte(10), 7);
}

TEST(GameFile, WritesOnlyTheCountedBytesAndReadsThemBack) {
  GameFile file;
  const std::string path = writeBytes({0, 0, 0, 0, 0});
  ASSERT_TRUE(file.open(path));
  file.writeLittleEndian(1, 0x12345678, 2);
  EXPECT_EQ(file.readLittleEndian(1, 4), 0x5678u);
  EXPECT_EQ(builder::readWholeFile(path), (std::vector<std::uint8_t>{0, 0x78, 0x56, 0, 0}));
}

// A file removed, replaced or cut short by another program while it is open: the size
// query, a new batch and every write report it, and nothing is written.
TEST(GameFile, AFileRemovedOrCutShortIsReportedAndNotWritten) {
  struct Case {
    const char* what;
    void (*change)(const std::string& path);
    std::string error;
  };
  const Case cases[] = {
      {"removed", [](const std::string& path) { ::unlink(path.c_str()); },
       "the game file was removed"},
      {"replaced",
       [](const std::string& path) {
         const std::string copy = writeBytes(std::vector<std::uint8_t>(1000, 0));
         ::rename(copy.c_str(), path.c_str());
       },
       "the game file was removed"},
      {"cut short", [](const std::string& path) { ASSERT_EQ(::truncate(path.c_str(), 999), 0); },
       "the game file was cut short to 999 bytes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = writeBytes(std::vector<std::uint8_t>(1000, 0));
    GameFile file;
    ASSERT_TRUE(file.open(path));
    file.setRequiredSize(1000);
    EXPECT_NO_THROW(file.checkIntact());
    c.change(path);
    const std::string expected = "\"" + path + "\": " + c.error;
    for (const auto& operation :
         std::vector<std::function<void()>>{[&] { file.checkIntact(); }, [&] { (void)file.size(); },
                                            [&] { const ReadBatch batch(file); },
                                            [&] { file.writeLittleEndian(10, 0xFFFF, 2); }}) {
      try {
        operation();
        ADD_FAILURE() << "no IoError";
      } catch (const IoError& error) {
        EXPECT_EQ(error.what(), expected);
      }
    }
    if (::access(path.c_str(), F_OK) == 0) {
      const std::vector<std::uint8_t> left = builder::readWholeFile(path);
      EXPECT_EQ(std::count(left.begin(), left.end(), 0xFF), 0);
    }
  }
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
  EXPECT_EQ(readFieldSigned(open.game, kUnits, 0, 4), 0x82);   // Bit1: 0..255
  EXPECT_EQ(readFieldSigned(open.game, kUnits, 0, 11), -126);  // Bit8: -128..127
}

}  // namespace
}  // namespace vorn
