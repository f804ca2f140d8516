#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "platform/skin/SkinChrome.h"
#include "platform/skin/WindowSkinner.h"

using qx::SkinChrome;
using Glyph = qx::SkinChrome::Glyph;

namespace {

class SkinnedWindow : public ::testing::Test {
protected:
    void SetUp() override {
        skin = skintest::gameSkin(skintest::patternCaption(), skintest::patternBorder());
        qx::WindowSkinner().Skin(t.window, &skin);
        t.window->show();
        QCoreApplication::processEvents();
        chrome = qx::WindowSkinner::chromeOf(t.window);
        ASSERT_NE(chrome, nullptr);
    }

    void click(Glyph glyph) {
        const QPoint at = chrome->glyphRect(glyph).center();
        QTest::mouseMove(chrome, at);
        QTest::mousePress(chrome, Qt::LeftButton, {}, at);
        QTest::mouseRelease(chrome, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }

    skintest::TestWindow t;
    qx::WindowSkin skin;
    SkinChrome* chrome = nullptr;
};

}  // namespace

TEST_F(SkinnedWindow, KeepsItsClientSizeWithTheMenuBarBetweenCaptionAndClient) {
    EXPECT_EQ(t.client->size(), QSize(792, 515));
    EXPECT_EQ(chrome->captionHeight(), 48);
    EXPECT_EQ(chrome->borderWidth(), 4);
    EXPECT_EQ(t.menuBar->geometry().top(), 48);
    EXPECT_EQ(t.client->geometry().topLeft(), QPoint(4, 48 + t.menuBar->height()));
    EXPECT_EQ(t.window->size(), QSize(800, 48 + t.menuBar->height() + 515 + 4));
    EXPECT_EQ(chrome->geometry(), t.window->rect());
}

TEST_F(SkinnedWindow, IsFramelessWithoutMaximiseAndCannotBeResized) {
    EXPECT_TRUE(t.window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(t.window->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize size = t.window->size();
    EXPECT_EQ(t.window->minimumSize(), size);
    EXPECT_EQ(t.window->maximumSize(), size);
    t.window->resize(size + QSize(100, 60));
    QCoreApplication::processEvents();
    EXPECT_EQ(t.window->size(), size);
    EXPECT_EQ(t.client->size(), QSize(792, 515));
}

TEST_F(SkinnedWindow, GlyphsSitRightAlignedInTheCaption) {
    EXPECT_EQ(chrome->glyphRect(Glyph::Close), QRect(759, 20, 19, 20));
    EXPECT_EQ(chrome->glyphRect(Glyph::Maximise), QRect(737, 20, 19, 20));
    EXPECT_EQ(chrome->glyphRect(Glyph::Minimise), QRect(718, 20, 19, 20));
    EXPECT_TRUE(chrome->glyphRect(Glyph::None).isEmpty());
    EXPECT_EQ(chrome->glyphAt(QPoint(760, 25)), Glyph::Close);
    EXPECT_EQ(chrome->glyphAt(QPoint(757, 25)), Glyph::None);
    EXPECT_FALSE(SkinChrome::isEnabled(Glyph::Maximise));
}

TEST_F(SkinnedWindow, CloseGlyphClosesTheWindow) {
    click(Glyph::Close);
    EXPECT_FALSE(t.window->isVisible());
}

TEST_F(SkinnedWindow, ReleasingAwayFromAPressedGlyphDoesNothing) {
    const QPoint at = chrome->glyphRect(Glyph::Close).center();
    QTest::mousePress(chrome, Qt::LeftButton, {}, at);
    QTest::mouseMove(chrome, QPoint(400, 30));
    EXPECT_EQ(chrome->hotGlyph(), Glyph::None);
    QTest::mouseRelease(chrome, Qt::LeftButton, {}, QPoint(400, 30));
    EXPECT_TRUE(t.window->isVisible());
    EXPECT_EQ(chrome->pressedGlyph(), Glyph::None);
}

TEST_F(SkinnedWindow, MinimiseGlyphMinimisesAndMaximiseGlyphIsInert) {
    click(Glyph::Maximise);
    EXPECT_TRUE(t.window->isVisible());
    EXPECT_FALSE(t.window->isMaximized());
    EXPECT_EQ(chrome->pressedGlyph(), Glyph::None);
    click(Glyph::Minimise);
    EXPECT_TRUE(t.window->isMinimized());
}

TEST_F(SkinnedWindow, DraggingTheCaptionMovesTheWindowByTheDragDistance) {
    const QPoint start = t.window->pos();
    QTest::mousePress(chrome, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(chrome, QPoint(260, 40));
    QTest::mouseRelease(chrome, Qt::LeftButton, {}, QPoint(260, 40));
    EXPECT_EQ(t.window->pos(), start + QPoint(60, 30));
    // A plain move afterwards no longer drags.
    QTest::mouseMove(chrome, QPoint(300, 20));
    EXPECT_EQ(t.window->pos(), start + QPoint(60, 30));
}

TEST_F(SkinnedWindow, PressingTheFrameOrADoubleClickDoesNotMoveOrMaximise) {
    const QPoint start = t.window->pos();
    const QPoint onFrame(2, 300);
    QTest::mousePress(chrome, Qt::LeftButton, {}, onFrame);
    QTest::mouseMove(chrome, onFrame + QPoint(30, 30));
    QTest::mouseRelease(chrome, Qt::LeftButton, {}, onFrame + QPoint(30, 30));
    EXPECT_EQ(t.window->pos(), start);
    QTest::mouseDClick(chrome, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_FALSE(t.window->isMaximized());
    EXPECT_EQ(t.window->size().width(), 800);
}

TEST_F(SkinnedWindow, HoverFollowsTheEnabledGlyphsOnly) {
    QTest::mouseMove(chrome, chrome->glyphRect(Glyph::Minimise).center());
    EXPECT_EQ(chrome->hotGlyph(), Glyph::Minimise);
    QTest::mouseMove(chrome, chrome->glyphRect(Glyph::Maximise).center());
    EXPECT_EQ(chrome->hotGlyph(), Glyph::None);
    QTest::mouseMove(chrome, chrome->glyphRect(Glyph::Close).center());
    EXPECT_EQ(chrome->hotGlyph(), Glyph::Close);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chrome, &leave);
    EXPECT_EQ(chrome->hotGlyph(), Glyph::None);
}

TEST_F(SkinnedWindow, SkinningAgainKeepsTheSameChromeAndSize) {
    const QSize size = t.window->size();
    qx::WindowSkinner().Skin(t.window, &skin);
    EXPECT_EQ(t.window->size(), size);
    EXPECT_EQ(t.window->findChildren<SkinChrome*>().size(), 1);
    EXPECT_EQ(t.window->contentsMargins(), chrome->chromeMargins());
}

TEST(WindowSkinner, AWindowWithAnExplicitSizeKeepsThatSizeAsItsContent) {
    QWidget window;
    window.resize(300, 200);
    qx::WindowSkin skin = skintest::gameSkin(skintest::patternCaption(), skintest::patternBorder());
    qx::WindowSkinner().Skin(&window, &skin);
    EXPECT_EQ(window.size(), QSize(308, 200 + 48 + 4));
    EXPECT_EQ(window.contentsRect().size(), QSize(300, 200));
    // The glyphs keep their distance from the right edge at any width.
    auto* chrome = qx::WindowSkinner::chromeOf(&window);
    EXPECT_EQ(chrome->glyphRect(Glyph::Close).right() + 1, 308 - 22);
}

TEST(WindowSkinner, ANullWindowOrSkinIsIgnored) {
    QWidget window;
    qx::WindowSkin skin;
    qx::WindowSkinner().Skin(nullptr, &skin);
    qx::WindowSkinner().Skin(&window, nullptr);
    EXPECT_EQ(qx::WindowSkinner::chromeOf(&window), nullptr);
    EXPECT_FALSE(window.windowFlags() & Qt::FramelessWindowHint);
}

TEST(WindowSkinner, ClosingADeleteOnCloseWindowFromItsGlyphIsSafe) {
    auto* t = new skintest::TestWindow(QSize(200, 100));
    QPointer<QWidget> window = t->window;
    t->window = nullptr;
    delete t;
    window->setAttribute(Qt::WA_DeleteOnClose);
    qx::WindowSkin skin = skintest::gameSkin(skintest::patternCaption(), skintest::patternBorder());
    qx::WindowSkinner().Skin(window, &skin);
    window->show();
    SkinChrome* chrome = qx::WindowSkinner::chromeOf(window);
    const QPoint at = chrome->glyphRect(Glyph::Close).center();
    QTest::mousePress(chrome, Qt::LeftButton, {}, at);
    QTest::mouseRelease(chrome, Qt::LeftButton, {}, at);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}
