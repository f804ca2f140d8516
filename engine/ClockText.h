#pragma once

#include <cstdint>
#include <string>

namespace qx {

// "hh:nn:ss" for a count of seconds: two digits each, hours growing past two
// digits rather than wrapping at a day (36000 -> "10:00:00", 360000 -> "100:00:00").
std::string ClockText(std::int64_t seconds);

}  // namespace qx
