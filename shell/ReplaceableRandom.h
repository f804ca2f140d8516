#pragma once

#include <memory>
#include <utility>

#include "engine/Random.h"

namespace qx {

// The scatter's chances, drawn from a source that can be swapped after the
// play rules took a reference to this one: the game seeds from the time of
// day, tests put in a seeded or a failing source.
class ReplaceableRandom final : public RandomSource {
public:
    explicit ReplaceableRandom(std::unique_ptr<RandomSource> source) : source_(std::move(source)) {}

    double NextDouble() override { return source_->NextDouble(); }
    void replace(std::unique_ptr<RandomSource> source) { source_ = std::move(source); }

private:
    std::unique_ptr<RandomSource> source_;
};

}  // namespace qx
