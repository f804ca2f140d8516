#include "StreamingJpeg.h"

#include <QFile>

#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace qx::test {

bool writeStreamingJpeg(const QString& path, int width, int height, const RowPainter& paintRow,
                        JpegScans scans, int quality, int lumaSampling) {
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.comp_info[0].h_samp_factor = lumaSampling >> 4;
    info.comp_info[0].v_samp_factor = lumaSampling & 0x0F;
    if (scans == JpegScans::Progressive) jpeg_simple_progression(&info);
    static const jpeg_scan_info kOneScanPerComponent[3] = {{1, {0, 0, 0, 0}, 0, 63, 0, 0},
                                                           {1, {1, 0, 0, 0}, 0, 63, 0, 0},
                                                           {1, {2, 0, 0, 0}, 0, 63, 0, 0}};
    if (scans == JpegScans::MultiScan) {
        info.scan_info = kOneScanPerComponent;
        info.num_scans = 3;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    while (info.next_scanline < info.image_height) {
        paintRow(static_cast<int>(info.next_scanline), row.data(), width);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

}  // namespace qx::test
