// The constant tables that name field values, the graphics names lists and the name
// lists of the sections without a name field.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/versions.h"

namespace vorn {

struct ValueName {
  std::int32_t value;
  std::string_view name;  // trailing blanks are part of the name
};

using ValueTable = std::span<const ValueName>;

extern const ValueTable noYesNames;
extern const ValueTable foundationNames;
extern const ValueTable palaceAbilityNames;
extern const ValueTable displayModeNames;
extern const ValueTable interruptModeNames;
extern const ValueTable sidebarModeNames;
extern const ValueTable structureGraphicsNames;
extern const ValueTable weaponSoundNames;
extern const ValueTable percentSteps;
extern const ValueTable decayFactorNames;
extern const ValueTable craterNames;

extern const GraphicsNameList graphicsNames355;
extern const GraphicsNameList graphicsNames354;

extern const NameList terrainNames;
extern const NameList musicNames;
extern const NameList demoMusicNames;

// Index of the row whose value equals value (the last one, should two match), or -1.
int findValueName(ValueTable table, std::int32_t value);

}  // namespace vorn
