#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

#include "controls/zbbutton/ButtonColors.h"

namespace qx {
namespace {

constexpr RgbColor rgb(int r, int g, int b) {
    return r + g * 256 + b * 65536;
}

TEST(ButtonColors, TranslateColorLooksUpSystemColoursAndKeepsRgb) {
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(TranslateColor(kButtonFace),
              static_cast<RgbColor>(fromQColor(palette.color(QPalette::Button))));
    EXPECT_EQ(TranslateColor(kButtonText),
              static_cast<RgbColor>(fromQColor(palette.color(QPalette::ButtonText))));
    EXPECT_EQ(TranslateColor(0x007C96C0u), 0x007C96C0);
}

struct ShiftCase {
    RgbColor colour;
    int amount;
    bool blueScaled;
    RgbColor expected;
};

TEST(ButtonColors, ShiftColorRoundsGreenAndBlueThroughTheirOddDivisors) {
    const ShiftCase cases[] = {
        {0xFFFFFF, -32, false, rgb(223, 224, 224)},
        {0xFFFFFF, -32, true, rgb(223, 224, 214)},
        // 128 * 256 / 255 = 128.5 and a bit: a half-grey gains one on green and blue.
        {0x808080, 0, false, rgb(128, 129, 129)},
        {0x7F7F7F, 0, false, rgb(127, 127, 127)},
        {0x808080, -16, false, rgb(112, 113, 113)},
        {0x808080, 16, true, rgb(144, 145, 139)},
        // The blue change scales towards zero, also for negative amounts.
        {rgb(176, 177, 161), -32, true, rgb(144, 146, 135)},
        {0x000000, 48, true, rgb(48, 48, 0)},
        {0x000000, -10, false, 0},
        {0xFFFFFF, 100, false, 0xFFFFFF},
    };
    for (const ShiftCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.colour << " " << std::dec << c.amount);
        std::int16_t amount = static_cast<std::int16_t>(c.amount);
        EXPECT_EQ(ShiftColor(c.colour, amount, c.blueScaled), c.expected);
        EXPECT_EQ(amount, c.amount);
    }
}

TEST(ButtonColors, InvertMirrorsEveryChannelAfterClamping) {
    std::int16_t amount = -32;
    EXPECT_EQ(ShiftColor(0xFFFFFF, amount, false, false, true), rgb(32, 31, 31));
}

TEST(ButtonColors, AvoidingBlackOrWhiteRetriesOnceWithTheAmountTurnedRound) {
    std::int16_t amount = -64;
    EXPECT_EQ(ShiftColor(0x202020, amount, false, true), rgb(96, 96, 96));
    EXPECT_EQ(amount, 64);

    amount = 0;  // no change gives white: zero becomes 64, which clips to white again
    EXPECT_EQ(ShiftColor(0xFFFFFF, amount, false, true), 0xFFFFFF);
    EXPECT_EQ(amount, 64);

    // Clipping to white one way and to black the other must still end.
    amount = 300;
    EXPECT_EQ(ShiftColor(0x808080, amount, false, true), 0);
    EXPECT_EQ(amount, -300);

    amount = 20;  // not black or white: no retry, amount untouched
    EXPECT_EQ(ShiftColor(0x101010, amount, false, true), rgb(36, 36, 36));
    EXPECT_EQ(amount, 20);
}

TEST(ButtonColors, DerivedColoursPerStyle) {
    ButtonProperties p;
    p.BackColor = 0x808080;
    p.HoverBackColor = 0x000000;

    p.ButtonStyle = 2;
    DerivedColors c = deriveColors(p);
    EXPECT_EQ(c.FaceColor, rgb(176, 177, 161));
    EXPECT_EQ(c.PressedFaceColor, rgb(144, 146, 135));  // from the shifted face
    EXPECT_EQ(c.HoverFaceColor, rgb(48, 48, 0));
    EXPECT_EQ(c.CheckedFaceColor, rgb(223, 224, 214));

    p.ButtonStyle = 7;
    c = deriveColors(p);
    EXPECT_EQ(c.FaceColor, rgb(159, 160, 160));
    EXPECT_EQ(c.PressedFaceColor, rgb(112, 113, 113));
    EXPECT_EQ(c.HoverFaceColor, rgb(31, 31, 31));
    EXPECT_EQ(c.CheckedFaceColor, rgb(144, 145, 139));

    p.ButtonStyle = 3;
    c = deriveColors(p);
    EXPECT_EQ(c.FaceColor, 0x808080);
    EXPECT_EQ(c.PressedFaceColor, rgb(140, 141, 141));
    EXPECT_EQ(c.HoverFaceColor, 0);
    EXPECT_EQ(c.CheckedFaceColor, rgb(171, 173, 173));

    for (long style : {0L, 1L, 4L, 5L, 6L}) {
        p.ButtonStyle = style;
        c = deriveColors(p);
        EXPECT_EQ(c.FaceColor, 0x808080);
        EXPECT_EQ(c.PressedFaceColor, 0x808080);
        EXPECT_EQ(c.HoverFaceColor, 0);
        EXPECT_EQ(c.CheckedFaceColor, rgb(223, 224, 224));
    }

    p.BackColor = kButtonFace;  // system colours are looked up first
    p.ButtonStyle = 0;
    EXPECT_EQ(deriveColors(p).FaceColor, TranslateColor(kButtonFace));
}

}  // namespace
}  // namespace qx
