#include "controls/zbbutton/ButtonColors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qx {
namespace {

// Nearest integer, halves to the even neighbour.
int roundHalfEven(double v) {
    const double lower = std::floor(v);
    const double diff = v - lower;
    if (diff > 0.5) return static_cast<int>(lower) + 1;
    if (diff < 0.5) return static_cast<int>(lower);
    const int l = static_cast<int>(lower);
    return (l % 2 == 0) ? l : l + 1;
}

RgbColor shiftOnce(std::uint32_t colour, int amount, bool blueScaled, bool invert) {
    int r = static_cast<int>(colour & 0xFFu) + amount;
    // Green and blue are scaled down by 255 and 65280 rather than shifted, so
    // a full channel reads as 256 before the amount is added.
    int g = roundHalfEven(static_cast<double>(colour & 0xFF00u) / 255.0) + amount;
    const int b0 = roundHalfEven(static_cast<double>(colour & 0xFF0000u) / 65280.0);
    int b = blueScaled ? b0 + (amount * b0) / 192 : b0 + amount;
    for (int* c : {&r, &g, &b}) {
        *c = std::clamp(*c, 0, 255);
        if (invert) *c = std::abs(255 - *c);
    }
    return r + g * 256 + b * 65536;
}

bool isBlackOrWhite(RgbColor c) {
    return c == 0 || c == 0xFFFFFF;
}

}  // namespace

RgbColor TranslateColor(OleColor color) {
    if (isSystemColor(color)) return static_cast<RgbColor>(fromQColor(toQColor(color)));
    return static_cast<RgbColor>(color);
}

RgbColor ShiftColor(RgbColor colour, std::int16_t& amount, bool blueScaled, bool avoidBlackWhite,
                    bool invert) {
    const auto bits = static_cast<std::uint32_t>(colour);
    RgbColor result = shiftOnce(bits, amount, blueScaled, invert);
    if (avoidBlackWhite && isBlackOrWhite(result)) {
        // One retry only: an amount large enough to clip to white one way and
        // black the other would otherwise flip back and forth for ever.
        amount = amount == 0
                     ? std::int16_t{64}
                     : static_cast<std::int16_t>(std::min(-static_cast<int>(amount), 32767));
        result = shiftOnce(bits, amount, blueScaled, invert);
    }
    return result;
}

RgbColor shiftedColor(RgbColor colour, int amount, bool blueScaled) {
    auto a = static_cast<std::int16_t>(amount);
    return ShiftColor(colour, a, blueScaled);
}

DerivedColors deriveColors(const ButtonProperties& props) {
    DerivedColors c;
    c.FaceColor = c.PressedFaceColor = TranslateColor(props.BackColor);
    c.HoverFaceColor = TranslateColor(props.HoverBackColor);
    switch (props.ButtonStyle) {
        case 7:
            c.FaceColor = shiftedColor(c.FaceColor, 31);
            c.PressedFaceColor = shiftedColor(0x808080, -16);
            c.HoverFaceColor = shiftedColor(c.HoverFaceColor, 31);
            c.CheckedFaceColor = shiftedColor(0x808080, 16, true);
            break;
        case 2:
            c.FaceColor = shiftedColor(c.FaceColor, 48, true);
            c.PressedFaceColor = shiftedColor(c.FaceColor, -32, true);
            c.HoverFaceColor = shiftedColor(c.HoverFaceColor, 48, true);
            c.CheckedFaceColor = shiftedColor(0xFFFFFF, -32, true);
            break;
        case 3:
            c.PressedFaceColor = shiftedColor(0x808080, 12);
            c.CheckedFaceColor = shiftedColor(c.PressedFaceColor, 31);
            break;
        default:
            c.CheckedFaceColor = shiftedColor(0xFFFFFF, -32);
            break;
    }
    return c;
}

}  // namespace qx
