// Every text the editor makes from table bytes, over tables of arbitrary bytes: value texts
// in both forms and in research mode, hex texts, selection lists, research item texts and
// the rules dump.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "builder/game_file_builder.h"
#include "fuzz/scratch_game.h"
#include "fuzz/targets.h"
#include "ini/rules_dump.h"
#include "model/catalogue.h"
#include "platform/memory_console.h"
#include "screen/main_screen.h"
#include "shell/editor.h"
#include "values/lists.h"
#include "values/value_text.h"

namespace vorn::fuzz {

namespace {

// Behind the tables, so that string references and names can point at input bytes.
constexpr std::uint32_t kStringAreaSize = 4096;
// Sections with more items are visited at their first items and their last one: the texts
// of an item depend on its bytes, not on its index, and a full pass over the Files table
// of every input would make a run too slow.
constexpr int kVisitedItems = 12;
// Selection lists are drawn for fewer items still: a list is made from the same bytes as
// the value text, and drawing it costs most.
constexpr int kListItems = 2;
// The rules dump covers every item of every section; it is made for one input in this many
// (those whose size is a multiple of it), to keep the run at thousands of inputs a minute.
constexpr std::size_t kDumpEvery = 8;
constexpr std::size_t kCompactWidth = 19;

builder::GameImage namedImage(int release) {
  builder::GameImage image(release);
  image.nameAllItems();
  return image;
}

struct ReleaseTarget {
  explicit ReleaseTarget(int release) : scratch(namedImage(release), kStringAreaSize) {}
  ScratchGame scratch;
  MemoryConsole console;
  EditorContext ed{console, scratch.game, {}};
  std::vector<std::uint8_t> bytes;
};

ReleaseTarget& releaseTarget(int release) {
  static std::array<std::unique_ptr<ReleaseTarget>, kVersionCount> targets;
  auto& target = targets[release];
  if (!target) target = std::make_unique<ReleaseTarget>(release);
  return *target;
}

struct TableRange {
  std::uint32_t offset;
  std::uint32_t size;
};

TableRange tableRange(const Game& game, int section) {
  const SectionTable& table = game.version().table(section);
  return {table.tableOffset, static_cast<std::uint32_t>(table.itemCount) *
                                 static_cast<std::uint32_t>(recordSize(section))};
}

void fillTables(std::vector<std::uint8_t>& bytes, const Game& game, Input payload, bool repeat) {
  if (payload.empty()) return;
  std::size_t next = 0;
  for (int section = kFirstSection; section <= kLastSection; ++section) {
    const TableRange range = tableRange(game, section);
    for (std::uint32_t k = 0; k < range.size; ++k) {
      if (repeat) {
        bytes[range.offset + k] = payload[k % payload.size()];
      } else if (next < payload.size()) {
        bytes[range.offset + k] = payload[next++];
      }
    }
  }
  const std::size_t stringArea = bytes.size() - kStringAreaSize;
  for (std::size_t k = 0; k < kStringAreaSize && k < payload.size(); ++k) {
    bytes[stringArea + k] = payload[k];
  }
}

std::string where(int section, int item, int field) {
  return " (section " + std::to_string(section) + ", item " + std::to_string(item) + ", field " +
         std::to_string(field) + ")";
}

void checkFieldTexts(const Game& game, int section, int item, int field) {
  const std::string compact = valueText(game, section, item, field, true);
  if (compact.size() > kCompactWidth) {
    throw PropertyViolation("compact text \"" + compact + "\" wider than the field pane" +
                            where(section, item, field));
  }
  valueText(game, section, item, field, false);
  const std::string research = valueText(game, section, item, field, true, true);
  if (isBitFlag((*sectionDef(section).fields)[field].type) && research != "0" && research != "1") {
    throw PropertyViolation("research text \"" + research + "\" of a flag" +
                            where(section, item, field));
  }
  const std::string hex = fieldHexText(game, section, item, field, false);
  fieldHexText(game, section, item, field, true);
  if (fieldWidth(section, field) > 0 &&
      std::stoul(hex, nullptr, 16) != readField(game, section, item, field)) {
    throw PropertyViolation("hex text " + hex + " is not the stored value" +
                            where(section, item, field));
  }
}

// Opens the field's list as the edit popup does: built, drawn, the cursor on the value.
void checkFieldList(EditorContext& ed, int section, int item, int field) {
  ViewState& view = ed.view();
  view.pane(kSectionPane) = {0, section, 0, kLastSection};
  view.pane(kItemPane) = {0, item, 0, ed.game.itemCount(section) - 1};
  view.pane(kFieldPane) = {0, field, 0, lastFieldIndex(section)};
  view.pane(kPopupPane) = PaneState{};
  view.fieldTable = sectionDef(section).fields;
  view.previousFocus = kFieldPane;
  view.focus = kPopupPane;
  buildList(ed);
  preselectList(ed);
  const PaneState& popup = view.pane(kPopupPane);
  if (popup.lastIndex < -1 || popup.lastIndex >= kMaxListEntries) {
    throw PropertyViolation("list of " + std::to_string(popup.lastIndex + 1) + " entries" +
                            where(section, item, field));
  }
  if (popup.selected() < 0 || popup.selected() > std::max(popup.lastIndex, 0)) {
    throw PropertyViolation("list cursor on entry " + std::to_string(popup.selected()) + " of " +
                            std::to_string(popup.lastIndex + 1) + where(section, item, field));
  }
}

// The item pane's texts in research mode: each name with the raw value of one field.
void checkResearchItems(EditorContext& ed, int section, int field) {
  ViewState& view = ed.view();
  view.pane(kSectionPane) = {0, section, 0, kLastSection};
  view.pane(kFieldPane) = {0, field, 0, lastFieldIndex(section)};
  view.focus = kItemPane;
  view.researchMode = true;
  loadItemList(ed);
  view.researchMode = false;
}

std::vector<int> visitedItems(int count, int limit) {
  std::vector<int> items;
  for (int item = 0; item < count && item < limit; ++item) items.push_back(item);
  if (count > limit) items.push_back(count - 1);
  return items;
}

}  // namespace

void checkValueTexts(Input input) {
  if (input.empty()) return;
  const int release = input[0] % kVersionCount;
  const bool repeat = (input[0] / kVersionCount) % 2 == 0;
  ReleaseTarget& target = releaseTarget(release);
  const Game& game = target.scratch.game;
  target.bytes = target.scratch.original();
  fillTables(target.bytes, game, input.subspan(1), repeat);
  target.scratch.write(target.bytes);

  const ReadBatch batch(game.file);
  for (int section = kFirstSection; section <= kLastSection; ++section) {
    const int count = game.itemCount(section);
    const int last = lastFieldIndex(section);
    for (int item : visitedItems(count, kVisitedItems)) {
      for (int field = 0; field <= last; ++field) checkFieldTexts(game, section, item, field);
    }
    for (int item : visitedItems(count, kListItems)) {
      for (int field = 0; field <= last; ++field) checkFieldList(target.ed, section, item, field);
    }
    checkResearchItems(target.ed, section, static_cast<int>(input.size() % (last + 1)));
  }
  if (input.size() % kDumpEvery == 0) rulesDumpText(game);
}

}  // namespace vorn::fuzz
