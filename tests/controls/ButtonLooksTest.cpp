#include <QApplication>
#include <QEnterEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <array>

#include <gtest/gtest.h>

#include "controls/zbbutton/zbButtons_H.h"

namespace qx {
namespace {

// The option and check buttons of the main window's panel.
const QColor kPanelFace(192, 150, 124);
const QRect kIndicatorArea(2, 2, 13, 14);  // left of where the caption starts

zbButtons_H* panelButton(QWidget& form, long mode, const QString& caption, int y = 0) {
    auto* b = new zbButtons_H(&form);
    b->ReadProperties(
        PropertyBag(QJsonDocument::fromJson(R"({"BackStyle": 0, "cBack": "&H007C96C0&",
        "cFore": "&H00FFFFFF&", "cFHover": "&H00FFFFFF&", "CapAlign": 0,
        "Font": {"Name": "Small Fonts", "Size": 6.75}})")
                        .object(),
                    QStringLiteral("frmTest.opt")));
    b->setMode(mode);
    b->setCaption(caption);
    b->setGeometry(0, y, 73, 17);
    return b;
}

// Pixels of white ink, antialiased edges included.
int countWhite(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).lightness() >= 215) ++n;
    return n;
}

int firstInkColumn(const QImage& image) {
    for (int x = 1; x < image.width() - 1; ++x)
        for (int y = 2; y < image.height() - 2; ++y)
            if (image.pixelColor(x, y).lightness() >= 215) return x;
    return -1;
}

void hover(zbButtons_H& b) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
}

TEST(ButtonLooks, CheckAndOptionValuesShowInAMarkAndADarkerFace) {
    for (long mode : {zbButtons_H::CheckMode, zbButtons_H::OptionMode}) {
        SCOPED_TRACE(mode);
        QWidget form;
        zbButtons_H* b = panelButton(form, mode, QStringLiteral("HINT IMAGE"));
        const QImage off = b->grab().toImage();
        b->setValue(true);
        const QImage on = b->grab().toImage();

        EXPECT_EQ(countWhite(off, kIndicatorArea), 0) << "an empty box or ring";
        EXPECT_GE(countWhite(on, kIndicatorArea), 4) << "a white tick or dot";
        EXPECT_EQ(off.pixelColor(3, 14), kPanelFace);
        EXPECT_LT(on.pixelColor(3, 14).lightness(), kPanelFace.lightness() - 10)
            << "the chosen button sits a clear tone darker";

        b->setValue(false);
        EXPECT_EQ(b->grab().toImage(), off) << "and clearing the value restores the face";
    }
}

TEST(ButtonLooks, OnlyTheChosenGameTypeLooksChosen) {
    QWidget form;
    std::array<zbButtons_H*, 3> options = {
        panelButton(form, zbButtons_H::OptionMode, QStringLiteral("Easy Jigsaw"), 0),
        panelButton(form, zbButtons_H::OptionMode, QStringLiteral("Hard Jigsaw"), 18),
        panelButton(form, zbButtons_H::OptionMode, QStringLiteral("Rectangular"), 36)};
    options[0]->setValue(true);
    auto mark = [&](int i) { return options[i]->grab().toImage().copy(kIndicatorArea); };
    EXPECT_NE(mark(0), mark(1));
    EXPECT_EQ(mark(1), mark(2)) << "the two others look alike";

    QTest::mouseClick(options[2], Qt::LeftButton);
    EXPECT_EQ(mark(0), mark(1)) << "the choice moved: the first looks unchosen now";
    EXPECT_NE(mark(2), mark(1));
}

TEST(ButtonLooks, CommandButtonsAndPictureButtonsHaveNoMark) {
    QWidget form;
    zbButtons_H* command = panelButton(form, zbButtons_H::CommandMode, QStringLiteral("START"));
    zbButtons_H* check = panelButton(form, zbButtons_H::CheckMode, QStringLiteral("START"));
    const int commandText = firstInkColumn(command->grab().toImage());
    EXPECT_GE(commandText, 2);
    EXPECT_LE(commandText, 5) << "a command caption starts at the edge";
    EXPECT_GT(firstInkColumn(check->grab().toImage()), kIndicatorArea.right())
        << "a check caption starts after its box";

    zbButtons_H* pictureOnly = panelButton(form, zbButtons_H::CheckMode, QString());
    pictureOnly->setGeometry(0, 0, 33, 33);
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    pictureOnly->setPicture(picture);
    pictureOnly->setValue(true);
    const QImage down = pictureOnly->grab().toImage();
    EXPECT_EQ(down.pixelColor(17, 17), QColor(Qt::blue)) << "the picture stays centred";
    EXPECT_EQ(countWhite(down, kIndicatorArea), 0);
}

