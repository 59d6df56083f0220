// Turns bytes into a sequence of display-layer calls with arbitrary arguments and checks, after each,
// that the layer absorbed them as it should. Shared by the fuzz target and a seeded unit test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Runs the calls the bytes describe; false, with the first broken rule in *failure, if any.
bool RunCalls(const uint8_t* data, std::size_t size, std::string* failure);

}  // namespace fuzz
