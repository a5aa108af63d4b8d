// Test support: the first field of a data type in the catalogue, so that the value tests
// do not depend on where a type happens to sit in a record.
#pragma once

#include <stdexcept>
#include <string>

#include "model/catalogue.h"

namespace vorn::testing {

struct FieldRef {
  int section;
  int field;
};

inline FieldRef firstFieldOfType(int type) {
  for (int section = kFirstSection; section <= kLastSection; ++section) {
    const FieldTable& fields = *sectionDef(section).fields;
    for (int field = 0; field < kFieldTableSize; ++field)
      if (fields[field].type == type) return {section, field};
  }
  throw std::logic_error("no field of type " + std::to_string(type));
}

}  // namespace vorn::testing
