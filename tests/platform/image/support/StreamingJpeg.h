#pragma once

#include <QString>

#include <functional>

namespace qx::test {

// Fills one row of 8-bit RGB triples.
using RowPainter = std::function<void(int y, unsigned char* rgb, int width)>;

// MultiScan: sequential, one scan per colour component.
enum class JpegScans { Baseline, Progressive, MultiScan };

// Writes a JPEG a row at a time, 4:2:0 unless `lumaSampling` (horizontal in
// the high nibble) says otherwise. A baseline picture costs one row of
// memory to make, even at 100 megapixels; a progressive one makes the
// encoder hold all coefficients. False when the file cannot be written.
bool writeStreamingJpeg(const QString& path, int width, int height, const RowPainter& paintRow,
                        JpegScans scans = JpegScans::Baseline, int quality = 85,
                        int lumaSampling = 0x22);

}  // namespace qx::test
