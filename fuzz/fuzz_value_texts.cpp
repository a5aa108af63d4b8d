// libFuzzer entry point; the target's body and its checks are in value_texts_check.cpp.
#include <cstddef>
#include <cstdint>

#include "fuzz/targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vorn::fuzz::checkValueTexts({data, size});
  return 0;
}
