#include "shell/field_path.h"

#include "ini/profile_reader.h"
#include "model/catalogue.h"
#include "values/value_text.h"

namespace vorn {

namespace {

// "#N" with decimal digits only; -1 when text is not of that form.
int indexForm(std::string_view text) {
  if (text.size() < 2 || text.front() != '#' || text.size() > 7) return -1;
  int n = 0;
  for (char c : text.substr(1)) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

// A label compared without its trailing "*", which marks fields of the shared part of
// units and structures that only the other kind uses.
std::string fieldKey(std::string_view label) {
  std::string text = trimText(label);
  if (!text.empty() && text.back() == '*') text = trimText(text.substr(0, text.size() - 1));
  return upperCase(text);
}

std::string sectionList() {
  std::string text;
  for (int s = kFirstSection; s <= kLastSection; ++s) {
    if (!text.empty()) text += ", ";
    text += sectionDef(s).label;
  }
  return text;
}

}  // namespace

bool sameTrimmedName(std::string_view a, std::string_view b) {
  return upperCase(trimText(a)) == upperCase(trimText(b));
}

std::optional<int> findSection(std::string_view name) {
  for (int s = kFirstSection; s <= kLastSection; ++s) {
    if (sameTrimmedName(sectionDef(s).label, name)) return s;
  }
  return std::nullopt;
}

int findItem(const Game& game, int section, std::string_view name, int count) {
  const int items = game.itemCount(section);
  if (count < 0 || count > items) count = items;
  const int index = indexForm(name);
  if (index >= 0) return index < count ? index : -1;
  const int exact = findItemByName(game, section, name);
  if (exact >= 0 && exact < count) return exact;
  for (int item = 0; item < count; ++item) {
    if (sameTrimmedName(itemName(game, section, item), name)) return item;
  }
  return -1;
}

int findField(int section, std::string_view name) {
  const int last = lastFieldIndex(section);
  const int index = indexForm(name);
  if (index >= 0) return index <= last ? index : -1;
  const std::string wanted = fieldKey(name);
  const FieldTable& fields = *sectionDef(section).fields;
  for (int f = 0; f <= last; ++f) {
    if (fieldKey(fields[f].label) == wanted) return f;
  }
  return -1;
}

std::string fieldPathLabel(int section, int field) {
  std::string label = trimText((*sectionDef(section).fields)[field].label);
  if (!label.empty() && label.back() == '*') {
    label = trimText(label.substr(0, label.size() - 1)) + "*";
  }
  return label;
}

std::string itemPathName(const Game& game, int section, int item) {
  const std::string name = trimText(itemName(game, section, item));
  if (!name.empty() && name.find('/') == std::string::npos &&
      findItem(game, section, name) == item) {
    return name;
  }
  return "#" + std::to_string(item);
}

std::string fieldPathText(const Game& game, const FieldPath& path) {
  return std::string(sectionDef(path.section).label) + "/" +
         itemPathName(game, path.section, path.item) + "/" +
         fieldPathLabel(path.section, path.field);
}

PathResolution resolveFieldPath(const Game& game, std::string_view text) {
  const std::size_t first = text.find('/');
  const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos) {
    return {std::nullopt, "\"" + std::string(text) + "\" is not Section/Item/Field"};
  }
  const std::string_view sectionName = text.substr(0, first);
  const std::optional<int> section = findSection(sectionName);
  if (!section) {
    return {std::nullopt,
            "no section \"" + std::string(sectionName) + "\" (sections: " + sectionList() + ")"};
  }
  const std::string_view rest = text.substr(first + 1);
  const std::string label(sectionDef(*section).label);
  std::string error;
  for (std::size_t cut = rest.find('/'); cut != std::string_view::npos;
       cut = rest.find('/', cut + 1)) {
    const std::string_view itemPart = rest.substr(0, cut);
    const std::string_view fieldPart = rest.substr(cut + 1);
    const int item = findItem(game, *section, itemPart);
    if (item < 0) {
      if (error.empty()) {
        error = "no item \"" + std::string(itemPart) + "\" in " + label + " (items #0..#" +
                std::to_string(game.itemCount(*section) - 1) + ")";
      }
      continue;
    }
    const int field = findField(*section, fieldPart);
    if (field >= 0) return {FieldPath{*section, item, field}, {}};
    if (error.empty() || error.starts_with("no item")) {
      error = "no field \"" + std::string(fieldPart) + "\" in " + label + " (fields #0..#" +
              std::to_string(lastFieldIndex(*section)) + ")";
    }
  }
  return {std::nullopt, error};
}

}  // namespace vorn
