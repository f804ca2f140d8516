#pragma once

#include <QColor>
#include <cstdint>

namespace qx {

// Colours as designs store them: 0x00BBGGRR, or with the top bit set the
// index of a system colour in the low byte.
using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000u;
inline constexpr OleColor kButtonFace = 0x8000000Fu;  // system colour 15
inline constexpr OleColor kButtonText = 0x80000012u;  // system colour 18

constexpr OleColor oleRgb(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr bool isSystemColor(OleColor c) {
    return (c & kSystemColorFlag) != 0;
}

// The colour to draw with; system colours come from the application palette.
QColor toQColor(OleColor color);
OleColor fromQColor(const QColor& color);

}  // namespace qx
