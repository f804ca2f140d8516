#include "SkinTestSupport.h"

#include <QVBoxLayout>

namespace skintest {

QColor glyphCellColor(int column, int row) {
    return QColor(40 + column * 50, 200, 10 + row * 90);
}

QImage patternCaption(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < 800 && x < width; ++x) {
            image.setPixel(x, y, qRgb(x % 256, (x / 256) * 50 + y, 77));
        }
    }
    for (int x = 800; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const int column = (x - 800) / 19;
            const int row = y < 24 ? 0 : 1;
            image.setPixel(x, y, glyphCellColor(column, row).rgb());
        }
    }
    return image;
}

QColor borderTileColor(int tile) {
    return QColor(tile * 30, 250 - tile * 30, 128);
}

QImage patternBorder() {
    QImage image(70, 10, QImage::Format_ARGB32);
    for (int x = 0; x < 70; ++x) {
        for (int y = 0; y < 10; ++y) image.setPixel(x, y, borderTileColor(x / 10).rgb());
    }
    return image;
}

qx::WindowSkin gameSkin(const QImage& caption, const QImage& border) {
    qx::WindowSkin skin;
    const QFont font;
    skin.Configure(0, QColor(165, 165, 165), QColor(165, 165, 165), -85, QColor(255, 255, 192),
                   QColor(255, 255, 192), QColor(255, 255, 255), QColor(92, 107, 104), font, font,
                   19, 20, 20, 778, 800, caption, border);
    return skin;
}

TestWindow::TestWindow(QSize clientSize) : window(new QWidget) {
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar = new QMenuBar(window);
    menuBar->addMenu(QStringLiteral("File"));
    menuBar->addMenu(QStringLiteral("Help"));
    client = new QWidget(window);
    client->setFixedSize(clientSize);
    client->setAutoFillBackground(true);
    client->setPalette(QPalette(QColor(136, 143, 131)));
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    window->move(100, 80);
}

TestWindow::~TestWindow() {
    delete window;
}

}  // namespace skintest
