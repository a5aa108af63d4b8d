// The typed entry editors: what each key does to the line, which entries are written and
// which leave the game file byte for byte unchanged.
#include "editing/entry_editors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/game_file_builder.h"
#include "editing/edit_test_support.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "platform/memory_console.h"
#include "shell/keys.h"

namespace vorn {
namespace {

using builder::GameImage;
using testing::clearLine;
using testing::extended;
using testing::fieldBytes;
using testing::Keys;
using testing::openAndType;
using testing::selectField;
using testing::TestEditor;
using testing::typed;
using Bytes = std::vector<std::uint8_t>;

struct FieldAt {
  int section;
  int field;
  int width;
};
constexpr FieldAt kSignedByte{kUnits, 28, 1};  // Build icon order, holding 5
constexpr FieldAt kWord{kUnits, 21, 2};        // Hit points, holding 0x1234
constexpr FieldAt kDword{kFiles, 1, 4};        // File size, holding 7
constexpr FieldAt kNameRef{kUnits, 1, 4};      // Name string reference
constexpr FieldAt kLetter{kHouses, 7, 1};      // Voice prefix letter, holding 'A'

const Keys kEnter = typed("\r");
const Keys kF3 = extended(key::F3);
const Keys kF4 = extended(key::F4);
const Keys kF5 = extended(key::F5);

GameImage entryFixture() {
  GameImage image(3);
  image.setName(kUnits, 0, "Carryall");
  image.setField(kSignedByte.section, 0, kSignedByte.field, 5);
  image.setField(kWord.section, 0, kWord.field, 0x1234);
  image.setField(kDword.section, 0, kDword.field, 7);
  image.setField(kLetter.section, 0, kLetter.field, 'A');
  return image;
}

// An entry either writes `bytes` and closes the popup, or shows `message` at the end of
// the input row (the test then stops at the key wait) and writes nothing. An empty
// `bytes` with an empty message is a cancelled entry: nothing is written, nothing shown.
struct EntryCase {
  std::string name;
  FieldAt field;
  Keys opener;
  Keys keys;
  Bytes bytes;
  std::string message = {};
  InputLine messageAt = {};
};

void runEntryCase(const EntryCase& c) {
  SCOPED_TRACE(c.name);
  TestEditor t(entryFixture());
  selectField(t, c.field.section, 0, c.field.field);
  const Bytes before = fieldBytes(t, c.field.section, 0, c.field.field, c.field.width);
  if (c.message.empty()) {
    openAndType(t, c.opener, c.keys);
    EXPECT_EQ(t.ed.view().focus, kFieldPane);
    EXPECT_EQ(t.console.pendingKeys(), 0u);
    EXPECT_EQ(t.ed.state.entryMessage, c.bytes.empty() ? "Canceled" : "");
  } else {
    EXPECT_THROW(openAndType(t, c.opener, c.keys), KeyQueueEmpty);
    EXPECT_EQ(
        t.console.text(c.messageAt.column, c.messageAt.row, static_cast<int>(c.message.size())),
        c.message)
        << t.console.screenDump();
  }
  const Bytes after = fieldBytes(t, c.field.section, 0, c.field.field, c.field.width);
  EXPECT_EQ(after, c.bytes.empty() ? before : c.bytes);
}

TEST(DecimalEntry, WritesValuesInRangeAndRefusesTheRest) {
  const InputLine byteMessage{44, 13};
  const InputLine dwordMessage{44, 14};  // below the Dword's second description line
  const std::vector<EntryCase> cases{
      {"signed byte minimum", kSignedByte, kEnter, clearLine() + typed("-128\r"), {0x80}},
      {"signed byte too large",
       kSignedByte,
       kEnter,
       clearLine() + typed("128\r"),
       {},
       "Value too large!",
       byteMessage},
      {"signed byte too small",
       kSignedByte,
       kEnter,
       clearLine() + typed("-129\r"),
       {},
       "Value too small!",
       byteMessage},
      {"lone minus", kSignedByte, kEnter, clearLine() + typed("-\r"), {0}},
      {"emptied line", kSignedByte, kEnter, clearLine() + typed("\r"), {0}},
      {"three digits at most", kSignedByte, kEnter, clearLine() + typed("1234\r"), {123}},
      {"minus and three digits", kSignedByte, kEnter, clearLine() + typed("-1234\r"), {0x85}},
      {"minus only first", kSignedByte, kEnter, clearLine() + typed("1-2\r"), {12}},
      {"old value kept", kSignedByte, kEnter, typed("\r"), {5}},
      {"d cancels", kSignedByte, kEnter, clearLine() + typed("12d"), {}},
      {"x cancels", kWord, kEnter, clearLine() + typed("12x"), {}},
      {"D cancels", kWord, kEnter, clearLine() + typed("12D"), {}},
      {"b cancels", kWord, kF4, clearLine() + typed("12b"), {}},
      {"Escape cancels", kWord, kEnter, clearLine() + typed("12\x1b"), {}},
      {"F3 cancels", kWord, kEnter, clearLine() + typed("12") + kF3, {}},
      {"F10 and arrows ignored",
       kWord,
       kEnter,
       clearLine() + typed("12") + extended(key::F10) + extended(key::Up) + extended(key::Left) +
           extended(key::Down) + typed("3\r"),
       {123, 0}},
      {"word minimum", kWord, kEnter, clearLine() + typed("-32768\r"), {0x00, 0x80}},
      {"word too large",
       kWord,
       kEnter,
       clearLine() + typed("32768\r"),
       {},
       "Value too large!",
       byteMessage},
      {"unsigned ignores minus", kWord, kF5, clearLine() + typed("-5\r"), {5, 0}},
      {"unsigned word maximum", kWord, kF5, clearLine() + typed("65535\r"), {0xFF, 0xFF}},
      {"unsigned word too large",
       kWord,
       kF5,
       clearLine() + typed("65536\r"),
       {},
       "Value too large!",
       byteMessage},
      {"dword minus one", kDword, kEnter, clearLine() + typed("-1\r"), {0xFF, 0xFF, 0xFF, 0xFF}},
      {"dword minimum", kDword, kEnter, clearLine() + typed("-2147483648\r"), {0, 0, 0, 0x80}},
      {"dword beyond 31 bits",
       kDword,
       kEnter,
       clearLine() + typed("2147483648\r"),
       {},
       "Value too large!",
       dwordMessage},
      {"dword below its minimum",
       kDword,
       kEnter,
       clearLine() + typed("-2147483649\r"),
       {},
       "Value too small!",
       dwordMessage},
      {"unsigned dword maximum",
       kDword,
       kF5,
       clearLine() + typed("4294967295\r"),
       {0xFF, 0xFF, 0xFF, 0xFF}},
      {"ten digits at most",
       kDword,
       kF5,
       clearLine() + typed("42949672950\r"),
       {0xFF, 0xFF, 0xFF, 0xFF}},
      {"unsigned dword beyond 32 bits",
       kDword,
       kF5,
       clearLine() + typed("4294967296\r"),
       {},
       "Value too large!",
       dwordMessage},
      {"ten digits from 5",
       kDword,
       kF5,
       clearLine() + typed("5000000000\r"),
       {},
       "Value too large!",
       dwordMessage},
  };
  for (const EntryCase& c : cases) runEntryCase(c);
}

TEST(DecimalEntry, AMessageWaitsForAKeyThenClosesThePopupUnchanged) {
  TestEditor t(entryFixture());
  selectField(t, kSignedByte.section, 0, kSignedByte.field);
  openAndType(t, kEnter, clearLine() + typed("300\r") + extended(key::F1));
  EXPECT_EQ(t.ed.state.entryMessage, "Value too large!");
  EXPECT_EQ(t.console.pendingKeys(), 0u);  // both bytes of the extended key were taken
  EXPECT_EQ(t.ed.view().focus, kFieldPane);
  EXPECT_EQ(fieldBytes(t, kSignedByte.section, 0, kSignedByte.field, 1), Bytes{5});
  EXPECT_NE(t.console.cell(15, 5).ch, 0xC9) << "the popup was not closed";
}

TEST(DecimalEntry, RangesFollowTheWidth) {
  struct Case {
    int width;
    bool isSigned;
    DecimalRange range;
  };
  const std::vector<Case> cases{
      {0, true, {-128, 127}},
      {1, false, {0, 255}},
      {2, true, {-32768, 32767}},
      {2, false, {0, 65535}},
      {4, true, {-2147483648LL, 2147483647}},
      {4, false, {0, 4294967295LL}},
  };
  for (const Case& c : cases) {
    const DecimalRange r = decimalRange(c.width, c.isSigned);
    EXPECT_EQ(r.min, c.range.min) << c.width;
    EXPECT_EQ(r.max, c.range.max) << c.width;
  }
}

TEST(HexEntry, TypedDigitsAreTheMostSignificant) {
  const std::vector<EntryCase> cases{
      {"two digits replaced", kWord, kF3, typed("\b\bAB\r"), {0xAB, 0x12}},
      {"lower case digits", kWord, kF3, typed("\b\bab\r"), {0xAB, 0x12}},
      {"one digit", kWord, kF3, typed("\b\b\b\b7\r"), {0x00, 0x70}},
      {"b d D are digits", kWord, kF3, typed("\b\b\b\bbdD\r"), {0xD0, 0xBD}},
      {"other keys ignored",
       kWord,
       kF3,
       typed("\b\bA") + extended(key::F10) + extended(key::Up) + typed("g-\r"),
       {0xA0, 0x12}},
      {"unchanged line", kWord, kF3, typed("\r"), {0x34, 0x12}},
      {"x cancels", kWord, kF3, typed("\b\bA") + typed("x"), {}},
      {"Escape cancels", kWord, kF3, typed("\b\bA\x1b"), {}},
      {"F5 cancels", kWord, kF3, typed("\b\bA") + kF5, {}},
      {"one byte", kSignedByte, kF3, typed("\b\bF\r"), {0xF0}},
      {"four bytes, extra digits ignored",
       kDword,
       kF3,
       typed(std::string(8, '\b')) + typed("123456789\r"),
       {0x78, 0x56, 0x34, 0x12}},
  };
  for (const EntryCase& c : cases) runEntryCase(c);
}

TEST(HexEntry, BackspaceLeavesUnderscoresAndSkipsTheByteBlank) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"", "12 34"}, {"\b", "12 3_"}, {"\b\b", "12 __"}, {"\b\b\b", "1_ __"}, {"\b\b\bC", "1C __"}};
  for (const auto& [keys, line] : cases) {
    TestEditor t(entryFixture());
    selectField(t, kWord.section, 0, kWord.field);
    EXPECT_THROW(openAndType(t, kF3, typed(keys)), KeyQueueEmpty);
    EXPECT_EQ(t.console.text(19, 12, 5), line) << "after " << keys.size() << " keys";
  }
}

