#include <QApplication>
#include <QCursor>
#include <QTest>
#include <array>
#include <cstdlib>

#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "PaintCounter.h"
#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonPersistence.h"
#include "controls/zbbutton/ButtonPictureDraw.h"
#include "controls/zbbutton/ButtonSnapshot.h"
#include "controls/zbbutton/zbButtons_H.h"

namespace qx {
namespace {

// The option and check buttons of the main window's panel.
const QColor kPanelFace(192, 150, 124);

zbButtons_H* panelButton(QWidget& form, long mode, const QString& caption, int y = 0) {
    auto* b = new zbButtons_H(&form);
    b->ReadProperties(storeOf(R"({"BackStyle": 0, "cBack": "&H007C96C0&",
        "cBhover": "&H008CA7D0&", "LockHover": 1,
        "cFore": "&H00FFFFFF&", "cFHover": "&H00FFFFFF&", "CapAlign": 0,
        "Font": {"Name": "Small Fonts", "Size": 6.75}})"));
    b->setMode(mode);
    b->setCaption(caption);
    b->setGeometry(0, y, 73, 17);
    return b;
}

// Inside the edge rings.
int firstInkColumn(const QImage& image) {
    for (int x = 3; x < image.width() - 3; ++x)
        for (int y = 3; y < image.height() - 3; ++y)
            if (image.pixelColor(x, y).lightness() >= 215) return x;
    return -1;
}

// Hovering needs the button on screen under the cursor.
void hover(zbButtons_H& b, QPoint at = {5, 5}) {
    b.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b.window()));
    QCursor::setPos(b.mapToGlobal(at));
    QTest::mouseMove(&b, at);
    ASSERT_TRUE(b.state().IsHovering);
}

void leave(zbButtons_H& b) {
    QCursor::setPos(b.window()->mapToGlobal(QPoint(150, 150)));
    b.HoverCheck(zbButtons_H::kHoverTimerId);
}

TEST(ButtonLooks, CheckAndOptionValuesShowInADarkerSunkenFace) {
    for (long mode : {zbButtons_H::CheckMode, zbButtons_H::OptionMode}) {
        SCOPED_TRACE(mode);
        QWidget form;
        zbButtons_H* b = panelButton(form, mode, QStringLiteral("HINT IMAGE"));
        const QImage off = b->grab().toImage();
        b->setValue(true);
        const QImage on = b->grab().toImage();

        // Raised: light outer edge at the top-left, black at the bottom-right;
        // sunken: the other way round.
        EXPECT_EQ(off.pixelColor(0, 8), QColor(Qt::white));
        EXPECT_EQ(off.pixelColor(72, 8), QColor(Qt::black));
        EXPECT_EQ(on.pixelColor(0, 8), QColor(Qt::black));
        EXPECT_EQ(on.pixelColor(72, 8), QColor(Qt::white));
        EXPECT_EQ(off.pixelColor(3, 14), kPanelFace);
        EXPECT_LT(on.pixelColor(3, 14).lightness(), kPanelFace.lightness() - 10)
            << "the chosen button sits a clear tone darker, its white caption readable";

        b->setValue(false);
        EXPECT_EQ(b->grab().toImage(), off) << "and clearing the value restores the face";
    }
}

TEST(ButtonLooks, CaptionsStartAtTheEdgeInEveryMode) {
    QWidget form;
    zbButtons_H* command = panelButton(form, zbButtons_H::CommandMode, QStringLiteral("START"));
    zbButtons_H* check = panelButton(form, zbButtons_H::CheckMode, QStringLiteral("START"));
    const int commandText = firstInkColumn(command->grab().toImage());
    EXPECT_GE(commandText, 4);
    EXPECT_LE(commandText, 6);
    EXPECT_EQ(firstInkColumn(check->grab().toImage()), commandText);

    zbButtons_H* pictureOnly = panelButton(form, zbButtons_H::CheckMode, QString());
    pictureOnly->setGeometry(0, 0, 33, 33);
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.setPixel(0, 0, qRgb(255, 0, 255));  // the top-left colour is the background
    pictureOnly->setPicture(picture);
    pictureOnly->setValue(true);
    EXPECT_EQ(pictureOnly->grab().toImage().pixelColor(17, 17), QColor(Qt::blue))
        << "the picture stays centred";
}

