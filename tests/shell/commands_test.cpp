// The commands that run without a terminal, run in-process on synthetic game files: every
// --set case checks the file's bytes and what --get prints afterwards.
#include "shell/commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <optional>
#include <sstream>

#include "builder/game_file_builder.h"
#include "ini/profile.h"
#include "ini/rules_dump.h"
#include "model/catalogue.h"
#include "platform/paths.h"
#include "shell/command_line.h"
#include "shell/keys.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "support/game_fixture.h"

namespace vorn {
namespace {

using builder::GameImage;
using builder::readWholeFile;

constexpr int k107Us = 3;
constexpr int k107Eu = 4;
constexpr int k107Tb = 5;

// Units fields.
constexpr int kGenerateShadow = 4;
constexpr int kIsFactory = 5;
constexpr int kCost = 24;
constexpr int kBuildTime = 25;
constexpr int kPrerequisites = 27;
constexpr int kOwner = 38;
constexpr int kWeaponRange = 69;
constexpr int kWeaponType = 72;
constexpr int kWeaponSound = 73;

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result run(const std::vector<std::string>& args, const std::string& input = {}) {
  const CommandLine command = parseCommandLine(args);
  EXPECT_NE(command.kind, CommandKind::Usage) << command.error;
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = runCommand(command, in, out, err);
  return {status, out.str(), err.str()};
}

std::string fileText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = readWholeFile(path);
  return {bytes.begin(), bytes.end()};
}

std::string writeImage(const GameImage& image, const std::string& name = "VORN2.EXE") {
  const std::string path = testing::tempPath(name);
  image.writeTo(path);
  return path;
}

// Names and values that every kind of field can be checked against.
GameImage fixture(int version = k107Us) {
  GameImage image(version);
  image.nameAllItems();
  image.setName(kUnits, 0, "Trike");
  image.setName(kUnits, 1, "Quad");
  image.setName(kUnits, 2, "Trike");  // a second Trike: reachable as #2 only
  image.setName(kHouses, 0, "Atreides");
  image.setName(kHouses, 1, "Ordos");
  image.setName(kHouses, 2, "Harkonnen");
  image.setName(kStructures, 0, "Palace");
  image.setName(kFiles, 0, "SOUND.PAK");
  image.setName(kFiles, 1, "MAIN.PAK");
  image.setName(kFiles, 2, "ICON.MAP");
  image.setField(kUnits, 0, kCost, 100);
  image.setField(kUnits, 0, kGenerateShadow, 1);
  image.setField(kUnits, 0, kOwner, 0xC5);  // Atreides, Harkonnen and two bits beyond the houses
  image.setField(kUnits, 0, kPrerequisites, 0x80000000);  // a bit beyond the structures
  image.setField(kUnits, 0, kWeaponType, 1);
  image.setField(kUnits, 0, kWeaponSound, 43);
  image.setField(kHouses, 0, 7, 0x4141);  // Voice prefix letter "A"; the second byte is kept
  image.setField(kTerrain, 2, 2, 255);    // Vorn: Moving speed: Foot
  return image;
}

struct SetCase {
  std::string assignment;
  int section = 0;
  int item = 0;
  int field = 0;
  int count = 0;                        // bytes compared at the field's offset
  std::optional<std::uint32_t> stored;  // empty: refused, nothing written
  std::string shown;                    // --get text afterwards, or part of the error
};

SetCase good(std::string assignment, int section, int item, int field, int count,
             std::uint32_t stored, std::string shown) {
  return {std::move(assignment), section, item, field, count, stored, std::move(shown)};
}
SetCase bad(std::string assignment, std::string message) {
  return {std::move(assignment), 0, 0, 0, 0, std::nullopt, std::move(message)};
}

std::vector<SetCase> setCases(std::uint32_t fileSize, std::uint32_t referenceBase) {
  const std::string last = std::to_string(fileSize - 1);
  return {
      // Numbers: the decimal entry's range by width and sign, hexadecimal bit patterns.
      good("Units/Trike/Cost=32767", kUnits, 0, kCost, 2, 0x7FFF, "32767"),
      bad("Units/Trike/Cost=32768", "Value too large! (Data range: -32768,32767)"),
      good("Units/Trike/Cost=-32768", kUnits, 0, kCost, 2, 0x8000, "-32768"),
      bad("Units/Trike/Cost=-32769", "Value too small! (Data range: -32768,32767)"),
      good("units/TRIKE/cost=0xFFFF", kUnits, 0, kCost, 2, 0xFFFF, "-1"),
      good("Units/Trike/Cost=$1f4", kUnits, 0, kCost, 2, 500, "500"),
      bad("Units/Trike/Cost=0x10000", "Value too large! (2 bytes: at most 4 hexadecimal digits)"),
      bad("Units/Trike/Cost=12a", "\"12a\" is not a number (Data range: -32768,32767)"),
      bad("Units/Trike/Cost=", "\"\" is not a number"),
      bad("Units/Trike/Cost=+5", "\"+5\" is not a number"),
      good("Units/Trike/Build icon order=-128", kUnits, 0, 28, 1, 0x80, "-128"),
      bad("Units/Trike/Build icon order=128", "Value too large! (Data range: -128,127)"),
      good("Files/ICON.MAP/File size=-1", kFiles, 2, 1, 4, 0xFFFFFFFF, "-1"),
      good("Files/ICON.MAP/File size=2147483647", kFiles, 2, 1, 4, 0x7FFFFFFF, "2147483647"),
      bad("Files/ICON.MAP/File size=2147483648", "Value too large!"),
      bad("Files/ICON.MAP/File size=-2147483649", "Value too small!"),
      bad("Files/ICON.MAP/File size=99999999999999999999999", "Value too large!"),
      // Value tables: names (trimmed, any case) or the number of a row.
      good("Units/Trike/Weapon sound=infantry kill 1       (VOC)", kUnits, 0, kWeaponSound, 2, 30,
           "30 - Infantry kill 1       (VOC)"),
      good("Units/Trike/Weapon sound=None", kUnits, 0, kWeaponSound, 2, 0xFFFF, "-1 - None"),
      good("Units/Trike/Weapon sound=41", kUnits, 0, kWeaponSound, 2, 41,
           "41 - Tank shot             (VOC)"),
      bad("Units/Trike/Weapon sound=45",
          "\"45\" is neither a name nor a number of the field's list"),
      bad("Units/Trike/Weapon sound=Thunder", "\"Thunder\" is neither a name nor a number"),
      good("Terrain/Vorn/Moving speed: Tracked=100.00 %", kTerrain, 2, 3, 1, 255, "255/256 (99%)"),
      good("Terrain/Vorn/Moving speed: Tracked=256", kTerrain, 2, 3, 1, 255, "255/256 (99%)"),
      good("Terrain/Vorn/Moving speed: Tracked=64", kTerrain, 2, 3, 1, 64, "64/256  (25%)"),
      bad("Terrain/Vorn/Moving speed: Tracked=100", "\"100\" is neither a name nor a number"),
      good("Houses/Atreides/Weakness to deviation=100.00 %", kHouses, 0, 1, 2, 256,
           "256/256 (100%)"),
      good("Houses/Atreides/Decay factor=no decay", kHouses, 0, 3, 2, 0xFFFF, "No decay"),
      good("Terrain/Vorn/Crater type=Rock crater", kTerrain, 2, 13, 2, 2, "Rock crater"),
      good("Terrain/Vorn/Let unit wobble=yes", kTerrain, 2, 8, 2, 1, "Yes"),
      bad("Actions/Actions 0/Sidebar mode=0", "\"0\" is neither a name nor a number"),
      // Item references, with and without None.
      good("Units/Quad/Weapon type=quad", kUnits, 1, kWeaponType, 2, 1, "Quad"),
      good("Units/Quad/Weapon type=None", kUnits, 1, kWeaponType, 2, 0xFFFF, "None"),
      good("Units/Quad/Weapon type=#2", kUnits, 1, kWeaponType, 2, 2, "Trike"),
      good("Units/Quad/Weapon type=26", kUnits, 1, kWeaponType, 2, 26, "Units 26"),
      bad("Units/Quad/Weapon type=27", "(items #0..#26, or None)"),
      bad("Units/Quad/Weapon type=Sandworm", "\"Sandworm\" is neither a name nor a number"),
      good("Units/Trike/Movement type=Movement 2", kUnits, 0, 59, 2, 2, "Movement 2"),
      good("Units/Trike/Movement type=5", kUnits, 0, 59, 2, 5, "Movement 5"),
      bad("Units/Trike/Movement type=None", "of the Movement list (items #0..#5)"),
      bad("Units/Trike/Movement type=6", "of the Movement list"),
      // Graphics and the PAK files.
      good("Units/Trike/Sidebar icon=icon: attack", kUnits, 0, 23, 2, 28, "28 - Icon: Attack"),
      good("Units/Trike/Sidebar icon=None", kUnits, 0, 23, 2, 0xFFFF, "None"),
      good("Units/Trike/Sidebar icon=354", kUnits, 0, 23, 2, 354, "354 - Transparent pixel"),
      bad("Units/Trike/Sidebar icon=355", "\"355\" is neither a name nor a number"),
      good("Files/ICON.MAP/Parent file=main.pak", kFiles, 2, 4, 1, 1, "MAIN.PAK"),
      bad("Files/ICON.MAP/Parent file=ICON.MAP", "(items #0..#1)"),
      bad("Files/ICON.MAP/Parent file=2", "(items #0..#1)"),
      // Switch sets keep the bits beyond the target's items.
      good("Units/Trike/Owner=Ordos", kUnits, 0, kOwner, 1, 0xC2, "Ordos"),
      good("Units/Trike/Owner=(none)", kUnits, 0, kOwner, 1, 0xC0, "(none)"),
      good("Units/Trike/Owner=Atreides, ordos ,Harkonnen", kUnits, 0, kOwner, 1, 0xC7,
           "Atreides,Ordos,Harkonnen"),
      bad("Units/Trike/Owner=Atreides,Sandworm", "no member \"Sandworm\" among the Houses"),
      bad("Units/Trike/Owner=Atreides,", "no member \"\" among the Houses"),
      good("Units/Trike/Prerequisites=Palace", kUnits, 0, kPrerequisites, 4, 0x80000001, "Palace"),
      // Flags change their own bit of the shared byte.
      good("Units/Trike/Is factory*=Yes", kUnits, 0, kIsFactory, 1, 0x03, "Yes"),
      good("Units/Trike/is factory=1", kUnits, 0, kIsFactory, 1, 0x03, "Yes"),
      good("Units/Trike/Generate shadow=No", kUnits, 0, kGenerateShadow, 1, 0x00, "No"),
      bad("Units/Trike/Generate shadow=maybe", "\"maybe\" is neither No nor Yes"),
      // A Character field: one letter into the first byte.
      good("Houses/Atreides/Voice prefix letter=b", kHouses, 0, 7, 2, 0x4162, "b"),
      bad("Houses/Atreides/Voice prefix letter=1", "\"1\" is not one letter"),
      bad("Houses/Atreides/Voice prefix letter=ab", "\"ab\" is not one letter"),
      // String references: a file offset inside the file.
      good("Units/#0/Name string reference=" + last, kUnits, 0, 1, 4, referenceBase + fileSize - 1,
           ""),
      good("Units/#0/Name string reference=0", kUnits, 0, 1, 4, 0, "<no reference>"),
      bad("Units/Trike/Name string reference=" + std::to_string(fileSize),
          "Value too large! (Data range: 0," + last + ")"),
      bad("Structures/Palace/Anim: Normal=0", "animation scripts are read-only"),
      // Paths.
      good("Units/#2/#24=7", kUnits, 2, kCost, 2, 7, "7"),
      good("Structures/Palace/Inf spawn chance / cell=50.00 %", kStructures, 0, 20, 2, 128,
           "128/256 (50%)"),
      bad("Vehicles/Trike/Cost=1", "no section \"Vehicles\" (sections: Movement, Units,"),
      bad("Units/Sandworm/Cost=1", "no item \"Sandworm\" in Units (items #0..#26)"),
      bad("Units/#27/Cost=1", "no item \"#27\" in Units"),
      bad("Units/Trike/Price=1", "no field \"Price\" in Units (fields #0..#73)"),
      bad("Units/Trike/Cost", "no \"=\" (PATH=VALUE)"),
      bad("Units/Trike=1", "\"Units/Trike\" is not Section/Item/Field"),
  };
}

TEST(SetCommand, EachKindOfFieldAcceptsWhatItsEditorAccepts) {
  const GameImage original = fixture();
  const std::uint32_t base = versionCatalogue()[k107Us].referenceBase;
  for (const SetCase& c : setCases(original.size(), base)) {
    SCOPED_TRACE(c.assignment);
    const std::string path = writeImage(original);
    const Result set = run({"--set", path, c.assignment});
    GameImage expected = original;
    if (c.stored) {
      EXPECT_EQ(set.status, 0);
      EXPECT_EQ(set.err, "");
      expected.setLittleEndian(expected.fieldOffset(c.section, c.item, c.field), *c.stored,
                               c.count);
      const std::string fieldPath = c.assignment.substr(0, c.assignment.rfind('='));
      EXPECT_EQ(run({"--get", path, fieldPath}).out, fieldPath + " = " + c.shown + "\n");
    } else {
      EXPECT_EQ(set.status, 1);
      EXPECT_NE(set.err.find("vorn2edit: " + c.assignment + ": "), std::string::npos) << set.err;
      EXPECT_NE(set.err.find(c.shown), std::string::npos) << set.err;
      EXPECT_NE(set.err.find("vorn2edit: nothing written (1 bad assignment)\n"), std::string::npos);
    }
    EXPECT_EQ(readWholeFile(path), expected.bytes());
  }
}

TEST(SetCommand, OneBadAssignmentAmongGoodOnesWritesNothing) {
  const GameImage original = fixture();
  const std::string path = writeImage(original);
  const Result set = run({"--set", path, "Units/Trike/Cost=5", "Units/Trike/Sight=oops",
                          "Units/Quad/Cost=6", "Units/Quad/Sight=70000"});
  EXPECT_EQ(set.status, 1);
  EXPECT_EQ(set.err,
            "vorn2edit: Units/Trike/Sight=oops: \"oops\" is not a number (Data range: "
            "-32768,32767)\n"
            "vorn2edit: Units/Quad/Sight=70000: Value too large! (Data range: -32768,32767)\n"
            "vorn2edit: nothing written (2 bad assignments)\n");
  EXPECT_EQ(readWholeFile(path), original.bytes());
}

TEST(SetCommand, AssignmentsToOneFlagByteAllTakeEffect) {
  GameImage expected = fixture();
  const std::string path = writeImage(expected);
  const Result set =
      run({"--set", path, "Units/Trike/Generate shadow=No", "Units/Trike/Is factory=Yes",
           "Units/Trike/Worm camouflage=Yes", "Units/Quad/Cost=7", "Units/Quad/Cost=8"});
  EXPECT_EQ(set.status, 0) << set.err;
  expected.setLittleEndian(expected.fieldOffset(kUnits, 0, kIsFactory), 0x22, 1);
  expected.setField(kUnits, 1, kCost, 8);
  EXPECT_EQ(readWholeFile(path), expected.bytes());
}

TEST(SetCommand, RefusesAWriteProtectedFile) {
  const GameImage original = fixture();
  const std::string path = writeImage(original);
  ::chmod(path.c_str(), 0444);
  const Result set = run({"--set", path, "Units/Trike/Cost=5"});
  EXPECT_EQ(set.status, 1);
  EXPECT_EQ(set.err, "Error opening \"" + path +
                         "\".\nvorn2edit: the game file is write-protected; this command "
                         "writes into it\n");
  EXPECT_EQ(readWholeFile(path), original.bytes());
  // Reading commands work on it.
  EXPECT_EQ(run({"--get", path, "Units/Trike/Cost"}).out, "Units/Trike/Cost = 100\n");
}

TEST(GetCommand, PrintsFullValueTextsOrStoredNumbers) {
  const std::string path = writeImage(fixture());
  const std::vector<std::string> paths = {
      "Units/Trike/Cost",          "Units/Trike/Weapon sound",
      "Units/Trike/Owner",         "Units/Trike/Prerequisites",
      "Units/Trike/Is factory",    "Units/Trike/Generate shadow*",
      "Units/Trike/Weapon type",   "Houses/Atreides/Voice prefix letter",
      "terrain/vorn/#2",           "Units/#2/Name string reference",
      "Files/ICON.MAP/Parent file"};
  std::vector<std::string> args = {"--get", path};
  args.insert(args.end(), paths.begin(), paths.end());
  const Result text = run(args);
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.out,
            "Units/Trike/Cost = 100\n"
            "Units/Trike/Weapon sound = 43 - Sonic wave\n"
            "Units/Trike/Owner = Atreides,Harkonnen\n"
            "Units/Trike/Prerequisites = (none)\n"
            "Units/Trike/Is factory = No\n"
            "Units/Trike/Generate shadow* = Yes\n"
            "Units/Trike/Weapon type = Quad\n"
            "Houses/Atreides/Voice prefix letter = A\n"
            "terrain/vorn/#2 = 255/256 (99%)\n"
            "Units/#2/Name string reference = Trike\n"
            "Files/ICON.MAP/Parent file = SOUND.PAK\n");
  args.push_back("--raw");
  const Result raw = run(args);
  EXPECT_EQ(raw.status, 0);
  EXPECT_EQ(raw.out.substr(0, raw.out.find("Units/#2")),
            "Units/Trike/Cost = 100\n"
            "Units/Trike/Weapon sound = 43\n"
            "Units/Trike/Owner = 197\n"
            "Units/Trike/Prerequisites = 2147483648\n"
            "Units/Trike/Is factory = 0\n"
            "Units/Trike/Generate shadow* = 1\n"
            "Units/Trike/Weapon type = 1\n"
            "Houses/Atreides/Voice prefix letter = 16705\n"
            "terrain/vorn/#2 = 255\n");
}

