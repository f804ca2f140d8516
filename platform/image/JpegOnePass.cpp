#include "platform/image/JpegOnePass.h"

#include <QFile>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/image/CheckedAllocation.h"

namespace qx {
namespace {

// libjpeg reports errors by calling error_exit, which must not return.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

// Nothing is printed; a warning (level -1) only counts.
void countWarning(j_common_ptr info, int level) {
    if (level < 0) ++info->err->num_warnings;
}

int roundDown(int value, int step) {
    return value / step * step;
}

int roundUpTo(int value, int step) {
    return (value + step - 1) / step * step;
}

// The state one split needs; plain C structures only, so that a longjmp
// out of libjpeg skips no destructor.
struct Split {
    jpeg_decompress_struct source{};
    jpeg_compress_struct corner{};
    jpeg_compress_struct hintFile{};
    ErrorJump errors{};  // shared: any of the three jumps back to the same place
    // The corner's coefficient arrays: libjpeg keeps this pointer until the
    // corner is finished, so they live here, not on a stack frame.
    jvirt_barray_ptr cornerArrays[MAX_COMPONENTS] = {};
    unsigned char* cornerBytes = nullptr;
    unsigned long cornerSize = 0;
    unsigned char* hintBytes = nullptr;
    unsigned long hintSize_ = 0;
    bool sourceMade = false;
    bool cornerMade = false;
    bool hintMade = false;
};

void release(Split& split) {
    if (split.cornerMade) jpeg_destroy_compress(&split.corner);
    if (split.hintMade) jpeg_destroy_compress(&split.hintFile);
    if (split.sourceMade) jpeg_destroy_decompress(&split.source);
    std::free(split.cornerBytes);
    std::free(split.hintBytes);
}

// Whether the coefficients are the whole picture: no scan missing, every
// coefficient refined to its last bit. Anything less is decoded with block
// smoothing, which only the original file would get.
bool coefficientsComplete(const jpeg_decompress_struct& info) {
    if (info.err->num_warnings > 0) return false;
    if (!info.progressive_mode) return true;
    if (!info.coef_bits) return false;
    for (int c = 0; c < info.num_components; ++c) {
        for (int k = 0; k < DCTSIZE2; ++k) {
            if (info.coef_bits[c][k] != 0) return false;
        }
    }
    return true;
}

bool knownColourSpace(const jpeg_decompress_struct& info) {
    switch (info.jpeg_color_space) {
        case JCS_GRAYSCALE:
        case JCS_YCbCr:
        case JCS_RGB:
            return true;
        case JCS_CMYK:
        case JCS_YCCK:
            // The re-written file always carries an Adobe marker; the original must too.
            return info.saw_Adobe_marker;
        default:
            return false;
    }
}

// Copies the blocks of `area` (pixels, whole block units) from `from` into
// fresh arrays of `to` and starts `to` writing them.
void startCornerWrite(Split& split, jvirt_barray_ptr* from, QRect area) {
    jpeg_decompress_struct& source = split.source;
    jpeg_compress_struct& to = split.corner;
    jpeg_copy_critical_parameters(&source, &to);
    to.image_width = JDIMENSION(area.width());
    to.image_height = JDIMENSION(area.height());
    to.optimize_coding = FALSE;

    const int unitWidth = source.max_h_samp_factor * DCTSIZE;
    const int unitHeight = source.max_v_samp_factor * DCTSIZE;
    jvirt_barray_ptr* arrays = split.cornerArrays;
    int blocksWide[MAX_COMPONENTS] = {};
    int blocksHigh[MAX_COMPONENTS] = {};
    for (int c = 0; c < source.num_components; ++c) {
        const jpeg_component_info& component = source.comp_info[c];
        blocksWide[c] =
            roundUpTo((area.width() * component.h_samp_factor + unitWidth - 1) / unitWidth,
                      component.h_samp_factor);
        blocksHigh[c] =
            roundUpTo((area.height() * component.v_samp_factor + unitHeight - 1) / unitHeight,
                      component.v_samp_factor);
        arrays[c] = (*to.mem->request_virt_barray)(
            reinterpret_cast<j_common_ptr>(&to), JPOOL_IMAGE, FALSE, JDIMENSION(blocksWide[c]),
            JDIMENSION(blocksHigh[c]), JDIMENSION(component.v_samp_factor));
    }
    jpeg_write_coefficients(&to, arrays);

    for (int c = 0; c < source.num_components; ++c) {
        const jpeg_component_info& component = source.comp_info[c];
        const int firstColumn = area.left() / unitWidth * component.h_samp_factor;
        const int firstRow = area.top() / unitHeight * component.v_samp_factor;
        const int available = int(component.width_in_blocks) - firstColumn;
        const int copied = std::min(blocksWide[c], roundUpTo(available, component.h_samp_factor));
        const int sourceRows = roundUpTo(int(component.height_in_blocks), component.v_samp_factor);
        for (int row = 0; row < blocksHigh[c] && firstRow + row < sourceRows; ++row) {
            JBLOCKARRAY in =
                (*source.mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(&source), from[c],
                                                  JDIMENSION(firstRow + row), 1, FALSE);
            JBLOCKARRAY out = (*to.mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(&to),
                                                            arrays[c], JDIMENSION(row), 1, TRUE);
            std::memcpy(out[0], in[0] + firstColumn, sizeof(JBLOCK) * std::size_t(copied));
        }
    }
}

// Whether a reduced decode to `hintSize` uses one pixel per block, the DC
// coefficient alone (libjpeg scales by M/8 with M as small as the size allows).
bool hintReadsDcOnly(const jpeg_decompress_struct& source, QSize hintSize) {
    return hintSize.width() > 0 && hintSize.height() > 0 &&
           int(source.image_width) >= 8 * hintSize.width() &&
           int(source.image_height) >= 8 * hintSize.height();
}

// A component sampled below the full rate in both directions is decoded at a
// larger transform size instead of being upsampled, which reads AC terms.
bool decodedAtOneSamplePerBlock(const jpeg_decompress_struct& source,
                                const jpeg_component_info& component) {
    return component.h_samp_factor == source.max_h_samp_factor ||
           component.v_samp_factor == source.max_v_samp_factor;
}

// Drops the AC coefficients of `arrays`, in place, where a 1/8 decode does not read them.
void keepOnlyDc(jpeg_decompress_struct& source, jvirt_barray_ptr* arrays) {
    for (int c = 0; c < source.num_components; ++c) {
        const jpeg_component_info& component = source.comp_info[c];
        if (!decodedAtOneSamplePerBlock(source, component)) continue;
        const int rows = roundUpTo(int(component.height_in_blocks), component.v_samp_factor);
        const int columns = roundUpTo(int(component.width_in_blocks), component.h_samp_factor);
        for (int row = 0; row < rows; ++row) {
            JBLOCKARRAY blocks = (*source.mem->access_virt_barray)(
                reinterpret_cast<j_common_ptr>(&source), arrays[c], JDIMENSION(row), 1, TRUE);
            for (int column = 0; column < columns; ++column)
                std::memset(&blocks[0][column][1], 0, sizeof(JCOEF) * (DCTSIZE2 - 1));
        }
    }
}

// The rectangle of whole block units around `clip`, one unit wider on every
// side that is not the picture's edge.
QRect cornerArea(const jpeg_decompress_struct& source, QRect clip) {
    const int unitWidth = source.max_h_samp_factor * DCTSIZE;
    const int unitHeight = source.max_v_samp_factor * DCTSIZE;
    const int width = int(source.image_width);
    const int height = int(source.image_height);
    const int left = std::max(0, roundDown(clip.left(), unitWidth) - unitWidth);
    const int top = std::max(0, roundDown(clip.top(), unitHeight) - unitHeight);
    const int right = std::min(width, roundUpTo(clip.right() + 1, unitWidth) + unitWidth);
    const int bottom = std::min(height, roundUpTo(clip.bottom() + 1, unitHeight) + unitHeight);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// Runs the whole split; false on any libjpeg error or a file it does not fit.
bool runSplit(Split& split, const QByteArray& file, QRect clip, QSize hintSize, QRect& area) {
    jpeg_std_error(&split.errors.manager);
    split.errors.manager.error_exit = jumpOut;
    split.errors.manager.emit_message = countWarning;
    split.source.err = &split.errors.manager;
    split.corner.err = &split.errors.manager;
    split.hintFile.err = &split.errors.manager;
    if (setjmp(split.errors.jump)) return false;
    jpeg_create_decompress(&split.source);
    split.sourceMade = true;
    jpeg_mem_src(&split.source, reinterpret_cast<const unsigned char*>(file.constData()),
                 static_cast<unsigned long>(file.size()));
    if (jpeg_read_header(&split.source, TRUE) != JPEG_HEADER_OK) return false;
    if (!split.source.progressive_mode && !jpeg_has_multiple_scans(&split.source)) return false;
    if (!knownColourSpace(split.source)) return false;
    jvirt_barray_ptr* coefficients = jpeg_read_coefficients(&split.source);
    if (!coefficients || !coefficientsComplete(split.source)) return false;
    const QRect whole(0, 0, int(split.source.image_width), int(split.source.image_height));
    if (!whole.contains(clip)) return false;

    area = cornerArea(split.source, clip);
    jpeg_create_compress(&split.corner);
    split.cornerMade = true;
    jpeg_mem_dest(&split.corner, &split.cornerBytes, &split.cornerSize);
    startCornerWrite(split, coefficients, area);
    jpeg_finish_compress(&split.corner);

    if (hintReadsDcOnly(split.source, hintSize)) keepOnlyDc(split.source, coefficients);
    jpeg_create_compress(&split.hintFile);
    split.hintMade = true;
    jpeg_mem_dest(&split.hintFile, &split.hintBytes, &split.hintSize_);
    jpeg_copy_critical_parameters(&split.source, &split.hintFile);
    split.hintFile.optimize_coding = FALSE;
    jpeg_write_coefficients(&split.hintFile, coefficients);
    jpeg_finish_compress(&split.hintFile);
    return true;
}

}  // namespace

std::optional<JpegOnePassParts> splitJpegInOnePass(const QString& path, QRect storedClip,
                                                   QSize hintSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    checkAllocation();
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) return std::nullopt;

    Split split;
    QRect area;
    const bool done = runSplit(split, bytes, storedClip, hintSize, area);
    std::optional<JpegOnePassParts> parts;
    if (done) {
        parts.emplace();
        parts->corner = QByteArray(reinterpret_cast<const char*>(split.cornerBytes),
                                   qsizetype(split.cornerSize));
        parts->hint =
            QByteArray(reinterpret_cast<const char*>(split.hintBytes), qsizetype(split.hintSize_));
        parts->clipInCorner = storedClip.translated(-area.topLeft());
    }
    release(split);
    return parts;
}

}  // namespace qx
