#include "platform/qt/OwnPicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace qx {

QImage readOwnPicture(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace qx
