// The fuzz targets' checks over their seeds and over every input that once made a target
// fail, so that the properties the fuzzers check hold in every test run as well.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/targets.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

const fs::path kFuzzDirectory = fs::path(__FILE__).parent_path().parent_path() / "fuzz";

struct FuzzTarget {
  const char* name;
  void (*check)(fuzz::Input);
};

void PrintTo(const FuzzTarget& target, std::ostream* out) {
  *out << target.name;
}

constexpr FuzzTarget kTargets[] = {
    {"profile_reader", fuzz::checkProfileReader},
    {"value_texts", fuzz::checkValueTexts},
    {"set_parser", fuzz::checkSetParser},
    {"key_translation", fuzz::checkKeyTranslation},
};

std::vector<fs::path> savedInputs(const std::string& target) {
  std::vector<fs::path> files;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path directory = kFuzzDirectory / kind / target;
    if (!fs::is_directory(directory)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
  }
  return files;
}

std::vector<std::uint8_t> fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzRegressions : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzRegressions, SeedsAndSavedCrashesPassTheTargetsChecks) {
  const FuzzTarget& target = GetParam();
  const std::vector<fs::path> inputs = savedInputs(target.name);
  ASSERT_FALSE(inputs.empty()) << "no seeds under " << (kFuzzDirectory / "corpus" / target.name);
  for (const fs::path& path : inputs) {
    const std::vector<std::uint8_t> bytes = fileBytes(path);
    try {
      target.check(bytes);
    } catch (const std::exception& e) {
      ADD_FAILURE() << path << ": " << e.what();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegressions, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<FuzzTarget>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vorn
