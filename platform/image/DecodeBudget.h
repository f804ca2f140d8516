#pragma once

#include <QImage>
#include <QSize>
#include <QtGlobal>

namespace qx {

// Bytes a decoded image of `size` takes in `format` (32 bits per pixel when
// the decoder does not say which format it will produce).
qint64 decodedBytes(QSize size, QImage::Format format);

// Size a JPEG decoder produces when asked for `requested` from a picture of
// `stored` size: it scales down by k/8 in the transform, never below the
// request, and the rest is resampled afterwards.
QSize jpegReducedSize(QSize stored, QSize requested);

// Qt's image reader refuses any single image above a process-wide limit.
// Raises or lowers that limit to `bytes` for the lifetime of the scope and
// restores the previous one afterwards. Single-threaded use only.
class ReaderAllocationLimit {
public:
    explicit ReaderAllocationLimit(qint64 bytes);
    ~ReaderAllocationLimit();
    ReaderAllocationLimit(const ReaderAllocationLimit&) = delete;
    ReaderAllocationLimit& operator=(const ReaderAllocationLimit&) = delete;

private:
    int previousMegabytes_;
};

}  // namespace qx
