#include "platform/image/PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "platform/image/CheckedAllocation.h"
#include "platform/image/DecodeBudget.h"
#include "platform/image/JpegFrame.h"
#include "platform/image/JpegOnePass.h"
#include "platform/image/OpaqueRgb.h"
#include "platform/image/Orientation.h"

namespace qx {
namespace {

// What the header tells before anything is decoded.
struct Probe {
    QByteArray format;
    QSize storedSize;  // empty when the header does not say
    QImage::Format pixelFormat = QImage::Format_Invalid;
    Orientation orientation = QImageIOHandler::TransformationNone;
    // The decoder reads a clip rectangle and a reduced size without decoding the rest.
    bool decodesParts = false;
    qint64 coefficientBytes = 0;
    // JPEG: decoding work of one full read, in block steps.
    qint64 jpegWork = 0;
    // JPEG: the file runs to its end-of-image marker.
    bool jpegEnded = false;
};

// Reads a load makes of a JPEG: the corner, then the reduced whole.
constexpr int kJpegReads = 2;

qint64 areaOf(QSize size) {
    return qint64(size.width()) * size.height();
}

// A decoder that skips what it is not asked for costs its coefficient buffer
// plus the larger of its two outputs.
qint64 partialDecodeBytes(const Probe& probe, QSize corner, QSize hint) {
    const qint64 cornerBytes = decodedBytes(corner, QImage::Format_RGB32);
    const qint64 hintBytes =
        decodedBytes(jpegReducedSize(probe.storedSize, hint), QImage::Format_RGB32);
    return std::max(cornerBytes, hintBytes) + probe.coefficientBytes;
}

QRect cornerOf(QSize upright, const PictureLoadOptions& options) {
    return QRect(QPoint(0, 0), upright.boundedTo(options.cropLimit));
}

// The first stored row of the corner the game shows (the bottom rows of a
// photo stored upside down or turned).
int cornerTopRow(const Probe& probe, const PictureLoadOptions& options) {
    if (probe.storedSize.isEmpty()) return 0;
    const QSize upright = uprightSize(probe.storedSize, probe.orientation);
    return storedRectOf(cornerOf(upright, options), probe.storedSize, probe.orientation).top();
}

// Walks the JPEG's markers once. False when the file cannot give a single
// row of the corner (no frame, or too little scan data to reach it: the
// decoder would fill in every row itself) or asks for too much work.
bool probeJpeg(const QString& path, Probe& probe, const PictureLoadOptions& options) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const std::optional<JpegLayout> layout =
        walkJpeg(file, options.maxJpegScans, cornerTopRow(probe, options));
    if (!layout || !layout->coversWantedRow || layout->scans > options.maxJpegScans) return false;
    probe.coefficientBytes = coefficientBufferBytes(layout->frame);
    probe.jpegWork = jpegDecodeWork(*layout);
    probe.jpegEnded = layout->ended;
    return probe.jpegWork <= options.maxJpegWork / kJpegReads;
}

// A BMP whose pixel data would start at or past the end of the file has no
// row to show (the reader would hand back the announced size all black).
bool bmpHasPixelData(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray header = file.read(14);
    if (header.size() < 14) return false;
    quint32 offset = 0;
    for (int i = 13; i >= 10; --i) offset = (offset << 8) | static_cast<unsigned char>(header[i]);
    return offset < quint64(file.size());
}

// Some decoders answer with an uninitialised value when their header is bad.
QImage::Format validFormat(int format) {
    if (format <= QImage::Format_Invalid || format >= QImage::NImageFormats) {
        return QImage::Format_Invalid;
    }
    return static_cast<QImage::Format>(format);
}

std::optional<Probe> probe(const QString& path, const PictureLoadOptions& options) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    if (!reader.canRead()) return std::nullopt;
    Probe result;
    result.format = reader.format();
    const QSize size = reader.size();
    // BMP announces top-down pictures with a negative height.
    if (size.width() > 0 && size.height() != 0) {
        result.storedSize = QSize(size.width(), std::abs(size.height()));
    }
    result.pixelFormat = validFormat(static_cast<int>(reader.imageFormat()));
    if (reader.supportsOption(QImageIOHandler::ImageTransformation)) {
        result.orientation = reader.transformation();
    }
    result.decodesParts = !result.storedSize.isEmpty() &&
                          reader.supportsOption(QImageIOHandler::ClipRect) &&
                          reader.supportsOption(QImageIOHandler::ScaledSize);
    if (result.format == "jpeg" && !probeJpeg(path, result, options)) return std::nullopt;
    if (result.format == "bmp" && !bmpHasPixelData(path)) return std::nullopt;
    return result;
}

