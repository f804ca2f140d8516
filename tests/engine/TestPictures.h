#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "engine/Random.h"
#include "platform/raster/Bitmap.h"

namespace qx::testing {

// A photo stand-in with a different colour at almost every pixel, and a few
// pure white and black pixels as real photos have.
inline Bitmap NoisePicture(int width, int height, std::uint32_t seed = 1) {
    std::mt19937 rng(seed);
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = rng();
            Pixel p = rgb(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
            if ((v >> 24) == 0) p = kWhite;
            if ((v >> 24) == 1) p = kBlack;
            b.setPixel(x, y, p);
        }
    return b;
}

// Hands out the given values in order, then 0; counts what was drawn.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values = {}) : values_(std::move(values)) {}
    double NextDouble() override {
        const double v = draws_ < values_.size() ? values_[draws_] : 0.0;
        ++draws_;
        return v;
    }
    std::size_t draws() const { return draws_; }

private:
    std::vector<double> values_;
    std::size_t draws_ = 0;
};

// Counts the draws of a seeded source.
class CountingRandom final : public RandomSource {
public:
    explicit CountingRandom(std::uint64_t seed) : inner_(seed) {}
    double NextDouble() override {
        ++draws_;
        return inner_.NextDouble();
    }
    std::size_t draws() const { return draws_; }

private:
    SeededRandom inner_;
    std::size_t draws_ = 0;
};

}  // namespace qx::testing
