#pragma once

#include <QImage>
#include <QString>

namespace qx {

// A picture kept inside a property store instead of being named by a
// resource path, as a data address: "data:image/png;base64,..." (PNG keeps
// every pixel, alpha included). An icon or cursor adds ";role=icon" to the
// type, so it reads back as one.
QString pictureDataUrl(const QImage& picture, bool isIcon);

bool isPictureDataUrl(const QString& text);
bool isIconDataUrl(const QString& text);

// The picture a data address holds; null when it is not one or is damaged.
QImage pictureFromDataUrl(const QString& text);

}  // namespace qx
