#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <functional>

#include "platform/raster/Bitmap.h"

namespace qx {

enum class PictureLoadStatus {
    Loaded,      // master and hint are filled in
    TooSmall,    // readable, but narrower or lower than minimumSide; only naturalSize is set
    Unreadable,  // missing, not a regular file, not a picture, damaged, or beyond the limits
};

struct PictureLoadOptions {
    // The master is the picture's top-left part of at most this size, never scaled.
    QSize cropLimit{632, 355};
    // The hint is the whole picture stretched to exactly this size.
    QSize hintSize{65, 65};
    // Pictures narrower or lower than this are TooSmall (two grid steps).
    int minimumSide = 88;
    // Refuses headers claiming more stored pixels than this, before any decoding
    // (a 100-megapixel photo passes; 60000 x 60000 does not).
    qint64 maxPixels = qint64(256) << 20;
    // Largest working memory one decode may need: the decoded image for
    // formats that must be decoded whole, the coefficient buffer plus output
    // for JPEG. Also the limit Qt's reader enforces while we read.
    qint64 maxDecodeBytes = qint64(512) << 20;
    // A progressive JPEG needs a handful of scans; thousands of empty ones
    // only cost time, each one a pass over the whole picture.
    int maxJpegScans = 300;
    // Largest JPEG decoding work accepted, in 8 x 8 block steps summed over
    // every read the load makes: about two seconds on a modest machine. A
    // 100-megapixel progressive photo needs a sixth of it.
    qint64 maxJpegWork = qint64(200) << 20;
    // Progressive and multi-scan JPEGs: read the coefficients once and show
    // the corner and hint from them (same pixels as decoding the file twice).
    bool onePassJpeg = true;
    // Told how far the load has come, in percent, from the loading thread.
    std::function<void(int percent)> progress = nullptr;
};

struct LoadedPicture {
    PictureLoadStatus status = PictureLoadStatus::Unreadable;
    // The picture as shown (camera orientation applied): set for Loaded and TooSmall.
    QSize naturalSize;
    // The top-left min(w, cropLimit.w) x min(h, cropLimit.h) pixels, opaque.
    Bitmap master;
    // The whole picture at hintSize, Format_RGB32, opaque.
    QImage hint;
};

// Loads the player's picture for a new game. Every format Qt reads here is
// accepted (decided by content, so upper-case or wrong extensions do not
// matter); GIF gives its first frame; photos are turned upright by their
// orientation tag; palette, grey, 16-bit and transparent pictures become
// opaque RGB, transparency laid over white.
//
// JPEG decodes only what the game shows: the stored rows down to the
// master's corner and a DCT-reduced whole for the hint, so a 100-megapixel
// photo needs a few megabytes. Other formats are decoded whole, within
// maxDecodeBytes counted at each decoder's real peak (GIF and TIFF hold a
// second full-size buffer while decoding). A size Qt's reader would refuse is
// refused before any decoding. A truncated file the decoder can still show is
// accepted: JPEG fills the missing part grey, GIF and BMP black; a file with
// no pixel data at all is Unreadable, and so is a JPEG whose scans are too
// short for a whole row of blocks where the master's corner lies.
//
// Never throws; bad input of any kind, and running out of memory, give
// Unreadable. Safe to call from any thread, one load at a time (Qt's reader
// limit is process-wide).
LoadedPicture LoadPicture(const QString& path, const PictureLoadOptions& options = {});

}  // namespace qx
