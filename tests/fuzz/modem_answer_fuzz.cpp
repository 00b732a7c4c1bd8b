// Fuzz target: libFuzzer's entry in the fuzz build, the replay driver's in every build.
#include "tests/fuzz/fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FeedModemAnswer(data, size);
  return 0;
}
