#include <QImage>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "platform/qt/OwnPicture.h"
#include "platform/skin/SkinChrome.h"
#include "platform/skin/SkinLayout.h"
#include "platform/skin/WindowSkinner.h"
#include "resources/ResourceCatalog.h"
#include "shell/PlayAreaPointers.h"

namespace {

QImage bitmap(const char* file) {
    return qx::readOwnPicture(qx::resourcePath("bitmaps", QString::fromLatin1(file)))
        .convertToFormat(QImage::Format_ARGB32);
}

struct Expected {
    const char* file;
    int width, height;
    bool transparentSurround;
};

const Expected kBitmaps[] = {
    {"background.png", 783, 515, false},      {"start-logo.png", 333, 286, false},
    {"start-badge.png", 100, 40, false},      {"about-logo.png", 202, 80, false},
    {"skin-caption.png", 876, 48, false},     {"skin-border.png", 70, 10, false},
    {"pointer-normal.png", 32, 32, true},     {"pointer-turn.png", 32, 32, true},
    {"button-new.png", 32, 32, true},         {"button-scatter.png", 24, 24, true},
    {"button-board-color.png", 24, 24, true}, {"button-move-left.png", 24, 24, true},
    {"button-move-right.png", 24, 24, true},  {"button-move-up.png", 24, 24, true},
    {"button-move-down.png", 24, 24, true},   {"clock.png", 16, 16, true},
    {"win-icon.png", 32, 32, true},           {"app-icon.png", 64, 64, true},
};

const QColor kGround(136, 143, 131);

}  // namespace

TEST(GameBitmaps, EveryPictureIsCompiledInAtItsSize) {
    for (const Expected& e : kBitmaps) {
        SCOPED_TRACE(e.file);
        const QImage image = bitmap(e.file);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(e.width, e.height));
        const int lastX = e.width - 1;
        const int lastY = e.height - 1;
        // The caption's glyph sheet is transparent around the glyphs.
        const int solidWidth = QByteArray(e.file) == "skin-caption.png" ? 800 : e.width;
        int opaque = 0;
        for (int y = 0; y < e.height; ++y) {
            for (int x = 0; x < solidWidth; ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
        }
        if (e.transparentSurround) {
            for (QPoint corner : {QPoint(0, lastY), QPoint(lastX, 0), QPoint(lastX, lastY)}) {
                EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
            }
            EXPECT_GT(opaque, e.width * e.height / 8);
        } else {
            EXPECT_EQ(opaque, solidWidth * e.height);
        }
    }
}

TEST(GameBitmaps, BackgroundKeepsThePlayAreaAndTheRightEdgePlain) {
    const QImage image = bitmap("background.png");
    int off = 0;
    for (int y = 16; y <= 496; ++y) {
        for (int x = 140; x <= 764; ++x) off += image.pixelColor(x, y) != kGround;
        for (int x = 772; x < 783; ++x) off += image.pixelColor(x, y) != kGround;
    }
    EXPECT_EQ(off, 0);
    // The control panel stands out from the ground behind the controls.
    EXPECT_NE(image.pixelColor(64, 120), kGround);
    EXPECT_NE(image.pixelColor(64, 420), kGround);
}

TEST(GameBitmaps, PointersHaveTheirHotSpotsOnThePicture) {
    const QImage normal = bitmap("pointer-normal.png");
    EXPECT_GT(qAlpha(normal.pixel(qx::pointers::kNormalHotX, qx::pointers::kNormalHotY)), 100);
    // The tip is the top-left end of the arrow.
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (x < qx::pointers::kNormalHotX || y < qx::pointers::kNormalHotY) {
                EXPECT_LT(qAlpha(normal.pixel(x, y)), 64) << x << "," << y;
            }
        }
    }
    const QImage turn = bitmap("pointer-turn.png");
    EXPECT_EQ(qAlpha(turn.pixel(qx::pointers::kTurnHotX, qx::pointers::kTurnHotY)), 255);
    // The arrows ring the centre.
    EXPECT_EQ(qAlpha(turn.pixel(qx::pointers::kTurnHotX + 10, qx::pointers::kTurnHotY)), 255);
}

// The skinner repeats the band between kStretchFrom and kStretchTo for other
// widths and cuts glyphs from the sheet: the generated caption must fit that.
TEST(GameBitmaps, CaptionBitmapFollowsTheSkinLayout) {
    using namespace qx::skin;
    const QImage caption = bitmap("skin-caption.png");
    for (int x = kStretchFrom + 1; x < kStretchTo; ++x) {
        for (int y = 0; y < kCaptionBitmapHeight; ++y) {
            ASSERT_EQ(caption.pixel(x, y), caption.pixel(kStretchFrom, y)) << x << "," << y;
        }
    }
    for (int row = 0; row < kGlyphRows; ++row) {
        const int top = glyphSheetRowTop(row, kCaptionBitmapHeight, kGlyphHeight);
        for (int column = 0; column < kGlyphColumns; ++column) {
            const int left = kCaptionPictureWidth + column * kGlyphWidth;
            EXPECT_EQ(qAlpha(caption.pixel(left + kGlyphWidth / 2, top + kGlyphHeight / 2)), 255);
            EXPECT_EQ(qAlpha(caption.pixel(left, top)), 0) << "rounded corner " << column;
        }
    }
    // Normal and hot glyphs differ; the disabled maximise looks the same in both rows.
    const int normalTop = glyphSheetRowTop(kNormalRow, kCaptionBitmapHeight, kGlyphHeight);
    const int hotTop = glyphSheetRowTop(kHotRow, kCaptionBitmapHeight, kGlyphHeight);
    auto cell = [&](int column, int top) {
        return caption.copy(kCaptionPictureWidth + column * kGlyphWidth, top, kGlyphWidth,
                            kGlyphHeight);
    };
    EXPECT_NE(cell(kCloseColumn, normalTop), cell(kCloseColumn, hotTop));
    EXPECT_NE(cell(kMinimiseColumn, normalTop), cell(kMinimiseColumn, hotTop));
    EXPECT_EQ(cell(kMaximiseDisabledColumn, normalTop), cell(kMaximiseDisabledColumn, hotTop));
}

TEST(GameBitmaps, TheMainWindowSkinShowsTheCaptionBitmap) {
    skintest::TestWindow t;
    const QImage caption = bitmap("skin-caption.png");
    qx::WindowSkin skin = skintest::gameSkin(caption, bitmap("skin-border.png"));
    qx::WindowSkinner().Skin(t.window, &skin);
    t.window->show();
    const QImage shot = t.window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    using namespace qx::skin;
    const QRect plate(kTitlePlateX, kTitlePlateY, kTitlePlateWidth, kTitlePlateHeight);
    EXPECT_EQ(shot.copy(plate), caption.copy(plate));
    EXPECT_EQ(shot.pixel(kSystemButtonCentreX, kSystemButtonCentreY),
              caption.pixel(kSystemButtonCentreX, kSystemButtonCentreY));
    EXPECT_EQ(t.window->width(), kCaptionPictureWidth);
}
