#include "platform/image/PictureFileFilters.h"

#include <QImageReader>

namespace qx {
namespace {

QString patternsFor(const QStringList& suffixes) {
    QStringList patterns;
    for (const QString& suffix : suffixes) patterns << "*." + suffix;
    for (const QString& suffix : suffixes) patterns << "*." + suffix.toUpper();
    return patterns.join(' ');
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
        "Image Files (" + patternsFor({"gif", "jpg", "bmp"}) + ")",
        "All Pictures (" + patternsFor(readablePictureSuffixes()) + ")",
        "All Files (*)",
    };
}

}  // namespace qx
