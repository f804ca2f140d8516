// quiltrix-store-picture IN OUT
// Decodes the picture IN (any format Qt reads) and writes it to OUT in the
// program's stored form (platform/qt/StoredPicture.h). Run by the build for
// every picture under resources/bitmaps/.
#include <QFile>
#include <QImageReader>
#include <cstdio>

#include "platform/qt/StoredPicture.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN OUT\n", argv[0]);
        return 2;
    }
    QImageReader reader(QFile::decodeName(argv[1]));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (image.format() <= QImage::Format_Indexed8) {
        std::fprintf(stderr, "%s: indexed pictures are not stored\n", argv[1]);
        return 1;
    }
    QFile out(QFile::decodeName(argv[2]));
    const QByteArray bytes = qx::stored_picture::encode(image);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
