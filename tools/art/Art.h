#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <vector>

namespace art {

struct Picture {
    QString file;
    QImage image;
};

std::vector<Picture> skinPictures();        // skin-caption, skin-border
std::vector<Picture> backgroundPictures();  // background
std::vector<Picture> logoPictures();        // start-logo, start-badge, about-logo, app-icon
std::vector<Picture> iconPictures();        // pointers, buttons, clock, win-icon

// The program's icon for the desktop: the window icon's motif at `size`
// pixels square, and as a scalable picture.
QImage appIconAt(int size);
QByteArray appIconSvg();

// Writes <dir>/<N>x<N>/apps/<id>.png and <dir>/scalable/apps/<id>.svg;
// returns the exit status.
int writeDesktopIcons(const QDir& dir);

}  // namespace art
