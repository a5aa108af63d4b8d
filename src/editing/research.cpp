#include "editing/research.h"

#include "screen/main_screen.h"
#include "values/value_text.h"

namespace vorn {

void toggleResearchMode(EditorContext& ed) {
  ed.view().researchMode = !ed.view().researchMode;
  loadItemList(ed);
  drawItemPane(ed);
  refreshValues(ed);
}

void appendResearchValue(EditorContext& ed, int item) {
  std::string& text = ed.view().itemNames[item];
  if (text.size() > researchNameWidth) text.resize(researchNameWidth);
  text.resize(researchNameWidth + 1, ' ');
  const int section = ed.selectedSection();
  const int field = ed.selectedField();
  if (isBitFlag((*sectionDef(section).fields)[field].type)) {
    text += valueText(ed.game, section, item, field, true, true);
  } else {
    text += fieldHexText(ed.game, section, item, field, false);
  }
}

void refreshResearchItem(EditorContext& ed) {
  const int section = ed.selectedSection();
  const int item = ed.selectedItem();
  const int nameField = sectionDef(section).nameField;
  ed.view().itemNames[item] = nameField >= 0 ? valueText(ed.game, section, item, nameField, true)
                                             : itemName(ed.game, section, item);
  appendResearchValue(ed, item);
}

}  // namespace vorn
