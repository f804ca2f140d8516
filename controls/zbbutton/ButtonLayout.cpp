#include "controls/zbbutton/ButtonLayout.h"

#include <algorithm>

#include "controls/zbbutton/FitPicture.h"

namespace qx {
namespace {

constexpr int kMargin = 4;        // between the band's edges, the picture cell and the caption
constexpr int kCaptionGap = 2;    // between a top or bottom cell and the caption
constexpr int kFillInset = 3;     // PictureSize 40: the picture fills the face less this
constexpr int kFitMargin = 12;    // PictureSize 48: room kept around a fitted picture
constexpr int kStyledGrowth = 2;  // embossed and engraved captions need this much more

struct Cells {
    int left = 0, right = 0, top = 0, bottom = 0;
    int horizontal() const { return left + right; }
    int vertical() const { return top + bottom; }
};

Cells pictureCells(const ButtonState& state) {
    Cells cells;
    if (!state.hasPicture() || state.props.ImagePixelSize > 32) return cells;
    const int size = state.props.ImagePixelSize;
    switch (state.props.PictureAlign) {
        case 0:
        case 1:
            cells.left = size;
            break;
        case 2:
        case 3:
            cells.right = size;
            break;
        case 4:
            cells.top = size;
            break;
        case 5:
            cells.bottom = size;
            break;
        default:
            break;
    }
    return cells;
}

// Keeps a rectangle inside the band and off the face's edges.
GdiRect limited(GdiRect r, const ContentBand& band, int height) {
    r.top = std::max(r.top, kMargin);
    r.left = std::max(r.left, band.left + kMargin);
    r.right = std::min(r.right, band.right - kMargin);
    r.bottom = std::min(r.bottom, height - 5);
    return r;
}

}  // namespace

QString captionText(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("||"), QStringLiteral("\r\n"));
    return text;
}

unsigned captionFormat(long captionAlign) {
    unsigned align = GdiSurface::AlignCenter;
    if (captionAlign == 0) align = GdiSurface::AlignLeft;
    if (captionAlign == 1) align = GdiSurface::AlignRight;
    return GdiSurface::WordBreak | align;
}

ContentBand contentBand(const ButtonState& state) {
    const int w = state.Width, cl = state.ContentLeft, cr = state.ContentRight;
    ContentBand band{0, w, w};
    switch (state.props.ButtonShape) {
        case 1:
            band.left = cl - cl / 3 + 3;
            break;
        case 2:
            band.right = cr + (w - cr) / 3;
            break;
        case 3:
            band.left = cl - cl / 3 + 3;
            band.right = cr + (w - cr) / 3;
            break;
        case 7:
        case 8:
            band.left = 3;
            band.right = cr - 3;
            break;
        default:
            break;
    }
    const long shape = state.props.ButtonShape;
    band.width = (shape == 1 || shape == 3) ? band.right - band.left : band.right;
    return band;
}

bool LayoutContent(ButtonState& state, const GdiSurface& surface, bool pictureChanged) {
    const int h = state.Height;
    const ButtonProperties& props = state.props;
    const ContentBand band = contentBand(state);
    const Cells cells = pictureCells(state);
    const int cell = std::max(cells.horizontal(), cells.vertical());
    const bool hasCell = cell > 0;

    // Measure the caption in the room the cells leave.
    const QString text = captionText(props.Caption);
    int textWidth = 0, textHeight = 0;
    if (!text.isEmpty()) {
        const GdiRect room{0, 0, band.width - cells.horizontal() - 2 * kMargin,
                           h - cells.vertical() - 2 * kMargin};
        const GdiRect used = surface.MeasureText(text, room, captionFormat(props.CaptionAlign));
        textWidth = used.width();
        textHeight = used.height();
        if (props.CaptionStyle == 1 || props.CaptionStyle == 2) {
            textWidth += kStyledGrowth;
            textHeight += kStyledGrowth;
        }
    }

    // Caption: across by CaptionAlign, then down.
    int captionLeft = 0;
    if (props.CaptionAlign == 0) {
        captionLeft = band.left + kMargin + (cells.left ? cells.left + kMargin : 0);
    } else if (props.CaptionAlign == 1) {
        captionLeft = band.right - kMargin - (cells.right ? cells.right + kMargin : 0) - textWidth;
    } else if (hasCell && (props.PictureAlign == 1 || props.PictureAlign == 3)) {
        const int together = textWidth + kMargin + cell;
        const int start = band.left + (band.right - band.left - together) / 2;
        captionLeft = props.PictureAlign == 1 ? start + cell + kMargin : start;
    } else {
        const int roomLeft = band.left + cells.left, roomRight = band.right - cells.right;
        captionLeft = roomLeft + (roomRight - roomLeft - textWidth) / 2;
    }
    int captionTop = (h - textHeight) / 2;
    int pictureTop = (h - cell) / 2;
    if (cells.top) {
        pictureTop = (h - (textHeight + cell)) / 2;
        captionTop = pictureTop + cell + kCaptionGap;
    } else if (cells.bottom) {
        captionTop = (h - (textHeight + cell)) / 2 + kCaptionGap;
        pictureTop = captionTop + textHeight + kCaptionGap;
    }
    const GdiRect caption{captionLeft, captionTop, captionLeft + textWidth,
                          captionTop + textHeight};

    // Picture cell beside, above or below the caption.
    GdiRect picture;
    if (hasCell) {
        int pictureLeft = band.left + kMargin;
        switch (props.PictureAlign) {
            case 1:
                if (!text.isEmpty()) pictureLeft = caption.left - kMargin - cell;
                break;
            case 2:
                pictureLeft = band.right - kMargin - cell;
                break;
            case 3:
                pictureLeft =
                    text.isEmpty() ? band.right - kMargin - cell : caption.right + kMargin;
                break;
            case 4:
            case 5:
                pictureLeft = band.left + (band.right - band.left - cell) / 2;
                break;
            default:
                break;
        }
        picture =
            limited({pictureLeft, pictureTop, pictureLeft + cell, pictureTop + cell}, band, h);
    }

    // Pictures larger than a cell.
    bool prepare = pictureChanged;
    const long shape = props.ButtonShape;
    if (state.props.ImagePixelSize == 40) {
        const int inset = shape == 6 ? 1 : kFillInset;
        picture = {inset, inset, state.Width - inset, h - inset};
        prepare = true;
    } else if (state.props.ImagePixelSize == 48 && (shape == 7 || shape == 8)) {
        picture = {0, 0, state.Width, h};
    } else if (state.props.ImagePixelSize == 48 && state.hasPicture()) {
        const QSize fit = FitPicture(state.ImageWidth, state.ImageHeight, band.width - kFitMargin,
                                     h - kFitMargin);
        const int left = band.left + (band.right - band.left - fit.width()) / 2;
        const int top = (h - fit.height()) / 2;
        picture = {left, top, left + fit.width(), top + fit.height()};
        prepare = true;
    }

    GdiRect captionRect = text.isEmpty() ? GdiRect{} : limited(caption, band, h);
    if (!text.isEmpty() && captionRect.height() < textHeight && textHeight <= h - 2) {
        // Text a little taller than the room between the margins (a small
        // font on a 17-pixel button) stays whole, centred within the button:
        // cut descenders read worse than a line that nears the edges.
        captionRect.top = std::max(0, (h - textHeight) / 2);
        captionRect.bottom = std::min(h, captionRect.top + textHeight);
    }
    state.CaptionRect = captionRect;
    state.PictureRect = picture;
    return prepare;
}

}  // namespace qx