TEST(GetCommand, ABadPathPrintsNoValues) {
  const std::string path = writeImage(fixture());
  const Result get = run({"--get", path, "Units/Trike/Cost", "Units/Trike/Colour"});
  EXPECT_EQ(get.status, 1);
  EXPECT_EQ(get.out, "");
  EXPECT_EQ(get.err,
            "vorn2edit: Units/Trike/Colour: no field \"Colour\" in Units (fields #0..#73)\n");
}

// What F10 (or F7) writes beside the game file in the interactive editor.
std::string interactiveExport(const GameImage& image, std::uint8_t functionKey,
                              const std::string& fileName) {
  testing::TestEditor editor(image);
  editor.console.pushExtended(functionKey);
  editor.console.pushKey(' ');  // closes the "Done." popup
  handleKey(editor.ed);
  return fileText(directoryPart(editor.open.path) + fileName);
}

TEST(DumpCommand, WritesWhatF10WritesForEveryRelease) {
  for (int version = 0; version < kVersionCount; ++version) {
    SCOPED_TRACE(version);
    GameImage image(version);
    image.nameAllItems();
    image.setField(kUnits, 3, kCost, 1234);
    image.setField(kUnits, 3, kOwner, 0x05);
    const std::string fileName = "rules-" + std::string(versionCatalogue()[version].key) + ".ini";
    const std::string f10 = interactiveExport(image, key::F10, fileName);
    ASSERT_FALSE(f10.empty());

    const std::string path = writeImage(image, "game.exe");
    ::chmod(path.c_str(), 0444);  // the dump only reads the game file
    EXPECT_EQ(run({"--dump", path, "--output", "-"}).out, f10);
    const std::string other = testing::tempPath("dump.ini");
    EXPECT_EQ(run({"--dump", path, "--output", other}).status, 0);
    EXPECT_EQ(fileText(other), f10);
    const Result beside = run({"--dump", path});
    EXPECT_EQ(beside.status, 0);
    EXPECT_EQ(beside.out + beside.err, "");
    EXPECT_EQ(fileText(directoryPart(path) + fileName), f10);
  }
}

