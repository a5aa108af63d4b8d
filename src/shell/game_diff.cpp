#include "shell/game_diff.h"

#include "model/catalogue.h"
#include "shell/field_path.h"
#include "values/value_text.h"

namespace vorn {

namespace {

// The value as the rules dump writes it.
std::string fieldText(const Game& game, int section, int item, int field) {
  return trimRight(valueText(game, section, item, field, false, false));
}

void diffItems(std::vector<std::string>& lines, const Game& a, const Game& b, int section,
               int itemA, int itemB) {
  const std::string prefix =
      std::string(sectionDef(section).label) + " / " + itemPathName(a, section, itemA) + " / ";
  for (int f = 0; f <= lastFieldIndex(section); ++f) {
    const std::string textA = fieldText(a, section, itemA, f);
    const std::string textB = fieldText(b, section, itemB, f);
    if (textA != textB) {
      lines.push_back(prefix + fieldPathLabel(section, f) + ": " + textA + " -> " + textB);
    }
  }
}

std::string pairingName(const Game& game, int section, int item) {
  return upperCase(trimText(itemName(game, section, item)));
}

void diffSectionByName(std::vector<std::string>& lines, const Game& a, const Game& b, int section,
                       const std::string& nameA, const std::string& nameB) {
  const int countA = a.itemCount(section);
  const int countB = b.itemCount(section);
  std::vector<bool> pairedB(static_cast<std::size_t>(countB), false);
  std::vector<std::string> namesB;
  for (int j = 0; j < countB; ++j) namesB.push_back(pairingName(b, section, j));
  const std::string label(sectionDef(section).label);
  for (int i = 0; i < countA; ++i) {
    const std::string name = pairingName(a, section, i);
    int partner = -1;
    for (int j = 0; j < countB && partner < 0; ++j) {
      if (!pairedB[j] && namesB[j] == name) partner = j;
    }
    if (partner < 0) {
      lines.push_back(label + " / " + itemPathName(a, section, i) + ": only in " + nameA);
      continue;
    }
    pairedB[partner] = true;
    diffItems(lines, a, b, section, i, partner);
  }
  for (int j = 0; j < countB; ++j) {
    if (!pairedB[j]) {
      lines.push_back(label + " / " + itemPathName(b, section, j) + ": only in " + nameB);
    }
  }
}

}  // namespace

std::vector<std::string> diffGames(const Game& a, const Game& b, const std::string& nameA,
                                   const std::string& nameB) {
  const ReadBatch batchA(a.file);
  const ReadBatch batchB(b.file);
  std::vector<std::string> lines;
  const bool sameRelease = a.versionIndex == b.versionIndex;
  for (int section = kFirstSection; section <= kLastSection; ++section) {
    if (sameRelease) {
      for (int item = 0; item < a.itemCount(section); ++item) {
        diffItems(lines, a, b, section, item, item);
      }
    } else {
      diffSectionByName(lines, a, b, section, nameA, nameB);
    }
  }
  return lines;
}

}  // namespace vorn
