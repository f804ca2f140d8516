#pragma once

#include <QIODevice>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace qx {

// What a JPEG's frame header says about how it must be decoded.
struct JpegFrame {
    struct Component {
        int horizontalSampling = 1;
        int verticalSampling = 1;
    };
    int width = 0;
    int height = 0;
    bool progressive = false;
    // The first scan leaves out some components, so more scans follow.
    bool multiScan = false;
    std::vector<Component> components;
};

// Walks the markers up to the first scan. Empty for anything that is not a
// well-formed JPEG header. Reads from the device's current position.
std::optional<JpegFrame> readJpegFrame(QIODevice& device);

// Bytes the decoder must hold for the whole picture's coefficients before it
// can hand out the first row: every block of every component for progressive
// and multi-scan files, nothing for single-scan ones (they stream).
qint64 coefficientBufferBytes(const JpegFrame& frame);

}  // namespace qx