TEST(ProfileCommands, SaveWritesWhatF7Writes) {
  const GameImage image = fixture();
  const std::string f7 = interactiveExport(image, key::F7, "profile.ini");
  ASSERT_FALSE(f7.empty());
  const std::string path = writeImage(image);
  EXPECT_EQ(run({"--save-profile", path, "--output", "-"}).out, f7);
  EXPECT_EQ(run({"--save-profile", path}).status, 0);
  EXPECT_EQ(fileText(directoryPart(path) + "profile.ini"), f7);
}

TEST(ProfileCommands, LoadReportsValuesAndSkippedLines) {
  const std::string profile =
      "; a remark\r\n"
      "Trike=150\r\n"
      "[Construct]\r\n"
      "Trike=150,20\r\n"
      "Nobody=1\r\n"
      "garbage line\r\n"
      "[Combat]\r\n"
      "quad=9\r\n"
      "[Other]\r\n"
      "Trike=1\r\n";
  const std::string report =
      "3 values written\n"
      "line 2 skipped: no section header before it\n"
      "line 5 skipped: no unit or structure has that name\n"
      "line 6 skipped: no \"=\"\n"
      "line 10 skipped: section is neither Construct nor Combat\n";
  GameImage expected = fixture();
  const std::string fromFile = writeImage(expected);
  const std::string fromInput = writeImage(expected);
  expected.setField(kUnits, 0, kCost, 150);
  expected.setField(kUnits, 0, kBuildTime, 20);
  expected.setField(kUnits, 1, kWeaponRange, 9);

  const std::string profilePath = directoryPart(fromFile) + "profile.ini";
  std::ofstream(profilePath, std::ios::binary) << profile;
  const Result loaded = run({"--load-profile", fromFile});
  EXPECT_EQ(loaded.status, 0);
  EXPECT_EQ(loaded.err, report);
  EXPECT_EQ(readWholeFile(fromFile), expected.bytes());

  const Result piped = run({"--load-profile", fromInput, "--profile", "-"}, profile);
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.err, report);
  EXPECT_EQ(readWholeFile(fromInput), expected.bytes());
}