void report(const PictureLoadOptions& options, int percent) {
    if (options.progress) options.progress(percent);
}

QSize storedHintSize(const Probe& probe, const PictureLoadOptions& options) {
    return turnsQuarter(probe.orientation) ? options.hintSize.transposed() : options.hintSize;
}

bool tooSmall(QSize upright, const PictureLoadOptions& options) {
    return upright.width() < options.minimumSide || upright.height() < options.minimumSide;
}

// GIF keeps a second full-size frame for "restore previous" disposal; TIFF
// reads a whole strip (for most files the whole picture) before converting it.
int peakCopies(const QByteArray& format) {
    return (format == "gif" || format == "tif" || format == "tiff") ? 2 : 1;
}

// Qt's reader counts at least 32 bits a pixel against its limit, whatever
// the picture's real depth.
qint64 readerCountedBytes(QSize size, QImage::Format format) {
    const qint64 real = decodedBytes(size, format);
    return std::max(real, decodedBytes(size, QImage::Format_RGB32));
}

bool withinBudget(const Probe& probe, const PictureLoadOptions& options) {
    if (probe.storedSize.isEmpty()) return true;  // Qt's reader limit still applies
    if (areaOf(probe.storedSize) > options.maxPixels) return false;
    const QSize upright = uprightSize(probe.storedSize, probe.orientation);
    if (probe.decodesParts) {
        return partialDecodeBytes(probe, cornerOf(upright, options).size(),
                                  storedHintSize(probe, options)) <= options.maxDecodeBytes;
    }
    return readerCountedBytes(probe.storedSize, probe.pixelFormat) <= options.maxDecodeBytes &&
           decodedBytes(probe.storedSize, probe.pixelFormat) * peakCopies(probe.format) <=
               options.maxDecodeBytes;
}

QImage upright(const QImage& stored, Orientation orientation) {
    const QImage opaque = toOpaqueRgb32(stored);
    return opaque.isNull() ? opaque : turnUpright(opaque, orientation);
}

// The finished picture, or Unreadable when memory ran out on the way (an
// empty master or hint would make a game of nothing).
LoadedPicture loaded(QSize naturalSize, const QImage& corner, QImage hint) {
    LoadedPicture result;
    if (corner.isNull() || hint.isNull()) return result;
    result.master = toBitmap(corner);
    if (result.master.isNull()) return LoadedPicture{};
    result.naturalSize = naturalSize;
    result.hint = std::move(hint);
    result.status = PictureLoadStatus::Loaded;
    return result;
}

// Each read gets its own reader: a reader stopped after a clip rectangle keeps
// the decoder's buffers until it is destroyed.
QImage readClipped(QImageReader&& reader, QRect clip) {
    reader.setAutoTransform(false);
    reader.setClipRect(clip);
    return reader.read();
}

QImage readReduced(QImageReader&& reader, QSize size) {
    reader.setAutoTransform(false);
    reader.setScaledSize(size);
    return reader.read();
}

QImage readFromMemory(QByteArray bytes, const std::function<QImage(QImageReader&&)>& read) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(QImageReader(&buffer, "jpeg"));
}

// The stored corner and the hint at `hintSize` (or as near as the decoder
// gets), either from the file or, for a JPEG whose scans must all be read
// first, from its coefficients read once.
struct Decoded {
    QImage corner;
    QImage hint;
};

Decoded decodeCornerAndHint(const QString& path, const Probe& probe, QRect cornerClip,
                            QSize hintSize, const PictureLoadOptions& options) {
    // A cut-off file never gives whole coefficients, so the one pass would
    // only add a third full read to the two below.
    if (options.onePassJpeg && probe.format == "jpeg" && probe.coefficientBytes > 0 &&
        probe.jpegEnded) {
        if (const std::optional<JpegOnePassParts> parts =
                splitJpegInOnePass(path, cornerClip, hintSize)) {
            report(options, 50);
            return {readFromMemory(parts->corner,
                                   [&](QImageReader&& r) {
                                       return readClipped(std::move(r), parts->clipInCorner);
                                   }),
                    readFromMemory(parts->hint, [&](QImageReader&& r) {
                        return readReduced(std::move(r), hintSize);
                    })};
        }
    }
    Decoded decoded;
    decoded.corner = readClipped(QImageReader(path, probe.format), cornerClip);
    if (decoded.corner.size() != cornerClip.size()) return decoded;
    report(options, 50);
    decoded.hint = readReduced(QImageReader(path, probe.format), hintSize);
    return decoded;
}

