// Any bytes as a WAV clip: the parser must stay inside the buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "tests/fuzz/WaveChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!qx::checks::waveStaysInside({data, size})) std::abort();
    return 0;
}