TEST(ProfileCommands, AMissingProfileIsAnError) {
  const GameImage original = fixture();
  const std::string path = writeImage(original);
  const Result missing = run({"--load-profile", path});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err,
            "vorn2edit: profile \"" + directoryPart(path) + "profile.ini\" not found\n");
  const Result named = run({"--load-profile", path, "--profile", "/nonexistent/mine.ini"});
  EXPECT_EQ(named.status, 1);
  EXPECT_EQ(named.err, "vorn2edit: profile \"/nonexistent/mine.ini\" not found\n");
  EXPECT_EQ(readWholeFile(path), original.bytes());
}

TEST(DiffCommand, AFileAgainstItselfShowsNothing) {
  const std::string path = writeImage(fixture());
  const Result diff = run({"--diff", path, path});
  EXPECT_EQ(diff.status, 0);
  EXPECT_EQ(diff.out + diff.err, "");
}

TEST(DiffCommand, AnEditedCopyShowsExactlyTheEditedFields) {
  const GameImage image = fixture();
  const std::string original = writeImage(image);
  const std::string edited = writeImage(image);
  ASSERT_EQ(run({"--set", edited, "Units/Trike/Cost=150", "Units/Trike/Is factory=Yes",
                 "Units/#2/Cost=7", "Houses/Atreides/Voice prefix letter=B"})
                .status,
            0);
  const Result diff = run({"--diff", original, edited});
  EXPECT_EQ(diff.status, 1);
  EXPECT_EQ(diff.err, "");
  EXPECT_EQ(diff.out,
            "Units / Trike / Is factory*: No -> Yes\n"
            "Units / Trike / Cost: 100 -> 150\n"
            "Units / #2 / Cost: 0 -> 7\n"
            "Houses / Atreides / Voice prefix letter: A -> B\n");
}

