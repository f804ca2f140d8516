#pragma once

#include <array>
#include <span>

#include "engine/Geometry.h"

namespace qx {

// The parts of the play area a repaint changed, so the widget can refresh
// just those: the whole area after a full repaint, the old and the new cell
// of the held piece after a drag step or a turn.
class ChangedArea {
public:
    static ChangedArea whole(int width, int height) {
        ChangedArea area;
        area.add({0, 0, width, height});
        return area;
    }

    // Empty rectangles are left out.
    void add(const PixelRect& r) {
        if (r.w > 0 && r.h > 0 && count_ < static_cast<int>(rects_.size())) rects_[count_++] = r;
    }

    bool empty() const { return count_ == 0; }
    std::span<const PixelRect> rects() const {
        return {rects_.data(), static_cast<std::size_t>(count_)};
    }

private:
    std::array<PixelRect, 2> rects_{};
    int count_ = 0;
};

}  // namespace qx
