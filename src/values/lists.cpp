// Choice lists of the edit popup. Each data type that is edited by choosing gets one list
// kind; the kind decides how the list is built, where its cursor starts and what Space or
// Enter writes back.
#include "values/lists.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editing/binary_editor.h"
#include "editing/research.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "screen/main_screen.h"
#include "screen/primitives.h"
#include "shell/navigation.h"
#include "values/script_list.h"
#include "values/switch_sets.h"
#include "values/value_text.h"

namespace vorn {

namespace {

enum class ListKind { None, SwitchSet, Items, Values, Bits, Graphics, Pak, Script };

struct ListDef {
  ListKind kind = ListKind::None;
  int target = 0;  // SwitchSet, Items: the section whose items are listed
  int offset = 0;  // Items, Graphics, Pak: entries in front of item 0 (1: "None" first)
  const ValueTable* table = nullptr;  // Values
  int bit = 0;                        // Bits: bit of the shared flag byte
};

constexpr ListDef none{};
constexpr ListDef switchSet(int target) {
  return {ListKind::SwitchSet, target};
}
constexpr ListDef items(int target, int offset) {
  return {ListKind::Items, target, offset};
}
constexpr ListDef values(const ValueTable& table) {
  return {ListKind::Values, 0, 0, &table};
}
constexpr ListDef bits(int bit) {
  return {ListKind::Bits, 0, 0, nullptr, bit};
}

// Indexed by data type code.
constexpr std::array<ListDef, kDataTypeCount> kListDefs{{
    none,                            // 0 Dword: typed entry
    none,                            // 1 SignedByte
    none,                            // 2 Word
    none,                            // 3 StringRef
    switchSet(kHouses),              // 4 Ownership
    items(kActions, 1),              // 5 UnitCommand
    items(kMovement, 0),             // 6 MovementType
    items(kUnits, 1),                // 7 UnitType
    values(foundationNames),         // 8 Foundation
    values(decayFactorNames),        // 9 DecayFactor
    switchSet(kStructures),          // 10 Prerequisites
    values(weaponSoundNames),        // 11 WeaponSound
    bits(0),                         // 12 Bit1
    bits(1),                         // 13 Bit2
    bits(2),                         // 14 Bit3
    bits(3),                         // 15 Bit4
    bits(4),                         // 16 Bit5
    bits(5),                         // 17 Bit6
    bits(6),                         // 18 Bit7
    bits(7),                         // 19 Bit8
    values(percentSteps),            // 20 Percent16
    items(kMusic, 1),                // 21 MusicTrack
    none,                            // 22 Character
    values(palaceAbilityNames),      // 23 PalaceAbility
    {ListKind::Graphics, 0, 1},      // 24 Graphics
    values(displayModeNames),        // 25 DisplayMode
    values(interruptModeNames),      // 26 InterruptMode
    values(sidebarModeNames),        // 27 SidebarMode
    items(kVoices, 1),               // 28 SoundClip
    {ListKind::Pak, kFiles, 0},      // 29 ParentPak
    switchSet(kUnits),               // 30 AllowedUnits
    {ListKind::Script},              // 31 AnimScript: read-only
    values(structureGraphicsNames),  // 32 StructureGraphics
    none,                            // 33 UnsignedByte
    values(noYesNames),              // 34 BoolWord
    values(percentSteps),            // 35 Percent8
    values(craterNames),             // 36 CraterType
}};

const ListDef& selectedListDef(const EditorContext& ed) {
  const int type = ed.selectedFieldDef().type;
  return type >= 0 && type < kDataTypeCount ? kListDefs[type] : none;
}

constexpr int kLastListIndex = kMaxListEntries - 1;
constexpr int kListRows = 6;
constexpr int kListColumn = 18;

PaneState& popupPane(EditorContext& ed) {
  return ed.view().pane(kPopupPane);
}

int chosenRow(const EditorContext& ed) {
  return ed.view().pane(kPopupPane).selected();
}

int selectedWidth(const EditorContext& ed) {
  return fieldWidth(ed.selectedSection(), ed.selectedField());
}

std::uint32_t selectedAddress(const EditorContext& ed) {
  return fieldAddress(ed.game, ed.selectedSection(), ed.selectedItem(), ed.selectedField());
}

std::int32_t selectedSigned(const EditorContext& ed) {
  return readFieldSigned(ed.game, ed.selectedSection(), ed.selectedItem(), ed.selectedField());
}

// The current value as the table's rows compare with it: tables whose last value does not
// fit the signed range of the field (Percent8's 256 in one byte) see the unsigned value.
std::int64_t tableFieldValue(const EditorContext& ed, ValueTable table) {
  const int width = selectedWidth(ed);
  if (width >= 4 || table.empty() || table.back().value < (std::int64_t{1} << (8 * width - 1))) {
    return selectedSigned(ed);
  }
  return readField(ed.game, ed.selectedSection(), ed.selectedItem(), ed.selectedField());
}

// The current value is shown as "* " and its upper-case name, every other entry as two
// blanks and its name.
std::string markedEntry(bool current, const std::string& name) {
  return current ? "* " + upperCase(name) : "  " + name;
}

std::string threeDigits(int n) {
  std::string text = std::to_string(n);
  if (text.size() < 3) text.insert(0, 3 - text.size(), '0');
  return text;
}

// The row of the table that the cursor starts on for value v: the last row holding v,
// else the last row for a value above it, the nearest row for a value between the first
// and the last row's (the lower row on a tie), else row 0.
int preselectedRow(ValueTable table, std::int64_t v) {
  const int rows = static_cast<int>(table.size());
  if (rows == 0) return 0;
  const int found = findValueName(table, static_cast<std::int32_t>(v));
  if (found >= 0) return found;
  if (v > table.back().value) return rows - 1;
  if (v > table.front().value) {
    int nearest = 0;
    for (int row = 1; row < rows; ++row) {
      if (std::llabs(table[row].value - v) < std::llabs(table[nearest].value - v)) nearest = row;
    }
    return nearest;
  }
  return 0;
}

void writeSelectedValue(EditorContext& ed, std::int64_t value) {
  const int width = selectedWidth(ed);
  ed.game.file.writeLittleEndian(selectedAddress(ed), toUnsigned(value, width), width);
}

}  // namespace

void buildValueList(EditorContext& ed, ValueTable table) {
  const std::int64_t v = tableFieldValue(ed, table);
  const int rows = std::min(static_cast<int>(table.size()), kMaxListEntries);
  for (int k = 0; k < rows; ++k) {
    ed.view().listNames[k] = markedEntry(table[k].value == v, std::string(table[k].name));
  }
  popupPane(ed).lastIndex = rows - 1;
}

void buildItemList(EditorContext& ed, int target, bool withNone) {
  const std::int32_t v = selectedSigned(ed);
  const int first = withNone ? 1 : 0;
  const int count = std::min(ed.game.itemCount(target), kMaxListEntries - first);
  auto& names = ed.view().listNames;
  if (withNone) names[0] = markedEntry(v == -1, "None");
  for (int k = 0; k < count; ++k) {
    names[first + k] = markedEntry(k == v, itemName(ed.game, target, k));
  }
  popupPane(ed).lastIndex = first + count - 1;
}

void buildGraphicsList(EditorContext& ed) {
  const std::int32_t v = selectedSigned(ed);
  const auto& graphics = ed.game.version().graphicsNames->names;
  int last = static_cast<int>(graphics.size()) - 1;
  while (last >= 0 && graphics[last].empty()) --last;
  auto& names = ed.view().listNames;
  names[0] = v == -1 ? " -1 * NONE" : " -1   None";
  for (int k = 0; k <= last; ++k) {
    const std::string name(graphics[k]);
    names[k + 1] = threeDigits(k) + (k == v ? " * " + upperCase(name) : "   " + name);
  }
  popupPane(ed).lastIndex = last + 1;
}

// The archives are the unbroken run of ".PAK" files at the start of the Files table; the
// field is one byte, so at most 256 of them can be chosen.
void buildPakList(EditorContext& ed) {
  const std::int32_t v = selectedSigned(ed);
  const int count = std::min(ed.game.itemCount(kFiles), 256);
  int last = -1;
  while (last + 1 < count &&
         upperCase(itemName(ed.game, kFiles, last + 1)).find(".PAK") != std::string::npos) {
    ++last;
  }
  for (int k = 0; k <= last; ++k) {
    const std::string name = itemName(ed.game, kFiles, k);
    ed.view().listNames[k] = k == v ? "* " + upperCase(name) : "  " + lowerCase(name);
  }
  popupPane(ed).lastIndex = last;
}

// No marker: the current choice is the upper-case "NO" or "YES".
void buildBitList(EditorContext& ed, int bit) {
  const int set =
      readBit(ed.game, ed.selectedSection(), ed.selectedItem(), ed.selectedField(), bit);
  for (int r = 0; r < 2; ++r) {
    const std::string name(noYesNames[r].name);
    ed.view().listNames[r] = r == set ? upperCase(name) : name;
  }
  popupPane(ed).lastIndex = 1;
}

void buildList(EditorContext& ed) {
  const ReadBatch batch(ed.game.file);
  if (ed.view().bitEditMode) {
    drawBinaryValue(ed);
    return;
  }
  const ListDef& list = selectedListDef(ed);
  switch (list.kind) {
    case ListKind::None:
      popupPane(ed).lastIndex = -1;
      break;
    case ListKind::SwitchSet:
      buildSwitchSetList(ed, list.target);
      break;
    case ListKind::Items:
      buildItemList(ed, list.target, list.offset == 1);
      break;
    case ListKind::Values:
      buildValueList(ed, *list.table);
      break;
    case ListKind::Bits:
      buildBitList(ed, list.bit);
      break;
    case ListKind::Graphics:
      buildGraphicsList(ed);
      break;
    case ListKind::Pak:
      buildPakList(ed);
      break;
    case ListKind::Script:
      buildScriptList(ed, ed.selectedSection(), ed.selectedItem(), ed.selectedField());
      break;
  }
  PaneState& pane = popupPane(ed);
  pane.lastRow = std::min(kListRows - 1, pane.lastIndex);
  drawList(ed);
}

void drawList(EditorContext& ed) {
  const PaneState& pane = popupPane(ed);
  const Rect& area = paneArea[kPopupPane];
  const int last = std::min(pane.lastIndex, pane.lastRow);
  for (int r = 0; r <= last; ++r) {
    setRowColours(ed, kPopupPane, r);
    drawRun(ed.console, area.left, area.top + r, paneWidth[kPopupPane], ' ');
    writeAt(ed.console, kListColumn, area.top + r,
            listEntryText(ed.view().listNames[pane.topIndex + r]));
  }
  setDefaultColours(ed.console);
  drawScrollMarks(ed, kPopupPane);
}

// Columns 18..49: the popup pane's blanked width less its first column.
std::string listEntryText(const std::string& entry) {
  return entry.substr(0, paneWidth[kPopupPane] - 1);
}

void preselectItem(EditorContext& ed, int offset) {
  const std::int32_t v = selectedSigned(ed);
  const bool invalid = valueText(ed.game, ed.selectedSection(), ed.selectedItem(),
                                 ed.selectedField(), true) == "<Invalid>";
  if (!invalid && v != -1) {
    stepForward(ed, static_cast<int>(
                        std::clamp<std::int64_t>(std::int64_t{offset} + v, -1, kLastListIndex)));
  }
  drawList(ed);
}

void preselectBit(EditorContext& ed, int bit) {
  stepForward(ed,
              readBit(ed.game, ed.selectedSection(), ed.selectedItem(), ed.selectedField(), bit));
  drawList(ed);
}

void preselectValue(EditorContext& ed, ValueTable table) {
  stepForward(ed, preselectedRow(table, tableFieldValue(ed, table)));
  drawList(ed);
}

void preselectList(EditorContext& ed) {
  const ListDef& list = selectedListDef(ed);
  switch (list.kind) {
    case ListKind::Items:
    case ListKind::Graphics:
    case ListKind::Pak:
      preselectItem(ed, list.offset);
      break;
    case ListKind::Values:
      preselectValue(ed, *list.table);
      break;
    case ListKind::Bits:
      preselectBit(ed, list.bit);
      break;
    case ListKind::None:
    case ListKind::SwitchSet:
    case ListKind::Script:
      break;
  }
}

void writeItemChoice(EditorContext& ed, int offset) {
  writeSelectedValue(ed, chosenRow(ed) - offset);
  closePopup(ed);
}

// The last percent step, 256, does not fit a one-byte field: 255 is as near as it gets.
void writeTableChoice(EditorContext& ed, ValueTable table) {
  const int width = selectedWidth(ed);
  std::int64_t value = table[chosenRow(ed)].value;
  if (width < 4 && value == (std::int64_t{1} << (8 * width))) --value;
  writeSelectedValue(ed, value);
  closePopup(ed);
}

void writeBit(EditorContext& ed, int bit, bool set) {
  const std::uint32_t address = selectedAddress(ed);
  const auto mask = static_cast<std::uint8_t>(1u << bit);
  const std::uint8_t old = ed.game.file.readByte(address);
  ed.game.file.writeByte(address, static_cast<std::uint8_t>(set ? old | mask : old & ~mask));
}

void writeBitChoice(EditorContext& ed, int bit) {
  writeBit(ed, bit, chosenRow(ed) == 1);
  closePopup(ed);
}

void confirmList(EditorContext& ed) {
  if (ed.view().bitEditMode) {
    toggleSwitch(ed);
    return;
  }
  const ListDef& list = selectedListDef(ed);
  switch (list.kind) {
    case ListKind::SwitchSet:
      toggleSwitch(ed);
      break;
    case ListKind::Items:
    case ListKind::Graphics:
      writeItemChoice(ed, list.offset);
      break;
    case ListKind::Pak:
      // An empty list (no archive at the start of the Files table) offers nothing to choose.
      if (popupPane(ed).lastIndex >= 0) writeItemChoice(ed, list.offset);
      break;
    case ListKind::Values:
      writeTableChoice(ed, *list.table);
      break;
    case ListKind::Bits:
      writeBitChoice(ed, list.bit);
      break;
    case ListKind::None:
    case ListKind::Script:
      break;
  }
}

void closePopup(EditorContext& ed) {
  PaneState& pane = popupPane(ed);
  pane.cursorRow = 0;
  pane.topIndex = 0;
  ed.view().focus = ed.view().previousFocus;
  if (ed.view().bitEditMode) {
    // A changed name reference shows at once in the research item texts.
    if (ed.view().researchMode) refreshResearchItem(ed);
    ed.view().bitEditMode = false;
  }
  redrawScreen(ed);
}

}  // namespace vorn
