#pragma once

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

}  // namespace art
