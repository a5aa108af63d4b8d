// Writes a synthetic sample game file (release 1.07-US, invented values) to the path
// given, so that the editor can be tried without the game.
#include <cstdio>
#include <exception>

#include "builder/game_file_builder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample PATH\n");
    return 2;
  }
  try {
    vorn::builder::makeSampleImage().writeTo(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_sample: %s\n", error.what());
    return 1;
  }
  return 0;
}
