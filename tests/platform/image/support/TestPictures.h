#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace qx::test {

// Quadrant colours, far apart so that JPEG loss cannot confuse them.
inline constexpr QRgb kTopLeftColour = 0xFFDC1E1E;      // red
inline constexpr QRgb kTopRightColour = 0xFF1EC828;     // green
inline constexpr QRgb kBottomLeftColour = 0xFF283CDC;   // blue
inline constexpr QRgb kBottomRightColour = 0xFFF0DC28;  // yellow

// Four solid quadrants split at width / 2 and height / 2.
QImage quadrants(int width, int height);

// Every pixel different from its neighbours and from pixels 256 away, for
// checks that must catch a one-pixel shift (lossless formats only).
QImage coordinatePattern(int width, int height);

QByteArray encode(const QImage& image, const char* format, int quality = -1);
bool writeFile(const QString& path, const QByteArray& bytes);

// A JPEG with an EXIF block whose orientation tag is `orientation` (1..8).
QByteArray withExifOrientation(const QByteArray& jpeg, int orientation);

// Headers that claim width x height pixels with next to no data behind them.
QByteArray pngClaiming(int width, int height);
QByteArray bmpClaiming(int width, int height);
QByteArray gifClaiming(int width, int height);
// A real JPEG whose frame header is patched to claim another size.
QByteArray jpegClaiming(const QByteArray& jpeg, int width, int height);

// A hand-made JPEG of flat grey blocks: every block costs exactly one bit
// (progressive first DC pass) or two (sequential: DC and end of block), so
// the data given really fills that many blocks and no more. One scan holds
// every component.
struct GreyBlocksJpeg {
    int width = 0;
    int height = 0;
    int components = 1;       // 1 grey, 3 YCbCr
    int lumaSampling = 0x11;  // horizontal in the high nibble; chroma is 1 x 1
    bool progressive = false;
    int restartInterval = 0;  // MCUs; 0 writes no restart marker
    // Zero bytes of entropy-coded data in each restart interval, in order.
    std::vector<int> intervalBytes = {0};
};
QByteArray greyBlocksJpeg(const GreyBlocksJpeg& shape);

// Largest channel difference.
int colourDistance(QRgb a, QRgb b);

// Runs ImageMagick's convert with `arguments`; true on success.
bool runConvert(const QStringList& arguments);

}  // namespace qx::test
