// Decoding of the animation scripts that AnimScript fields point to.
#pragma once

#include <cstdint>
#include <string>

#include "model/game.h"

namespace vorn {

struct ScriptStep {
  int opcode;    // top 4 bits of the word
  int argument;  // low 12 bits, above 2048 taken as negative
};

inline constexpr std::uint16_t kScriptFillerWord = 0xF314;

std::uint32_t scriptParagraph(const Game& game, int section, int item, int field);
ScriptStep readScriptStep(const Game& game, std::uint32_t paragraph, int n);
std::uint16_t readScriptWord(const Game& game, std::uint32_t paragraph, int n);
int lastScriptStep(const Game& game, std::uint32_t paragraph);
std::string scriptStepText(const Game& game, std::uint32_t paragraph, int n, bool shortForm);
std::string scriptText(const Game& game, int section, int item, int field);

}  // namespace vorn