TEST(ButtonLooks, HoverPressedAndDisabledAreDistinct) {
    QWidget form;
    form.resize(200, 200);
    zbButtons_H* b = panelButton(form, zbButtons_H::CommandMode, QStringLiteral("Close"));
    b->setShowFocusRect(false);  // the press takes the focus; keep its marks out of the way
    const QImage plain = b->grab().toImage();
    const QPoint faceOnly(60, 8);

    hover(*b);
    const QImage hot = b->grab().toImage();
    EXPECT_NE(hot, plain);
    EXPECT_GT(hot.pixelColor(faceOnly).lightness(), plain.pixelColor(faceOnly).lightness());

    QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});
    const QImage pressed = b->grab().toImage();
    EXPECT_NE(pressed, hot);
    EXPECT_EQ(pressed.pixelColor(71, 8), QColor(128, 128, 128)) << "pressed: a grey inner shadow";
    EXPECT_EQ(pressed.pixelColor(1, 8), pressed.pixelColor(faceOnly))
        << "and no light edge inside the outer one";
    QTest::mouseRelease(b, Qt::LeftButton, {}, {5, 5});

    leave(*b);
    EXPECT_EQ(b->grab().toImage(), plain) << "leaving restores the face";

    b->setEnabled(false);
    const QImage disabled = b->grab().toImage();
    EXPECT_NE(disabled, plain);
    // Grey ink over the brown face: channels close together, darker than the face.
    int grey = 0;
    for (int y = 2; y < 15; ++y)
        for (int x = 2; x < 71; ++x) {
            const QColor c = disabled.pixelColor(x, y);
            grey += std::abs(c.red() - c.blue()) < 24 && c.lightness() < 140;
        }
    EXPECT_GT(grey, 10) << "the caption is greyed";
}

TEST(ButtonLooks, AHoverChangeRepaintsThatButtonOnly) {
    QWidget form;
    form.resize(200, 200);
    zbButtons_H* hovered = panelButton(form, zbButtons_H::CommandMode, QStringLiteral("One"));
    zbButtons_H* other = panelButton(form, zbButtons_H::CommandMode, QStringLiteral("Two"), 40);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    const int otherBefore = other->RedrawCount();
    const int hoveredBefore = hovered->RedrawCount();
    hover(*hovered);
    QApplication::processEvents();
    EXPECT_GT(hovered->RedrawCount(), hoveredBefore);
    EXPECT_EQ(other->RedrawCount(), otherBefore);
    leave(*hovered);
}

// Showing a window delivers the sizes its buttons were given while hidden;
// a face already built for that size is not built again (only painted), a
// new size is built.
TEST(ButtonLooks, ShowingDoesNotRebuildAFaceButResizingDoes) {
    QWidget form;
    form.resize(200, 200);
    auto* b = new zbButtons_H(&form);
    b->setFocusPolicy(Qt::NoFocus);  // no default look coming and going with the focus
    b->setGeometry(0, 0, 73, 17);
    b->ReadProperties(storeOf(R"({"Caption": "One"})"));
    const int built = b->RedrawCount();
    test::PaintCounter paints(*b);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    EXPECT_EQ(b->RedrawCount(), built + paints.count);
    b->resize(90, 21);
    EXPECT_GT(b->RedrawCount(), built + paints.count);
    EXPECT_EQ(b->hdc().width(), 90);
}

