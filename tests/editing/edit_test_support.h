// Test support for the edit popup: choosing a field through the panes, and scripting the
// key that opens the popup together with the keys its editor reads.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/game.h"
#include "shell/keys.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"

namespace vorn::testing {

struct Key {
  std::uint8_t code;
  bool extended;
};
using Keys = std::vector<Key>;

inline Keys typed(std::string_view text) {
  Keys keys;
  for (char c : text) keys.push_back({static_cast<std::uint8_t>(c), false});
  return keys;
}
inline Keys extended(std::uint8_t scanCode) {
  return {{scanCode, true}};
}
inline Keys operator+(Keys a, const Keys& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
// More Backspaces than any old value has characters: the line ends up empty.
inline Keys clearLine() {
  return typed(std::string(12, '\b'));
}

inline void pushKeys(TestEditor& t, const Keys& keys) {
  for (const Key& k : keys) {
    if (k.extended) {
      t.console.pushExtended(k.code);
    } else {
      t.console.pushKey(k.code);
    }
  }
}

// Moves the cursors onto item `item` of section `section` and its field `field`, leaving
// the field pane focused.
inline void selectField(TestEditor& t, int section, int item, int field) {
  for (int i = 0; i < section; ++i) t.pressExtended(key::Down);
  t.pressExtended(key::Right);
  for (int i = 0; i < item; ++i) t.pressExtended(key::Down);
  t.pressExtended(key::Right);
  for (int i = 0; i < field; ++i) t.pressExtended(key::Down);
}

// One main loop step: the opening key, then the keys the editor reads itself.
inline void openAndType(TestEditor& t, const Keys& opener, const Keys& keys) {
  pushKeys(t, opener + keys);
  handleKey(t.ed);
}

inline std::vector<std::uint8_t> fieldBytes(const TestEditor& t, int section, int item, int field,
                                            int width) {
  const std::vector<std::uint8_t> all = t.bytes();
  const std::uint32_t at = fieldAddress(t.open.game, section, item, field);
  return {all.begin() + at, all.begin() + at + width};
}

}  // namespace vorn::testing
