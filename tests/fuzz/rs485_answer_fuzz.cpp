// libFuzzer target (STANMON_FUZZ=ON, clang).
#include "tests/fuzz/fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FeedRs485Answer(data, size);
  return 0;
}
