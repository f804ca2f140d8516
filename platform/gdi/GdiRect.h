#pragma once

namespace qx {

// A rectangle the way GDI keeps one: left and top inside, right and bottom
// one past the last column and row. Width and height are right - left and
// bottom - top; QRect's inclusive right() and bottom() never enter here.
struct GdiRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    GdiRect translated(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }

    friend bool operator==(const GdiRect&, const GdiRect&) = default;
};

}  // namespace qx
