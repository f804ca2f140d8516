#include "engine/Random.h"

#include <chrono>
#include <ctime>

namespace qx {

double SeededRandom::NextDouble() {
    // The top 53 bits fill the mantissa exactly, so 1.0 is never reached.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

std::uint64_t TimeOfDaySeed() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return static_cast<std::uint64_t>(
        (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 1000 + millis);
}

}  // namespace qx
