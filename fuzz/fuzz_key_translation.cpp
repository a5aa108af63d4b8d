// libFuzzer entry point; the target's body and its checks are in key_translation_check.cpp.
#include <cstddef>
#include <cstdint>

#include "fuzz/targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vorn::fuzz::checkKeyTranslation({data, size});
  return 0;
}
