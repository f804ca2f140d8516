#pragma once

#include <QStringList>

namespace qx {

// File-name suffixes (lower case, sorted, no dot) of every picture format
// this build can read.
QStringList readablePictureSuffixes();

// Name filters for the picture dialog, in order: "Image Files" with the three
// classic types (preselect this one), "All Pictures" with every readable
// suffix, and "All Files". Each pattern is listed in lower and upper case, so
// PHOTO.JPG shows up in dialogs that match case-sensitively.
QStringList pictureNameFilters();

}  // namespace qx
