#include "platform/qt/PictureData.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace qx {
namespace {

const QLatin1String kPrefix("data:image/png");
const QLatin1String kIconRole(";role=icon");
const QLatin1String kBase64(";base64,");

}  // namespace

QString pictureDataUrl(const QImage& picture, bool isIcon) {
    if (picture.isNull()) return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return {};
    return kPrefix + (isIcon ? QString(kIconRole) : QString()) + kBase64 +
           QString::fromLatin1(png.toBase64());
}

bool isPictureDataUrl(const QString& text) {
    return text.startsWith(kPrefix) && text.indexOf(kBase64) > 0;
}

bool isIconDataUrl(const QString& text) {
    if (!isPictureDataUrl(text)) return false;
    const QString type = text.left(text.indexOf(kBase64));
    return type.contains(kIconRole);
}

QImage pictureFromDataUrl(const QString& text) {
    if (!isPictureDataUrl(text)) return {};
    const QByteArray data =
        QByteArray::fromBase64Encoding(text.mid(text.indexOf(kBase64) + kBase64.size()).toLatin1(),
                                       QByteArray::AbortOnBase64DecodingErrors)
            .decoded;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    return reader.read();
}

}  // namespace qx
