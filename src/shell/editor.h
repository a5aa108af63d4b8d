// The editor's state and the context that every handler works on: the console it draws
// on, the open game file and the state. Passing it by reference (instead of globals) lets
// a test run several editors side by side.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/game.h"
#include "platform/console.h"

namespace vorn {

inline constexpr int kSectionPane = 1;
inline constexpr int kItemPane = 2;
inline constexpr int kFieldPane = 3;
inline constexpr int kPopupPane = 4;

inline constexpr int kMaxListEntries = 801;
inline constexpr int kValueRows = 20;

struct PaneState {
  int cursorRow = 0;
  int topIndex = 0;
  int lastRow = 0;
  int lastIndex = 0;

  int selected() const { return topIndex + cursorRow; }
};

struct ViewState {
  int focus = kSectionPane;
  int previousFocus = kSectionPane;
  std::array<PaneState, 6> panes{};  // indices 1..5 (0 unused)
  const FieldTable* fieldTable = nullptr;
  std::vector<std::string> itemNames = std::vector<std::string>(kMaxListEntries);
  std::array<std::string, kValueRows> valueTexts{};
  std::vector<std::string> listNames = std::vector<std::string>(kMaxListEntries);
  bool researchMode = false;
  bool bitEditMode = false;
  std::string binaryOldValue;  // the spaced hex text of the field when binary editing began

  PaneState& pane(int p) { return panes[p]; }
  const PaneState& pane(int p) const { return panes[p]; }
};

struct EditorState {
  std::string gameFileName;  // upper case, without directory
  std::string gameFilePath;  // full path
  std::uint8_t lastKey = 0;  // 255 ends the main loop
  ViewState view;
  std::string entryMessage;  // outcome of the last typed entry
};

struct EditorContext {
  Console& console;
  Game& game;
  EditorState state;

  ViewState& view() { return state.view; }
  const ViewState& view() const { return state.view; }
  int selectedSection() const { return state.view.pane(kSectionPane).selected(); }
  int selectedItem() const { return state.view.pane(kItemPane).selected(); }
  int selectedField() const { return state.view.pane(kFieldPane).selected(); }
  const FieldDef& selectedFieldDef() const {
    return (*sectionDef(selectedSection()).fields)[selectedField()];
  }
};

}  // namespace vorn
