#include "platform/qt/OwnPicture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QResource>

#include "platform/qt/StoredPicture.h"

namespace qx {
namespace {

const QLatin1String kDecodedSuffix(".png");
const QLatin1String kStoredSuffix(".pixels");

}  // namespace

QImage readOwnPicture(const QString& path) {
    if (path.endsWith(kDecodedSuffix)) {
        const QResource stored(path.chopped(kDecodedSuffix.size()) + kStoredSuffix);
        if (stored.isValid()) {
            if (stored.compressionAlgorithm() == QResource::NoCompression)
                return stored_picture::decode(stored.data(), stored.size());
            const QByteArray bytes = stored.uncompressedData();
            return stored_picture::decode(reinterpret_cast<const uchar*>(bytes.constData()),
                                          bytes.size())
                .copy();
        }
    }
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace qx
