#pragma once

#include <cstdint>

#include "controls/zbbutton/ButtonState.h"
#include "platform/qt/OleColor.h"

namespace qx {

// A colour value as designs store it, turned into 0x00BBGGRR: system colours
// (top bit set) are looked up in the application palette.
RgbColor TranslateColor(OleColor color);

// Lightens (positive amount) or darkens an RGB colour, channel by channel.
// blueScaled scales the blue change by the blue level / 192; invert mirrors
// every channel (255 - value). With avoidBlackWhite a result of pure black or
// pure white is computed once more with the amount negated (0 becomes 64); the
// caller's amount keeps that change.
RgbColor ShiftColor(RgbColor colour, std::int16_t& amount, bool blueScaled = false,
                    bool avoidBlackWhite = false, bool invert = false);

// ShiftColor for a fixed amount the caller does not need back.
RgbColor shiftedColor(RgbColor colour, int amount, bool blueScaled = false);

// The painters' four face colours for the current BackColor, HoverBackColor
// and ButtonStyle.
DerivedColors deriveColors(const ButtonProperties& props);

}  // namespace qx
