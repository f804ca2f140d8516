#pragma once

#include <cstdint>
#include <random>

namespace qx {

// Where a scatter takes its chances from: uniform doubles in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double NextDouble() = 0;
};

// Reproducible for a given seed, so tests and tools can replay a scatter.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    double NextDouble() override;

private:
    std::mt19937_64 engine_;
};

// Milliseconds since local midnight: the game seeds its generator with this.
std::uint64_t TimeOfDaySeed();

}  // namespace qx
