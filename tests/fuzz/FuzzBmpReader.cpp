// Any bytes as the game's own 24-bit BMP: nothing decoded without its bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "tests/fuzz/BmpChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!qx::checks::bmpHasItsBytes({data, size})) std::abort();
    return 0;
}
