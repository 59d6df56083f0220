// libFuzzer entry point: arbitrary display-layer calls must neither crash nor break the layer's rules.
#include "tests/fuzz/calls.h"

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string failure;
  if (!fuzz::RunCalls(data, size, &failure)) {
    std::fprintf(stderr, "display fuzz: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
