// Fuzz target: libFuzzer's entry in the fuzz build, the replay driver's in every build.
#include "tests/fuzz/plan_file_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FeedPlanFile(data, size);
  return 0;
}
