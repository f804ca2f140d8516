#include "platform/image/PictureFileFilters.h"

#include <QImageReader>

namespace qx {
namespace {

QString patternsFor(const QStringList& suffixes) {
    QStringList patterns;
    for (const QString& suffix : suffixes) patterns << QStringLiteral("*.") + suffix;
    for (const QString& suffix : suffixes) patterns << QStringLiteral("*.") + suffix.toUpper();
    return patterns.join(QLatin1Char(' '));
}

// The kinds of picture players have, those this machine reads, in lower case
// only (the dialog matches either case), so the filter shows whole.
QString playerPicturePatterns() {
    const QStringList readable = readablePictureSuffixes();
    QStringList patterns;
    for (const char* suffix : {"png", "jpg", "jpeg", "gif", "bmp", "webp", "tif", "tiff"}) {
        if (readable.contains(QLatin1String(suffix)))
            patterns << QStringLiteral("*.") + QLatin1String(suffix);
    }
    return patterns.join(QLatin1Char(' '));
}

}  // namespace

QStringList readablePictureSuffixes() {
    QStringList suffixes;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        suffixes << QString::fromLatin1(format).toLower();
    }
    suffixes.sort();
    suffixes.removeDuplicates();
    return suffixes;
}

QStringList pictureNameFilters() {
    return {
        QStringLiteral("Image Files (") +
            patternsFor({QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("bmp")}) +
            QLatin1Char(')'),
        QStringLiteral("All Pictures (") + playerPicturePatterns() + QLatin1Char(')'),
        QStringLiteral("All Files (*)"),
    };
}

}  // namespace qx
