// Seeded random call sequences through the display layer, the fuzz target's decoder in the normal suite.
#include "tests/fuzz/calls.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

TEST(RandomCalls, LayerAbsorbsArbitraryArguments) {
  std::mt19937 random(20261211);
  for (int run = 0; run < 300; ++run) {
    std::vector<uint8_t> bytes(1 + random() % 4096);
    for (auto& b : bytes) b = static_cast<uint8_t>(random());
    std::string failure;
    ASSERT_TRUE(fuzz::RunCalls(bytes.data(), bytes.size(), &failure)) << "run " << run << ": " << failure;
  }
}