// A slanted button too narrow for its content widens itself; set back to
// its design width while hidden, it widens again when shown.
TEST(ButtonLooks, ASlantedButtonSetBackWhileHiddenWidensAgainWhenShown) {
    QWidget form;
    form.resize(200, 200);
    auto* b = new zbButtons_H(&form);
    b->setGeometry(0, 0, 30, 20);
    b->ReadProperties(storeOf(R"({"Shape": 3})"));
    const int widened = b->width();
    ASSERT_GT(widened, 30);
    b->setGeometry(0, 0, 30, 20);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(b->width(), widened);
    EXPECT_EQ(b->hdc().width(), widened);
}

TEST(ButtonLooks, ADisabledCheckStillShowsItsValue) {
    QWidget form;
    zbButtons_H* b = panelButton(form, zbButtons_H::CheckMode, QStringLiteral("HINT IMAGE"));
    b->setEnabled(false);
    const QImage off = b->grab().toImage();
    b->setValue(true);
    EXPECT_NE(b->grab().toImage(), off);
}

TEST(ButtonLooks, HoverUsesTheHoverBackColour) {
    QWidget form;
    form.resize(200, 200);
    auto* b = new zbButtons_H(&form);
    b->ReadProperties(storeOf(R"({"Caption": "Close", "cBack": "&H00838F88&",
            "cBhover": "&H00C0FFFF&", "cFore": "&H00785343&"})"));
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
    hidden->ReadProperties(storeOf(R"({"Focus": false, "Mode": 2,
        "Caption": "Hard", "cBack": "&H007C96C0&"})"));
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

// A custom shape's hover outline is shown over its face and goes with the pointer.
TEST(ButtonLooks, ACustomShapeLosesItsHoverOutlineWhenLeft) {
    QWidget form;
    form.resize(200, 200);
    auto* b = new zbButtons_H(&form);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(0, 0, 100, 40);
    b->ReadProperties(storeOf(R"({"Image": "bitmaps/start-badge.png", "Shape": 8, "ImgSize": 48,
        "cBack": "&H00838F88&", "cBhover": "&H0000FFFF&", "LockHover": 1})"));
    ASSERT_EQ(b->ButtonShape(), 8);
    const QImage idle = b->grab().toImage();
    hover(*b, b->state().OuterRegion.boundingRect().center());
    const QImage hovered = b->grab().toImage();
    const QRect rim = FrameRegion(b->state().OuterRegion).begin()[0];
    EXPECT_EQ(hovered.pixelColor(rim.topLeft()), QColor(255, 255, 0));
    leave(*b);
    EXPECT_EQ(b->grab().toImage(), idle);
}

// Every button of the game shows the pointer over it: its face as drawn
// while hovered differs clearly from its idle face (chosen options and
// ticked checks keep their face, so each is tried unchosen).
TEST(ButtonLooks, EveryGameButtonShowsItIsHovered) {
    for (const DesignButton& design : designButtons()) {
        SCOPED_TRACE(design.name.toStdString());
        ButtonState s;
        StoredPointer pointer;
        readStoredProperties(PropertyBag(design.properties, design.name), {}, s.props, pointer);
        s.props.Value = false;
        s.Width = design.rect.width();
        s.Height = design.rect.height();
        s.colors = deriveColors(s.props);
        RefreshPicture(s, s.props.PictureFromIcon);
        GdiSurface surface;
        drawStandaloneFace(s, surface, QSize(1280, 800));
        const QImage idle = surface.image();
        s.StateFlags = kHot;
        s.IsHovering = true;
        drawStandaloneFace(s, surface, QSize(1280, 800));
        const QImage hovered = surface.image();
        int changed = 0;
        for (int y = 0; y < idle.height(); ++y)
            for (int x = 0; x < idle.width(); ++x) {
                const QColor a = idle.pixelColor(x, y), b = hovered.pixelColor(x, y);
                changed += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                               std::abs(a.blue() - b.blue()) >=
                           24;
            }
        EXPECT_GE(changed, idle.width() * idle.height() / 4);
    }
}

}  // namespace
}  // namespace qx
