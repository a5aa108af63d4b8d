// libFuzzer entry point; the target's body and its checks are in profile_reader_check.cpp.
#include <cstddef>
#include <cstdint>

#include "fuzz/targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vorn::fuzz::checkProfileReader({data, size});
  return 0;
}