TEST(DiffCommand, AcrossReleasesItemsArePairedByName) {
  GameImage a = fixture(k107Eu);  // 676 files
  GameImage b = fixture(k107Tb);  // 675 files
  a.setField(kUnits, 3, kCost, 30);
  a.setField(kUnits, 4, kCost, 40);
  b.setName(kUnits, 3, "Units 4");  // the same two units in the other order
  b.setField(kUnits, 3, kCost, 40);
  b.setName(kUnits, 4, "Units 3");
  b.setField(kUnits, 4, kCost, 30);
  b.setName(kUnits, 5, "Sandworm");
  b.setField(kUnits, 0, kCost, 99);
  const std::string pathA = writeImage(a, "eu.exe");
  const std::string pathB = writeImage(b, "tb.exe");
  const Result diff = run({"--diff", pathA, pathB});
  EXPECT_EQ(diff.status, 1);
  EXPECT_EQ(diff.out,
            "Units / Trike / Cost: 100 -> 99\n"
            "Units / Units 5: only in " +
                pathA +
                "\n"
                "Units / Sandworm: only in " +
                pathB +
                "\n"
                "Files / Files 675: only in " +
                pathA + "\n");
}

TEST(CommandErrors, IdentifyPrintsKeyAndNameOrTheIdentificationError) {
  const std::string copy = writeImage(fixture(), "copy.bin");
  const Result known = run({"--identify", copy});
  EXPECT_EQ(known.status, 0);
  EXPECT_EQ(known.out, "1.07-US\tUnited States v1.07\n");

  GameImage junk(k107Us);
  junk.setBytes(versionCatalogue()[k107Us].identOffset, std::vector<std::uint8_t>{'X', 0});
  const std::string unknown = writeImage(junk, "junk.exe");
  const Result refused = run({"--identify", unknown});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err, identificationError("JUNK.EXE") + "\n");
  // Every command that opens the game file refuses it the same way.
  EXPECT_EQ(run({"--dump", unknown}).err, refused.err);
  EXPECT_EQ(run({"--set", unknown, "Units/Trike/Cost=1"}).err, refused.err);
  EXPECT_EQ(run({"--diff", copy, unknown}).status, 2);

  GameImage shortImage = fixture();
  shortImage.bytes().resize(versionCatalogue()[k107Us].identOffset + 20);
  const Result tooShort = run({"--identify", writeImage(shortImage)});
  EXPECT_EQ(tooShort.status, 1);
  EXPECT_NE(tooShort.err.find("is too short for version 1.07-US"), std::string::npos);
}

TEST(CommandErrors, MissingFilesAndUnwritableOutputs) {
  const std::string missing = testing::tempPath("none.exe");
  const Result open = run({"--get", missing, "Units/Trike/Cost"});
  EXPECT_EQ(open.status, 1);
  EXPECT_EQ(open.err, "Error opening \"" + missing + "\".\n");
  const Result diff = run({"--diff", missing, missing});
  EXPECT_EQ(diff.status, 2);
  EXPECT_EQ(diff.err, "Error opening \"" + missing + "\".\n");
  EXPECT_EQ(run({"--identify", directoryPart(missing)}).status, 1);

  const std::string path = writeImage(fixture());
  const Result dump = run({"--dump", path, "--output", "/nonexistent/dir/rules.ini"});
  EXPECT_EQ(dump.status, 1);
  EXPECT_TRUE(dump.err.starts_with("vorn2edit: input/output error: ")) << dump.err;
  EXPECT_NE(dump.err.find("/nonexistent/dir/rules.ini"), std::string::npos) << dump.err;
}

}  // namespace
}  // namespace vorn