// JPEG: the corner's rows and a reduced whole, never the full picture.
LoadedPicture decodeParts(const QString& path, const Probe& probe,
                          const PictureLoadOptions& options) {
    LoadedPicture result;
    const QSize uprightFull = uprightSize(probe.storedSize, probe.orientation);
    const QRect cornerClip =
        storedRectOf(cornerOf(uprightFull, options), probe.storedSize, probe.orientation);
    result.naturalSize = uprightFull;
    if (tooSmall(uprightFull, options)) {
        // Said from the header alone, as the decoders would agree.
        const QImage corner = readClipped(QImageReader(path, probe.format), cornerClip);
        if (corner.size() != cornerClip.size()) return LoadedPicture{};
        result.status = PictureLoadStatus::TooSmall;
        return result;
    }

    const QSize hintSize = storedHintSize(probe, options);
    Decoded decoded = decodeCornerAndHint(path, probe, cornerClip, hintSize, options);
    const QImage corner = checkedImage(decoded.corner);
    if (corner.size() != cornerClip.size()) return LoadedPicture{};
    QImage hint = checkedImage(decoded.hint);
    if (hint.isNull()) return LoadedPicture{};
    if (hint.size() != hintSize) hint = averagedTo(hint, hintSize);
    report(options, 90);
    return loaded(uprightFull, upright(corner, probe.orientation),
                  upright(hint, probe.orientation));
}

bool leavesRowsUnwritten(const QByteArray& format) {
    return format == "bmp" || format == "dib";
}

// Every other format: decode the stored picture whole, then cut and shrink.
LoadedPicture decodeWhole(const QString& path, const Probe& probe,
                          const PictureLoadOptions& options) {
    LoadedPicture result;
    QImageReader reader(path, probe.format);
    reader.setAutoTransform(false);
    QImage stored;
    if (leavesRowsUnwritten(probe.format) && !probe.storedSize.isEmpty() &&
        probe.pixelFormat != QImage::Format_Invalid) {
        // Qt's BMP reader fills in an image of the announced size and format
        // in place and skips rows a short file or a run-length code leaves
        // out; start them black instead of with stale memory.
        stored = allocateImage(probe.storedSize, probe.pixelFormat);
        if (stored.isNull()) return result;
        stored.fill(0);
    }
    if (!reader.read(&stored) || checkedImage(stored).isNull()) return result;
    if (areaOf(stored.size()) > options.maxPixels) return result;
    report(options, 60);

    const QSize uprightFull = uprightSize(stored.size(), probe.orientation);
    result.naturalSize = uprightFull;
    if (tooSmall(uprightFull, options)) {
        result.status = PictureLoadStatus::TooSmall;
        return result;
    }
    const QRect cornerRect =
        storedRectOf(cornerOf(uprightFull, options), stored.size(), probe.orientation);
    const QImage corner = upright(checkedImage(stored.copy(cornerRect)), probe.orientation);
    const QImage hint = averagedTo(stored, storedHintSize(probe, options));
    return loaded(uprightFull, corner, hint.isNull() ? hint : turnUpright(hint, probe.orientation));
}

}  // namespace

LoadedPicture LoadPicture(const QString& path, const PictureLoadOptions& options) {
    // Directories, devices and pipes never reach a decoder: a pipe would block
    // and a device would never end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable()) return {};

    try {
        const ReaderAllocationLimit limit(options.maxDecodeBytes);
        const std::optional<Probe> header = probe(path, options);
        if (!header || !withinBudget(*header, options)) return {};
        report(options, 10);
        return header->decodesParts ? decodeParts(path, *header, options)
                                    : decodeWhole(path, *header, options);
    } catch (const std::exception&) {
        return {};  // out of memory in one of our own buffers
    }
}

}  // namespace qx
