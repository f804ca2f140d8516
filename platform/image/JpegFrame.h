#pragma once

#include <QIODevice>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace qx {

// What a JPEG's frame header says about how it must be decoded.
struct JpegFrame {
    struct Component {
        int id = 0;
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

// Bytes the decoder must hold for the whole picture's coefficients before it
// can hand out the first row: every block of every component for progressive
// and multi-scan files, nothing for single-scan ones (they stream).
qint64 coefficientBufferBytes(const JpegFrame& frame);

// Blocks of 8 x 8 samples the decoder keeps for one component, padded to whole
// sampling units as libjpeg pads them.
qint64 componentBlocks(const JpegFrame& frame, int component);

// The whole file as the entropy decoder will meet it: the frame and every scan.
struct JpegLayout {
    JpegFrame frame;
    // Scans seen; counting stops one past the limit the walk was given.
    int scans = 0;
    // Blocks the entropy decoder steps through over all scans (an empty scan
    // of one component still costs a step per block of that component).
    qint64 scanBlocks = 0;
    // A scan that brings coefficients' first bits (DC) has entropy-coded
    // data enough for a whole row of blocks through the wanted row: at least
    // the shortest Huffman code for every block up to the end of that row
    // (arithmetic coding, which can code a block in less than a bit: any data
    // at all). Without it the decoder would fill in the rows itself.
    bool coversWantedRow = false;
    // The walk met the end-of-image marker (a cut-off file does not).
    bool ended = false;
};

// Walks every marker of the file from the device's current position without
// decoding: frame header, Huffman tables, each scan header and the
// entropy-coded bytes between them (skipped in bulk, counted per restart
// interval). Tolerates stray bytes between markers as libjpeg does. Empty
// without a frame header followed by a scan. Stops once more than `maxScans`
// scans were seen, so a file of endless scans costs a single read of its
// bytes. `wantedRow` is a stored pixel row the caller needs shown.
std::optional<JpegLayout> walkJpeg(QIODevice& device, int maxScans, int wantedRow = 0);

// Work one full decode does, in block steps: every block of every scan plus
// one inverse transform per block of the picture.
qint64 jpegDecodeWork(const JpegLayout& layout);

}  // namespace qx
