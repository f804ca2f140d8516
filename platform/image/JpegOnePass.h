#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace qx {

// A progressive or multi-scan JPEG must have all its scans read before any
// pixel comes out, and reading them is most of its cost. After one such read
// of the coefficients, the picture is re-written as two small baseline JPEGs
// that decode to exactly the pixels the original gives:
//  - `corner`: only the blocks around the stored rectangle the game shows,
//    one block unit of margin kept on every inner side so that smoothed
//    chroma upsampling sees the same neighbours;
//  - `hint`: the whole picture for the reduced decode, with the AC
//    coefficients dropped wherever that decode does not read them: at 1/8
//    scale a block's DC coefficient alone gives its pixel, except in chroma
//    components the decoder scales up to spare itself an upsampling step.
struct JpegOnePassParts {
    QByteArray corner;
    QRect clipInCorner;  // the requested rectangle within `corner`
    QByteArray hint;
};

// Empty when the file is not one this applies to (a single baseline scan
// streams anyway), when it is damaged or truncated (a decoder fills missing
// coefficients by smoothing, which a re-written file would not repeat), or
// when memory runs out: the caller then decodes the original.
// `hintSize` is the size the hint is read at, in stored orientation.
std::optional<JpegOnePassParts> splitJpegInOnePass(const QString& path, QRect storedClip,
                                                   QSize hintSize);

}  // namespace qx
