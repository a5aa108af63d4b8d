// The bodies of the fuzz targets. Each takes one input of arbitrary bytes, runs it through
// a part of the editor that reads outside data, and checks what must hold for any input.
// The libFuzzer programs call them, and the test suite runs the seeds and every saved
// crashing input through them, so a fault found once stays caught.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>

namespace vorn::fuzz {

// A checked property that did not hold; the message says which and where.
struct PropertyViolation : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using Input = std::span<const std::uint8_t>;

// The input as profile text read into a sample 1.07-US game: only the bytes of the fields
// that a profile line sets (the key-set fields of the units and structures) may change.
void checkProfileReader(Input input);

// The first byte chooses the release (byte % 6) and how the rest fills the tables of a
// synthetic game of it (byte / 6 % 2: 0 repeats the rest over every table, 1 lays it over
// the tables one after another, beyond the items' names); the rest also fills a string area
// behind the tables. Then every value text, hex text, selection list and research item text
// is made, and for some inputs the whole rules dump.
void checkValueTexts(Input input);

// The input as command line assignments (one per line, at most four) given to the set
// command on a sample 1.07-US game: nothing may change when one is refused, and only the
// bytes of the addressed fields when all are accepted.
void checkSetParser(Input input);

// The input as what the terminal delivers: translated key by key as the terminal console
// does, and read as key presses from the in-memory console (see the .cpp for the format).
void checkKeyTranslation(Input input);

}  // namespace vorn::fuzz