TEST(HexEntry, DigitValues) {
  EXPECT_EQ(hexDigitValue('0'), 0);
  EXPECT_EQ(hexDigitValue('9'), 9);
  EXPECT_EQ(hexDigitValue('A'), 10);
  EXPECT_EQ(hexDigitValue('F'), 15);
  EXPECT_EQ(hexDigitValue('a'), 0);  // capital letters only
  EXPECT_EQ(hexDigitValue('G'), 0);
  EXPECT_EQ(hexByteValue(""), 0);
  EXPECT_EQ(hexByteValue("7"), 7);
  EXPECT_EQ(hexByteValue("7F"), 0x7F);
}

TEST(StringReferenceEntry, PointsTheReferenceAtAnOffsetAfterConfirmation) {
  GameImage image = entryFixture();
  const std::uint32_t hello = image.addString("Hello");
  struct Case {
    std::string name;
    std::uint32_t offset;
    std::uint8_t answer;
    bool written;
    std::uint8_t lastKey;
  };
  const std::vector<Case> cases{
      {"Enter saves", hello, '\r', true, '\r'},
      {"Space saves", hello, ' ', true, ' '},
      {"offset 0 is the blank reference", 0, ' ', true, ' '},
      {"Escape keeps the old reference", hello, 0x1B, false, 0x1B},
      {"a byte 255 does not end the editor", hello, 255, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestEditor t(image);
    selectField(t, kNameRef.section, 0, kNameRef.field);
    const Bytes before = fieldBytes(t, kNameRef.section, 0, kNameRef.field, 4);
    openAndType(t, kEnter,
                clearLine() + typed(std::to_string(c.offset) + "\r") + Keys{{c.answer, false}});
    EXPECT_EQ(t.ed.view().focus, kFieldPane);
    EXPECT_EQ(t.ed.state.lastKey, c.lastKey);
    const std::uint32_t now = readField(t.open.game, kNameRef.section, 0, kNameRef.field);
    if (c.written) {
      EXPECT_EQ(now, c.offset == 0 ? 0 : t.open.game.version().referenceBase + c.offset);
    } else {
      EXPECT_EQ(fieldBytes(t, kNameRef.section, 0, kNameRef.field, 4), before);
    }
  }
}

TEST(StringReferenceEntry, ShowsTheNewReferenceAndItsString) {
  GameImage image = entryFixture();
  const std::uint32_t hello = image.addString("Hello");
  struct Case {
    std::string offset;
    std::string newValue;
    std::string newString;
  };
  TestEditor probe(image);
  const std::uint32_t helloRef = offsetToReference(probe.open.game, hello);
  const std::vector<Case> cases{
      {std::to_string(hello),
       "New value : " + hexText(4, helloRef, true) + " (offset " + std::to_string(hello) + ")",
       "New string: \"Hello\""},
      {"0", "New value : 00 00 00 00 (blank)", "New string: <no reference>"},
  };
  for (const Case& c : cases) {
    TestEditor t(image);
    selectField(t, kNameRef.section, 0, kNameRef.field);
    const std::uint32_t old = readField(t.open.game, kNameRef.section, 0, kNameRef.field);
    const std::int64_t carryall =
        fieldReferenceOffset(t.open.game, kNameRef.section, 0, kNameRef.field);
    EXPECT_THROW(openAndType(t, kEnter, clearLine() + typed(c.offset + "\r")), KeyQueueEmpty);
    const auto row = [&](int r) { return t.console.text(17, r, 49); };
    auto padded = [](std::string s) {
      s.resize(49, ' ');
      return s;
    };
    EXPECT_EQ(row(11), padded("Old value : " + hexText(4, old, true) + " (offset " +
                              std::to_string(carryall) + ")"));
    EXPECT_EQ(row(15), padded(c.newValue));
    EXPECT_EQ(row(16), padded(c.newString));
    EXPECT_EQ(row(18), padded("[ENTER]/[SPACE]: save     [ESC]: cancel"));
  }
}

TEST(StringReferenceEntry, RefusesOffsetsBeyondTheFileAndCancels) {
  const GameImage image = entryFixture();
  const std::vector<EntryCase> cases{
      {"file size",
       kNameRef,
       kEnter,
       clearLine() + typed(std::to_string(image.size()) + "\r"),
       {},
       "Value too large!",
       {49, 13}},
      {"d cancels", kNameRef, kEnter, clearLine() + typed("12d"), {}},
      {"Escape cancels", kNameRef, kEnter, clearLine() + typed("12\x1b"), {}},
  };
  for (const EntryCase& c : cases) runEntryCase(c);
}

TEST(CharacterEntry, TakesTheLastLetterTyped) {
  const std::vector<EntryCase> cases{
      {"a then B", kLetter, kEnter, typed("aB\r"), {'B'}},
      {"digits and punctuation change nothing", kLetter, kEnter, typed("19!-\r"), {'A'}},
      {"an arrow types no letter", kLetter, kEnter, typed("q") + extended(key::Up) + kEnter, {'q'}},
      {"Escape writes nothing", kLetter, kEnter, typed("b\x1b"), {}},
      {"F2 writes nothing", kLetter, kEnter, typed("b") + extended(key::F2), {}},
  };
  for (const EntryCase& c : cases) runEntryCase(c);
}

TEST(CharacterEntry, ShowsTheOldLetterAndReplacesItOnTheLine) {
  TestEditor t(entryFixture());
  selectField(t, kLetter.section, 0, kLetter.field);
  EXPECT_THROW(openAndType(t, kEnter, typed("z")), KeyQueueEmpty);
  EXPECT_EQ(t.console.text(17, 11, 15), "Old value : \"A\"");
  EXPECT_EQ(t.console.text(19, 13, 2), "z ");
}

}  // namespace
}  // namespace vorn
