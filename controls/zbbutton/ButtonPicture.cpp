#include "controls/zbbutton/ButtonPicture.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "platform/qt/BitmapImage.h"
#include "platform/raster/RasterOps.h"

namespace qx {

namespace {

constexpr int kKeyTolerance = 3;

bool nearKey(Pixel p, Pixel key) {
    return std::abs(static_cast<int>(redOf(p)) - static_cast<int>(redOf(key))) <= kKeyTolerance &&
           std::abs(static_cast<int>(greenOf(p)) - static_cast<int>(greenOf(key))) <=
               kKeyTolerance &&
           std::abs(static_cast<int>(blueOf(p)) - static_cast<int>(blueOf(key))) <= kKeyTolerance;
}

// A key colour no visible pixel comes within reach of: a few unusual
// colours first, then a walk through the colour cube.
Pixel freeKeyColor(const QImage& blended, const QImage& alpha) {
    std::vector<bool> used(size_t{1} << 24, false);
    for (int y = 0; y < blended.height(); ++y) {
        const auto* colour = reinterpret_cast<const QRgb*>(blended.constScanLine(y));
        const auto* a = reinterpret_cast<const QRgb*>(alpha.constScanLine(y));
        for (int x = 0; x < blended.width(); ++x)
            if (qAlpha(a[x]) != 0) used[colour[x] & kRgbMask] = true;
    }
    const auto isFree = [&used](Pixel key) {
        for (int dr = -kKeyTolerance; dr <= kKeyTolerance; ++dr)
            for (int dg = -kKeyTolerance; dg <= kKeyTolerance; ++dg)
                for (int db = -kKeyTolerance; db <= kKeyTolerance; ++db) {
                    const int r = static_cast<int>(redOf(key)) + dr;
                    const int g = static_cast<int>(greenOf(key)) + dg;
                    const int b = static_cast<int>(blueOf(key)) + db;
                    if (r < 0 || g < 0 || b < 0 || r > 255 || g > 255 || b > 255) continue;
                    if (used[static_cast<size_t>((r << 16) | (g << 8) | b)]) return false;
                }
        return true;
    };
    for (Pixel key : {rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 0), rgb(1, 254, 1)})
        if (isFree(key)) return key;
    // Points 7 apart never share a tolerance cube; a picture would need more
    // colours than it has pixels to cover them all.
    for (int r = 3; r <= 255; r += 7)
        for (int g = 3; g <= 255; g += 7)
            for (int b = 3; b <= 255; b += 7)
                if (isFree(rgb(r, g, b))) return rgb(r, g, b);
    return rgb(255, 0, 255);
}

}  // namespace

KeyedBitmap keyedPicture(const QImage& picture, Pixel matte) {
    if (picture.isNull()) return {};
    if (!picture.hasAlphaChannel()) return KeyedBitmap(bitmapFromImage(picture));
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QImage blended(argb.size(), QImage::Format_RGB32);
    blended.fill(QColor::fromRgb(matte));
    QPainter painter(&blended);
    painter.drawImage(0, 0, argb);
    painter.end();
    const Pixel key = freeKeyColor(blended, argb);
    Bitmap keyed = bitmapFromImage(blended);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        Pixel* row = keyed.row(y);
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(a[x]) == 0) row[x] = key;
    }
    return {std::move(keyed), key};
}

