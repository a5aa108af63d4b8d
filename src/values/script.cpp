// Animation scripts of structures. An AnimScript field holds, in its upper 16 bits, the
// paragraph (16-byte unit of the loaded program image) where the script begins; the script
// is a run of 16-bit steps, a 4-bit opcode and a 12-bit argument each, ending with the first
// step that removes, stops, loops or jumps.
#include "values/script.h"

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

#include "values/value_text.h"

namespace vorn {

namespace {

struct ScriptOpcode {
  int code;
  bool endsScript;
  bool hasArgument;
  std::string_view mnemonic;
  std::string_view description;  // shown padded to kDescriptionWidth
};

constexpr std::size_t kDescriptionWidth = 24;

constexpr std::array<ScriptOpcode, 10> kScriptOpcodes{{
    {0, true, false, "RM", "Remove from map (#1)"},
    {1, true, false, "ST", "Stop animation"},
    {2, false, false, "??", "Unknown"},
    {3, false, true, "WT", "Wait for amount of time"},
    {4, true, false, "LP", "Loop (Jump to step 0)"},
    {5, false, true, "SN", "Play Sound with ID"},
    {6, false, true, "FR", "Change graphics frame to"},
    {7, true, true, "JM", "Jump back # script steps"},
    {8, false, true, "ID", "Change graphics ID to"},
    {9, true, false, "RM", "Remove from map (dup)"},
}};

constexpr bool opcodesAreWellFormed() {
  for (std::size_t i = 0; i < kScriptOpcodes.size(); ++i) {
    if (kScriptOpcodes[i].code != static_cast<int>(i)) return false;
    if (kScriptOpcodes[i].description.size() > kDescriptionWidth) return false;
  }
  return true;
}
static_assert(opcodesAreWellFormed());

// Opcodes 10..15 are unknown to the editor; they read like the unknown opcode 2.
constexpr int kUnknownOpcode = 2;

const ScriptOpcode& opcodeRow(int opcode) {
  const bool known = opcode >= 0 && opcode < static_cast<int>(kScriptOpcodes.size());
  return kScriptOpcodes[known ? opcode : kUnknownOpcode];
}

}  // namespace

std::uint32_t scriptParagraph(const Game& game, int section, int item, int field) {
  return game.file.readLittleEndian(fieldAddress(game, section, item, field) + 2, 2);
}

std::uint16_t readScriptWord(const Game& game, std::uint32_t paragraph, int n) {
  const std::uint32_t offset =
      game.version().loadImageOffset + paragraph * 16 + 2 * static_cast<std::uint32_t>(n);
  return static_cast<std::uint16_t>(game.file.readLittleEndian(offset, 2));
}

ScriptStep readScriptStep(const Game& game, std::uint32_t paragraph, int n) {
  const std::uint16_t word = readScriptWord(game, paragraph, n);
  int argument = word & 0x0FFF;
  if (argument > 2048) argument -= 4096;
  return {word >> 12, argument};
}

int lastScriptStep(const Game& game, std::uint32_t paragraph) {
  if (paragraph == 0) return -1;
  // Terminates: beyond the end of the file every word reads 0, which is a removing step.
  for (int n = 0;; ++n) {
    const ScriptStep step = readScriptStep(game, paragraph, n);
    if (step.opcode >= static_cast<int>(kScriptOpcodes.size())) return n;
    if (kScriptOpcodes[step.opcode].endsScript) return n;
  }
}

std::string scriptStepText(const Game& game, std::uint32_t paragraph, int n, bool shortForm) {
  if (paragraph == 0) return std::string();
  const ScriptStep step = readScriptStep(game, paragraph, n);
  const ScriptOpcode& row = opcodeRow(step.opcode);
  std::string text;
  if (shortForm) {
    text = std::string(row.mnemonic);
  } else {
    text = std::string(row.description);
    text.resize(kDescriptionWidth, ' ');
    text += "   ";
  }
  // A jump stores its distance as a negative number; every argument is shown unsigned.
  if (row.hasArgument) text += std::to_string(std::abs(step.argument));
  return text;
}

std::string scriptText(const Game& game, int section, int item, int field) {
  const std::uint32_t paragraph = scriptParagraph(game, section, item, field);
  const int last = lastScriptStep(game, paragraph);
  std::string text;
  for (int n = 0; text.size() < kMaxTextLength; ++n) {
    const std::string step = scriptStepText(game, paragraph, n, true);
    if (step.empty()) break;
    appendText(text, step);
    appendText(text, " ");
    if (n == last) break;
  }
  return text.empty() ? "None" : text;
}

}  // namespace vorn
