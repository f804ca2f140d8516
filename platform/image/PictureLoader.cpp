#include "platform/image/PictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "platform/image/DecodeBudget.h"
#include "platform/image/JpegFrame.h"
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
};

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

qint64 jpegCoefficientBytes(const QString& path, QSize storedSize) {
    QFile file(path);
    std::optional<JpegFrame> frame;
    if (file.open(QIODevice::ReadOnly)) frame = readJpegFrame(file);
    if (frame) return coefficientBufferBytes(*frame);
    // An unusual header: assume the dearest layout, progressive with full colour.
    return areaOf(storedSize) * 3 * 2;
}

// Some decoders answer with an uninitialised value when their header is bad.
QImage::Format validFormat(int format) {
    if (format <= QImage::Format_Invalid || format >= QImage::NImageFormats) {
        return QImage::Format_Invalid;
    }
    return static_cast<QImage::Format>(format);
}

std::optional<Probe> probe(const QString& path) {
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
    if (result.format == "jpeg") {
        result.coefficientBytes = jpegCoefficientBytes(path, result.storedSize);
    }
    return result;
}

QRect cornerOf(QSize upright, const PictureLoadOptions& options) {
    return QRect(QPoint(0, 0), upright.boundedTo(options.cropLimit));
}

QSize storedHintSize(const Probe& probe, const PictureLoadOptions& options) {
    return turnsQuarter(probe.orientation) ? options.hintSize.transposed() : options.hintSize;
}

bool tooSmall(QSize upright, const PictureLoadOptions& options) {
    return upright.width() < options.minimumSide || upright.height() < options.minimumSide;
}

bool withinBudget(const Probe& probe, const PictureLoadOptions& options) {
    if (probe.storedSize.isEmpty()) return true;  // Qt's reader limit still applies
    if (areaOf(probe.storedSize) > options.maxPixels) return false;
    const QSize upright = uprightSize(probe.storedSize, probe.orientation);
    const qint64 need = probe.decodesParts
                            ? partialDecodeBytes(probe, cornerOf(upright, options).size(),
                                                 storedHintSize(probe, options))
                            : decodedBytes(probe.storedSize, probe.pixelFormat);
    return need <= options.maxDecodeBytes;
}

QImage upright(const QImage& stored, Orientation orientation) {
    return turnUpright(toOpaqueRgb32(stored), orientation);
}

// Each read gets its own reader: a reader stopped after a clip rectangle keeps
// the decoder's buffers until it is destroyed.
QImage readClipped(const QString& path, const QByteArray& format, QRect clip) {
    QImageReader reader(path, format);
    reader.setAutoTransform(false);
    reader.setClipRect(clip);
    return reader.read();
}

QImage readReduced(const QString& path, const QByteArray& format, QSize size) {
    QImageReader reader(path, format);
    reader.setAutoTransform(false);
    reader.setScaledSize(size);
    return reader.read();
}

// JPEG: the corner's rows and a reduced whole, never the full picture.
LoadedPicture decodeParts(const QString& path, const Probe& probe,
                          const PictureLoadOptions& options) {
    LoadedPicture result;
    const QSize uprightFull = uprightSize(probe.storedSize, probe.orientation);
    const QRect cornerClip =
        storedRectOf(cornerOf(uprightFull, options), probe.storedSize, probe.orientation);
    const QImage corner = readClipped(path, probe.format, cornerClip);
    if (corner.size() != cornerClip.size()) return result;

    result.naturalSize = uprightFull;
    if (tooSmall(uprightFull, options)) {
        result.status = PictureLoadStatus::TooSmall;
        return result;
    }

    const QSize hintSize = storedHintSize(probe, options);
    QImage hint = readReduced(path, probe.format, hintSize);
    if (hint.isNull()) return LoadedPicture{};
    if (hint.size() != hintSize) hint = averagedTo(hint, hintSize);

    result.master = toBitmap(upright(corner, probe.orientation));
    result.hint = upright(hint, probe.orientation);
    result.status = PictureLoadStatus::Loaded;
    return result;
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
        stored = QImage(probe.storedSize, probe.pixelFormat);
        if (stored.isNull()) return result;
        stored.fill(0);
    }
    if (!reader.read(&stored) || stored.isNull()) return result;
    if (areaOf(stored.size()) > options.maxPixels) return result;

    const QSize uprightFull = uprightSize(stored.size(), probe.orientation);
    result.naturalSize = uprightFull;
    if (tooSmall(uprightFull, options)) {
        result.status = PictureLoadStatus::TooSmall;
        return result;
    }
    const QRect cornerRect =
        storedRectOf(cornerOf(uprightFull, options), stored.size(), probe.orientation);
    result.master = toBitmap(upright(stored.copy(cornerRect), probe.orientation));
    result.hint =
        turnUpright(averagedTo(stored, storedHintSize(probe, options)), probe.orientation);
    result.status = PictureLoadStatus::Loaded;
    return result;
}

}  // namespace

LoadedPicture LoadPicture(const QString& path, const PictureLoadOptions& options) {
    // Directories, devices and pipes never reach a decoder: a pipe would block
    // and a device would never end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable()) return {};

    const ReaderAllocationLimit limit(options.maxDecodeBytes);
    const std::optional<Probe> header = probe(path);
    if (!header || !withinBudget(*header, options)) return {};
    return header->decodesParts ? decodeParts(path, *header, options)
                                : decodeWhole(path, *header, options);
}

}  // namespace qx