Bitmap stretchNearest(const Bitmap& source, int width, int height) {
    if (source.isNull() || width <= 0 || height <= 0) return {};
    if (width == source.width() && height == source.height()) return source;
    Bitmap out(width, height);
    std::vector<int> columns(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[static_cast<size_t>(x)] =
            static_cast<int>(static_cast<long long>(x) * source.width() / width);
    for (int y = 0; y < height; ++y) {
        const Pixel* from =
            source.row(static_cast<int>(static_cast<long long>(y) * source.height() / height));
        Pixel* to = out.row(y);
        for (int x = 0; x < width; ++x) to[x] = from[columns[static_cast<size_t>(x)]];
    }
    return out;
}

namespace {

// The non-key pixels of `image` with every pixel that has a key pixel within
// `inset` (in either direction, diagonals included) taken away. Pixels outside
// the picture do not count as key.
QRegion opaqueRegion(const std::vector<std::uint8_t>& isKey, int width, int height, int inset) {
    std::vector<std::uint8_t> near(isKey);
    if (inset > 0) {
        // Grow the key area by `inset` horizontally, then vertically.
        std::vector<std::uint8_t> grown(near.size(), 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                if (!isKey[static_cast<size_t>(y * width + x)]) continue;
                for (int gx = std::max(0, x - inset); gx <= std::min(width - 1, x + inset); ++gx)
                    grown[static_cast<size_t>(y * width + gx)] = 1;
            }
        std::fill(near.begin(), near.end(), 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                if (!grown[static_cast<size_t>(y * width + x)]) continue;
                for (int gy = std::max(0, y - inset); gy <= std::min(height - 1, y + inset); ++gy)
                    near[static_cast<size_t>(gy * width + x)] = 1;
            }
    }
    // Rows as bands of runs; unite them pairwise so the cost stays near linear.
    std::vector<QRegion> rows;
    rows.reserve(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        QRegion row;
        int x = 0;
        while (x < width) {
            while (x < width && near[static_cast<size_t>(y * width + x)]) ++x;
            const int start = x;
            while (x < width && !near[static_cast<size_t>(y * width + x)]) ++x;
            if (x > start) row += QRect(start, y, x - start, 1);
        }
        if (!row.isEmpty()) rows.push_back(row);
    }
    while (rows.size() > 1) {
        std::vector<QRegion> merged;
        merged.reserve(rows.size() / 2 + 1);
        for (size_t i = 0; i + 1 < rows.size(); i += 2) merged.push_back(rows[i] + rows[i + 1]);
        if (rows.size() % 2) merged.push_back(rows.back());
        rows.swap(merged);
    }
    return rows.empty() ? QRegion() : rows.front();
}

// The inner region placed with its bounding box `inset` pixels inside the outline's.
QRegion placedInside(const QRegion& inner, const QRegion& outline, int inset) {
    if (inner.isEmpty()) return inner;
    const QRect box = outline.boundingRect();
    const QRect innerBox = inner.boundingRect();
    return inner.translated(box.left() + inset - innerBox.left(),
                            box.top() + inset - innerBox.top());
}

}  // namespace

KeyedBitmap prepareKeyedImage(const KeyedBitmap& picture, int width, int height,
                              PictureOutline* outline) {
    Bitmap image = stretchNearest(picture.pixels, width, height);
    if (image.isNull()) {
        if (outline) *outline = {};
        return {};
    }
    const Pixel key = picture.key;
    std::vector<std::uint8_t> isKey(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        Pixel* row = image.row(y);
        for (int x = 0; x < width; ++x) {
            if (!nearKey(row[x], key)) continue;
            row[x] = key;
            isKey[static_cast<size_t>(y * width + x)] = 1;
        }
    }
    if (outline) {
        outline->outline = opaqueRegion(isKey, width, height, 0);
        outline->inner1 = placedInside(opaqueRegion(isKey, width, height, 1), outline->outline, 1);
        outline->inner2 = placedInside(opaqueRegion(isKey, width, height, 2), outline->outline, 2);
    }
    return {std::move(image), key};
}

void TransparentBlit(Bitmap& dest, const GdiRect& destRect, const KeyedBitmap& keyed, int cx,
                     int cy) {
    const Bitmap& source = keyed.pixels;
    if (source.isNull() || destRect.isEmpty()) return;
    const int destW = destRect.width(), destH = destRect.height();
    if (cx <= 0 || cy <= 0) {
        cx = destW;
        cy = destH;
    }
    if (destW < cx || destH < cy) {
        // Shrink by the smaller ratio so the picture keeps its aspect.
        const double ratio =
            std::min(static_cast<double>(destW) / cx, static_cast<double>(destH) / cy);
        cx = std::max(1, static_cast<int>(cx * ratio));
        cy = std::max(1, static_cast<int>(cy * ratio));
    }
    const Pixel key = keyed.key;

    // Mask: white where the source has the key colour, black elsewhere; the
    // image copy gets black there, so AND with the mask then OR with the
    // image leaves the background wherever the key was.
    Bitmap mask(source.width(), source.height());
    Bitmap image = source;
    for (int y = 0; y < source.height(); ++y) {
        const Pixel* s = source.row(y);
        Pixel* m = mask.row(y);
        for (int x = 0; x < source.width(); ++x)
            m[x] = (s[x] & kRgbMask) == (key & kRgbMask) ? kWhite : kBlack;
    }
    constexpr auto kDestAndNotSource = static_cast<Rop>(0x00220326);
    BitBlt(image, 0, 0, image.width(), image.height(), mask, 0, 0, kDestAndNotSource);

    Bitmap work(destW, destH);
    BitBlt(work, 0, 0, destW, destH, dest, destRect.left, destRect.top, Rop::SrcCopy);
    const Bitmap stretchedMask = stretchNearest(mask, cx, cy);
    const Bitmap stretchedImage = stretchNearest(image, cx, cy);
    BitBlt(work, 0, 0, cx, cy, stretchedMask, 0, 0, Rop::SrcAnd);
    BitBlt(work, 0, 0, cx, cy, stretchedImage, 0, 0, Rop::SrcPaint);
    BitBlt(dest, destRect.left, destRect.top, destW, destH, work, 0, 0, Rop::SrcCopy);
}

void monochromeAgainstWhite(Bitmap& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        Pixel* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x)
            row[x] = (row[x] & kRgbMask) == (kWhite & kRgbMask) ? kWhite : kBlack;
    }
}

void DrawIconPicture(Bitmap& dest, const GdiRect& destRect, const QImage& icon) {
    if (icon.isNull() || destRect.isEmpty() || dest.isNull()) return;
    QImage target = imageOver(dest);
    QPainter painter(&target);
    painter.drawImage(QRect(destRect.left, destRect.top, destRect.width(), destRect.height()),
                      icon);
}

}  // namespace qx
