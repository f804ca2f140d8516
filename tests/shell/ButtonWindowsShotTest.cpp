// The game's three windows with buttons, grabbed as the player sees them:
// every button shows the raised face of its style with its edge rings. With
// QUILTRIX_SHOT_DIR set the grabs are also saved there (Start.png,
// frmMain.png, Win.png) for comparing looks by eye.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "controls/zbbutton/zbButtons_H.h"
#include "platform/qt/SingleInstanceLock.h"
#include "shell/Start.h"
#include "shell/Win.h"
#include "shell/frmMain.h"

namespace qx {
namespace {

void saveIfAsked(const QImage& shot, const char* name) {
    const QString dir = qEnvironmentVariable("QUILTRIX_SHOT_DIR");
    if (!dir.isEmpty()) shot.save(QDir(dir).filePath(QString::fromLatin1(name)));
}

// A rectangular face of style 0 as its painter draws it: black shadow on the
// right and bottom of the outer ring, the light edge along its top and left
// (black too on the default button), a grey or black shadow inside. A
// checked button is sunken: the rings the other way round.
void expectPaintedFaces(QWidget& client, const QImage& shot) {
    const auto buttons = client.findChildren<zbButtons_H*>();
    ASSERT_FALSE(buttons.isEmpty());
    for (zbButtons_H* b : buttons) {
        if (!b->isVisibleTo(&client)) continue;
        SCOPED_TRACE(b->objectName().toStdString());
        const QRect r(b->mapTo(&client, QPoint(0, 0)), b->size());
        const auto at = [&](int x, int y) { return QColor(shot.pixel(r.left() + x, r.top() + y)); };
        const int midX = r.width() / 2, midY = r.height() / 2;
        const QColor light = b->Value() ? QColor(Qt::black) : at(0, midY);
        const QColor shadow = b->Value() ? QColor(Qt::white) : QColor(Qt::black);
        if (b->Value()) {
            EXPECT_EQ(at(0, midY), light) << "outer left";
        }
        EXPECT_EQ(at(midX, 0), light) << "outer top";
        EXPECT_TRUE(light == QColor(Qt::white) || light == QColor(Qt::black));
        EXPECT_EQ(at(r.width() - 1, midY), shadow) << "outer right";
        EXPECT_EQ(at(midX, r.height() - 1), shadow) << "outer bottom";
        if (!b->Value()) {
            const QColor inner = at(r.width() - 2, midY);
            EXPECT_TRUE(inner == QColor(128, 128, 128) || inner == QColor(Qt::black))
                << "middle right";
        }
    }
}

TEST(ButtonWindows, StartShowsPaintedButtons) {
    QTemporaryDir dir;
    SingleInstanceLock lock(dir.filePath(QStringLiteral("lock")));
    Start start(lock);
    const QImage shot = start.client().grab().toImage();
    saveIfAsked(shot, "Start.png");
    expectPaintedFaces(start.client(), shot);
}

TEST(ButtonWindows, MainWindowShowsPaintedButtons) {
    frmMain window;
    const QImage shot = window.client().grab().toImage();
    saveIfAsked(shot, "frmMain.png");
    expectPaintedFaces(window.client(), shot);
}

TEST(ButtonWindows, WinShowsPaintedButtons) {
    QWidget owner;
    Win win(&owner, QStringLiteral("00:03:27"));
    const QImage shot = win.client().grab().toImage();
    saveIfAsked(shot, "Win.png");
    expectPaintedFaces(win.client(), shot);
}

}  // namespace
}  // namespace qx