TEST(ButtonLooks, HoverPressedAndDisabledAreDistinct) {
    QWidget form;
    zbButtons_H* b = panelButton(form, zbButtons_H::CommandMode, QStringLiteral("Close"));
    const QImage plain = b->grab().toImage();

    hover(*b);
    const QImage hot = b->grab().toImage();
    EXPECT_NE(hot, plain) << "hover shows even when the hover colour is the face colour";
    EXPECT_GT(hot.pixelColor(4, 8).lightness(), plain.pixelColor(4, 8).lightness());

    QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});
    const QImage pressed = b->grab().toImage();
    EXPECT_NE(pressed, hot);
    EXPECT_LT(pressed.pixelColor(0, 0).lightness(), pressed.pixelColor(0, 16).lightness())
        << "pressed: the shadow moves to the top-left edge";
    QTest::mouseRelease(b, Qt::LeftButton, {}, {5, 5});

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
    EXPECT_EQ(b->grab().toImage(), plain) << "leaving restores the face";

    b->setEnabled(false);
    const QImage disabled = b->grab().toImage();
    EXPECT_NE(disabled, plain);
    EXPECT_EQ(countWhite(disabled, b->rect().adjusted(1, 1, -1, -1)), 0) << "the caption is greyed";
}

TEST(ButtonLooks, ADisabledCheckStillShowsItsValue) {
    QWidget form;
    zbButtons_H* b = panelButton(form, zbButtons_H::CheckMode, QStringLiteral("HINT IMAGE"));
    b->setEnabled(false);
    const QImage off = b->grab().toImage().copy(kIndicatorArea);
    b->setValue(true);
    EXPECT_NE(b->grab().toImage().copy(kIndicatorArea), off);
}

TEST(ButtonLooks, HoverUsesTheHoverBackColour) {
    QWidget form;
    auto* b = new zbButtons_H(&form);
    b->ReadProperties(
        PropertyBag(QJsonDocument::fromJson(R"({"Caption": "Close", "cBack": "&H00838F88&",
            "cBhover": "&H00C0FFFF&", "cFore": "&H00785343&"})")
                        .object(),
                    QStringLiteral("Win.cmdClose")));
    b->setGeometry(0, 0, 65, 21);
    EXPECT_EQ(b->grab().toImage().pixelColor(4, 10), QColor(136, 143, 131));
    hover(*b);
    EXPECT_EQ(b->grab().toImage().pixelColor(4, 10), QColor(255, 255, 192));
}

TEST(ButtonLooks, TheFocusRectangleFollowsFocusAndItsSetting) {
    QWidget form;
    form.resize(200, 100);
    zbButtons_H* shown = panelButton(form, zbButtons_H::OptionMode, QStringLiteral("Easy"), 0);
    zbButtons_H* hidden = panelButton(form, zbButtons_H::OptionMode, QStringLiteral("Hard"), 20);
    hidden->ReadProperties(PropertyBag(QJsonDocument::fromJson(R"({"Focus": false, "Mode": 2,
        "Caption": "Hard", "cBack": "&H007C96C0&"})")
                                           .object(),
                                       QStringLiteral("frmTest.opt")));
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    hidden->setFocus();
    ASSERT_TRUE(hidden->hasFocus());
    const QImage shownUnfocused = shown->grab().toImage();
    const QImage hiddenFocused = hidden->grab().toImage();
    shown->setFocus();
    ASSERT_TRUE(shown->hasFocus());
    EXPECT_NE(shown->grab().toImage(), shownUnfocused) << "a focused button shows the rectangle";
    EXPECT_EQ(hidden->grab().toImage(), hiddenFocused)
        << "one with ShowFocusRect off never showed it";
    hidden->setFocus();
    EXPECT_EQ(shown->grab().toImage(), shownUnfocused) << "the rectangle goes with the focus";
}

}  // namespace
}  // namespace qx
