#pragma once

#include <QTemporaryDir>

#include <ostream>

#include <gtest/gtest.h>

#include "TestPictures.h"
#include "platform/image/PictureLoader.h"

// Lets failures show the images' sizes and formats instead of raw bytes
// (global, where argument-dependent lookup finds it for QImage).
inline void PrintTo(const QImage& image, std::ostream* out) {
    *out << image.width() << "x" << image.height() << " format " << int(image.format());
}

namespace qx {
inline void PrintTo(PictureLoadStatus status, std::ostream* out) {
    constexpr const char* kNames[] = {"Loaded", "TooSmall", "Unreadable"};
    *out << kNames[static_cast<int>(status)];
}
}  // namespace qx

namespace qx::test {

// A fresh folder per test for the pictures it writes.
class LoaderTest : public ::testing::Test {
protected:
    QString pathOf(const QString& name) const { return dir_.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = pathOf(name);
        EXPECT_TRUE(writeFile(path, bytes)) << name.toStdString();
        return path;
    }

    QString write(const QString& name, const QImage& image, const char* format, int quality = -1) {
        return write(name, encode(image, format, quality));
    }

    QTemporaryDir dir_;
};

// The top-left part of `image` the game keeps.
inline QImage cornerOf(const QImage& image, QSize limit = {632, 355}) {
    return image.copy(QRect(QPoint(0, 0), image.size().boundedTo(limit)));
}

inline QImage masterImage(const LoadedPicture& picture) {
    const Bitmap& m = picture.master;
    return QImage(reinterpret_cast<const uchar*>(m.data()), m.width(), m.height(), m.width() * 4,
                  QImage::Format_RGB32)
        .copy();
}

}  // namespace qx::test
