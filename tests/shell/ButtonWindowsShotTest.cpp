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

// An idle, rectangular face of style 0 as drawn by its painter: white light
// along the top and left of the outer ring, black shadow along its right and
// bottom, grey shadow on the middle ring; the face colour inside.
void expectRaisedFaces(QWidget& client, const QImage& shot) {
    const auto buttons = client.findChildren<zbButtons_H*>();
    ASSERT_FALSE(buttons.isEmpty());
    for (zbButtons_H* b : buttons) {
        if (!b->isVisibleTo(&client) || b->width() < 8 || b->height() < 8) continue;
        SCOPED_TRACE(b->objectName().toStdString());
        const QRect r(b->mapTo(&client, QPoint(0, 0)), b->size());
        const auto at = [&](int x, int y) { return QColor(shot.pixel(r.left() + x, r.top() + y)); };
        const int midX = r.width() / 2, midY = r.height() / 2;
        EXPECT_EQ(at(0, midY), QColor(Qt::white)) << "outer left";
        EXPECT_EQ(at(midX, 0), QColor(Qt::white)) << "outer top";
        EXPECT_EQ(at(r.width() - 1, midY), QColor(Qt::black)) << "outer right";
        EXPECT_EQ(at(midX, r.height() - 1), QColor(Qt::black)) << "outer bottom";
        EXPECT_EQ(at(r.width() - 2, midY), QColor(128, 128, 128)) << "middle right";
        EXPECT_EQ(at(midX, r.height() - 2), QColor(128, 128, 128)) << "middle bottom";
    }
}

TEST(ButtonWindows, StartShowsPaintedButtons) {
    QTemporaryDir dir;
    SingleInstanceLock lock(dir.filePath(QStringLiteral("lock")));
    Start start(lock);
    const QImage shot = start.client().grab().toImage();
    saveIfAsked(shot, "Start.png");
    expectRaisedFaces(start.client(), shot);
}

TEST(ButtonWindows, MainWindowShowsPaintedButtons) {
    frmMain window;
    const QImage shot = window.client().grab().toImage();
    saveIfAsked(shot, "frmMain.png");
    expectRaisedFaces(window.client(), shot);
}

TEST(ButtonWindows, WinShowsPaintedButtons) {
    QWidget owner;
    Win win(&owner, QStringLiteral("00:03:27"));
    const QImage shot = win.client().grab().toImage();
    saveIfAsked(shot, "Win.png");
    expectRaisedFaces(win.client(), shot);
}

}  // namespace
}  // namespace qx
