#pragma once

#include <QImage>
#include <QMenuBar>
#include <QWidget>

#include "platform/skin/WindowSkin.h"

namespace skintest {

// A caption bitmap in which every pixel tells where it came from: the picture
// encodes its own x and y, each glyph cell of the sheet is one colour.
QImage patternCaption(int width = 876, int height = 48);
QColor glyphCellColor(int column, int row);
// A border bitmap whose seven tiles are seven plain colours.
QImage patternBorder();
QColor borderTileColor(int tile);

// The settings of the game's main window, in their order, with the given bitmaps.
qx::WindowSkin gameSkin(const QImage& caption, const QImage& border);

// A window shaped like the main window: a menu bar above a fixed-size client.
struct TestWindow {
    explicit TestWindow(QSize clientSize = QSize(792, 515));
    ~TestWindow();
    QWidget* window;
    QMenuBar* menuBar;
    QWidget* client;
};

}  // namespace skintest
