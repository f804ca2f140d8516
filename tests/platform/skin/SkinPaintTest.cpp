#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "platform/skin/SkinChrome.h"
#include "platform/skin/WindowSkinner.h"

using Glyph = qx::SkinChrome::Glyph;
using skintest::borderTileColor;
using skintest::glyphCellColor;

namespace {

QColor shade(QColor c, int by) {
    auto ch = [by](int v) { return std::clamp(v + by, 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

class SkinPixels : public ::testing::Test {
protected:
    void skin(QWidget* window, const qx::WindowSkin& settings) {
        skin_ = settings;
        qx::WindowSkinner().Skin(window, &skin_);
        window->show();
        QCoreApplication::processEvents();
        chrome = qx::WindowSkinner::chromeOf(window);
    }
    QColor at(QWidget* window, int x, int y) { return window->grab().toImage().pixelColor(x, y); }
    QColor glyphPixel(QWidget* window, Glyph glyph) {
        const QPoint c = chrome->glyphRect(glyph).center();
        return at(window, c.x(), c.y());
    }

    const QImage caption = skintest::patternCaption();
    qx::WindowSkin skin_;
    qx::SkinChrome* chrome = nullptr;
};

}  // namespace

TEST_F(SkinPixels, CaptionAndGlyphsComeFromTheCaptionBitmap) {
    skintest::TestWindow t;
    skin(t.window, skintest::gameSkin(caption, skintest::patternBorder()));
    const QImage shot = t.window->grab().toImage();
    for (QPoint p : {QPoint(1, 1), QPoint(26, 24), QPoint(400, 30), QPoint(600, 5), QPoint(798, 46),
                     QPoint(700, 19)}) {
        EXPECT_EQ(shot.pixelColor(p), caption.pixelColor(p)) << p.x() << "," << p.y();
    }
    EXPECT_EQ(glyphPixel(t.window, Glyph::Minimise), glyphCellColor(0, 0));
    EXPECT_EQ(glyphPixel(t.window, Glyph::Maximise), glyphCellColor(3, 0));
    EXPECT_EQ(glyphPixel(t.window, Glyph::Close), glyphCellColor(2, 0));
}

TEST_F(SkinPixels, OutlineAndFrameTilesSurroundTheWindow) {
    skintest::TestWindow t;
    skin(t.window, skintest::gameSkin(caption, skintest::patternBorder()));
    const QImage shot = t.window->grab().toImage();
    const int w = shot.width();
    const int h = shot.height();
    const QColor outline(165, 165, 165);
    for (QPoint p : {QPoint(0, 0), QPoint(w - 1, 20), QPoint(300, h - 1), QPoint(0, h / 2)}) {
        EXPECT_EQ(shot.pixelColor(p), outline) << p.x() << "," << p.y();
    }
    EXPECT_EQ(shot.pixelColor(2, 300), borderTileColor(0));
    EXPECT_EQ(shot.pixelColor(w - 3, 300), borderTileColor(1));
    EXPECT_EQ(shot.pixelColor(400, h - 3), borderTileColor(2));
    EXPECT_EQ(shot.pixelColor(2, h - 3), borderTileColor(3));
    EXPECT_EQ(shot.pixelColor(7, h - 3), borderTileColor(3));
    EXPECT_EQ(shot.pixelColor(w - 3, h - 3), borderTileColor(4));
    EXPECT_EQ(shot.pixelColor(2, 50), borderTileColor(5));
    EXPECT_EQ(shot.pixelColor(w - 3, 50), borderTileColor(6));
    // The frame never paints over the client.
    EXPECT_EQ(shot.pixelColor(t.client->geometry().topLeft() + QPoint(3, 3)),
              QColor(136, 143, 131));
}

TEST_F(SkinPixels, HotAndPressedGlyphsUseTheHotRowAndThePressedShade) {
    skintest::TestWindow t;
    skin(t.window, skintest::gameSkin(caption, skintest::patternBorder()));
    const QPoint close = chrome->glyphRect(Glyph::Close).center();
    QTest::mouseMove(chrome, close);
    EXPECT_EQ(glyphPixel(t.window, Glyph::Close), glyphCellColor(2, 1));
    EXPECT_EQ(glyphPixel(t.window, Glyph::Minimise), glyphCellColor(0, 0));
    QTest::mousePress(chrome, Qt::LeftButton, {}, close);
    EXPECT_EQ(glyphPixel(t.window, Glyph::Close), shade(glyphCellColor(2, 1), -85));
    // Sliding off the pressed glyph shows it normal again.
    QTest::mouseMove(chrome, QPoint(400, 30));
    EXPECT_EQ(glyphPixel(t.window, Glyph::Close), glyphCellColor(2, 0));
    QTest::mouseRelease(chrome, Qt::LeftButton, {}, QPoint(400, 30));
    QTest::mouseMove(chrome, chrome->glyphRect(Glyph::Maximise).center());
    EXPECT_EQ(glyphPixel(t.window, Glyph::Maximise), glyphCellColor(3, 0));
}

TEST_F(SkinPixels, NarrowerWindowsKeepBothEndsOfTheCaptionPicture) {
    QWidget window;
    window.resize(392, 100);
    skin(&window, skintest::gameSkin(caption, skintest::patternBorder()));
    const QImage shot = window.grab().toImage();
    ASSERT_EQ(shot.width(), 400);
    EXPECT_EQ(shot.pixelColor(30, 24), caption.pixelColor(30, 24));
    EXPECT_EQ(shot.pixelColor(250, 10), caption.pixelColor(250, 10));
    // The right 100 pixels are the picture's right end, glyph area included.
    EXPECT_EQ(shot.pixelColor(399 - 40, 10), caption.pixelColor(799 - 40, 10));
    EXPECT_EQ(glyphPixel(&window, Glyph::Close), glyphCellColor(2, 0));
}

TEST_F(SkinPixels, WiderWindowsRepeatThePlainBar) {
    QWidget window;
    window.resize(1092, 100);
    skin(&window, skintest::gameSkin(caption, skintest::patternBorder()));
    const QImage shot = window.grab().toImage();
    ASSERT_EQ(shot.width(), 1100);
    EXPECT_EQ(shot.pixelColor(100, 10), caption.pixelColor(100, 10));
    EXPECT_EQ(shot.pixelColor(540 + 160 + 5, 10), caption.pixelColor(540 + 5, 10));
    EXPECT_EQ(shot.pixelColor(1099 - 50, 12), caption.pixelColor(799 - 50, 12));
}

TEST_F(SkinPixels, TitleTextIsWrittenOnlyWhenTheSkinAsksForIt) {
    skintest::TestWindow t;
    t.window->setWindowTitle(QStringLiteral("Quiltrix"));
    qx::WindowSkin settings = skintest::gameSkin(caption, skintest::patternBorder());
    skin(t.window, settings);
    const QRect titleArea(54, 1, 200, 46);  // inside the outline
    EXPECT_EQ(t.window->grab().toImage().copy(titleArea).convertToFormat(QImage::Format_RGB32),
              caption.copy(titleArea).convertToFormat(QImage::Format_RGB32));

    const QFont font;
    settings.Configure(1, QColor(165, 165, 165), QColor(165, 165, 165), -85, QColor(255, 255, 192),
                       QColor(255, 255, 192), Qt::white, QColor(92, 107, 104), font, font, 19, 20,
                       20, 778, 800, caption, skintest::patternBorder());
    skin(t.window, settings);
    const QImage titled = t.window->grab().toImage().copy(titleArea);
    int yellow = 0;
    for (int y = 0; y < titled.height(); ++y) {
        for (int x = 0; x < titled.width(); ++x) {
            const QColor c = titled.pixelColor(x, y);
            yellow += c.red() > 230 && c.green() > 230 && c.blue() > 150 && c.blue() < 230;
        }
    }
    EXPECT_GT(yellow, 20);
}

TEST_F(SkinPixels, WithoutBitmapsThePlainColoursStandIn) {
    skintest::TestWindow t(QSize(300, 100));
    skin(t.window, skintest::gameSkin(QImage(), QImage()));
    EXPECT_EQ(chrome->captionHeight(), qx::WindowSkin::kPlainCaptionHeight);
    EXPECT_EQ(t.client->size(), QSize(300, 100));
    EXPECT_EQ(at(t.window, 150, 10), QColor(92, 107, 104));
    EXPECT_EQ(at(t.window, 2, 60), QColor(92, 107, 104));
    QTest::mouseMove(chrome, chrome->glyphRect(Glyph::Close).center());
    EXPECT_EQ(at(t.window, 150, 10), QColor(92, 107, 104));
}
