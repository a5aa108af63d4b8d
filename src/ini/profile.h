// The profile: construction and combat values of every unit and structure, matched by
// name so that a profile saved from one release loads into another.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/game.h"
#include "shell/editor.h"

namespace vorn {

// One section of the profile: its name, the comment that names its columns, and the
// fields (of the Units list; Structures has the same fields at the same indices) whose
// values a line holds, in order.
struct ProfileKeySet {
  std::string_view sectionName;
  std::string_view headerText;
  std::array<int, 8> fields;
  int fieldCount;
};

inline constexpr ProfileKeySet constructKeySet{
    "Construct",
    "Name=Cost,BuildTime,HitPoints,Sight,BuildLevel,BuildPriority,TargetPriority,SortPriority",
    {24, 25, 21, 22, 26, 36, 37, 28},
    8};
inline constexpr ProfileKeySet combatKeySet{
    "Combat", "Name=Range,Damage,RateOfFire,Speed", {69, 70, 68, 61, 0, 0, 0, 0}, 4};

// "profile.ini" beside the game file.
std::string profilePath(std::string_view gameFilePath);

// The whole profile as F7 writes it, every line ended by CR LF.
std::string profileText(const Game& game);

// Replaces the file at path by profileText; throws IoError when it cannot be written,
// leaving the file that was there unchanged.
void writeProfile(const Game& game, const std::string& path);

// F8: reads profile.ini beside the game file into the game file, reports "Done." or that
// the file is missing, and redraws the main screen after a key.
void loadProfile(EditorContext& ed);

}  // namespace vorn
