#include <gtest/gtest.h>

#include <QWidget>

#include "controls/zbbutton/zbButtons_H.h"

namespace qx {
namespace {

TEST(ButtonShapeWidget, WindowRegionFollowsTheShapeAndANarrowSlantWidens) {
    QWidget form;
    zbButtons_H button(&form);
    button.resize(24, 20);
    button.setButtonShape(1);
    EXPECT_EQ(button.width(), 29);
    EXPECT_EQ(button.state().ContentLeft, 21);
    EXPECT_FALSE(button.mask().contains(QPoint(5, 19)));  // left of the slant
    EXPECT_TRUE(button.mask().contains(QPoint(28, 19)));

    button.resize(60, 30);
    button.setButtonShape(4);
    EXPECT_EQ(button.mask(), EllipticRgn(0, 0, 60, 30));
    EXPECT_EQ(button.state().InnerRegion1, EllipticRgn(1, 1, 59, 29));
}

TEST(ButtonShapeWidget, CaptionIsLaidOutWithTheButtonsFont) {
    QWidget form;
    zbButtons_H button(&form);
    button.resize(100, 30);
    form.show();  // a hidden widget hears of its size only when shown
    button.setCaption(QStringLiteral("Start"));
    const GdiRect caption = button.state().CaptionRect;
    EXPECT_FALSE(caption.isEmpty());
    EXPECT_EQ(caption.left + caption.right, 100);  // centred
    button.setPictureSize(3);
    button.setPicture(QImage(8, 8, QImage::Format_RGB32));
    EXPECT_EQ(button.state().PictureRect, (GdiRect{3, 3, 97, 27}));
}

TEST(ButtonShapeWidget, CustomClickMovesThePressedButtonAndBack) {
    QWidget form;
    zbButtons_H button(&form);
    button.setGeometry(40, 30, 50, 20);
    button.setCustomClick(4);
    const ButtonState& s = button.state();
    const_cast<ButtonState&>(s).StateFlags = kPressed | kHot;
    EXPECT_TRUE(button.CustomClickMove());
    EXPECT_EQ(button.pos(), QPoint(41, 31));
    const_cast<ButtonState&>(s).StateFlags = 0;
    EXPECT_FALSE(button.CustomClickMove());
    EXPECT_EQ(button.pos(), QPoint(40, 30));
}

}  // namespace
}  // namespace qx
