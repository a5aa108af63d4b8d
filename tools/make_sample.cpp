// Writes a synthetic sample game file (release 1.07-US unless --release names another;
// invented values) to the path given, so that the editor can be tried without the game.
#include <cstdio>
#include <exception>
#include <string_view>

#include "builder/game_file_builder.h"
#include "model/versions.h"

namespace {

// The index of the release whose key is given, or -1.
int releaseIndex(std::string_view key) {
  for (int index = 0; index < vorn::kVersionCount; ++index) {
    if (vorn::versionCatalogue()[index].key == key) return index;
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  int release = releaseIndex("1.07-US");
  if (argc == 4 && std::string_view(argv[1]) == "--release") {
    release = releaseIndex(argv[2]);
    argv += 2;
    argc -= 2;
  }
  if (argc != 2 || release < 0) {
    std::fprintf(stderr, "usage: make_sample [--release KEY] PATH\n");
    return 2;
  }
  try {
    vorn::builder::makeSampleImage(release).writeTo(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_sample: %s\n", error.what());
    return 1;
  }
  return 0;
}
