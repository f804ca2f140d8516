#pragma once

// Where things sit in the two skin bitmaps. The bitmap generator draws to
// these numbers and the skinner cuts the bitmaps by them, so both include this
// header. Plain constants, no Qt.

namespace qx::skin {

// ---- Caption bitmap: 876 x 48 --------------------------------------------
//
//   x 0 .. 799     the caption picture, drawn for a window exactly 800 wide
//                  (792 client + two 4-pixel frames)
//   x 800 .. 875   the glyph sheet: four columns of 19 x 20 glyphs, two rows
//                  (row 0 normal, row 1 hot), rows centred vertically

inline constexpr int kCaptionBitmapWidth = 876;
inline constexpr int kCaptionBitmapHeight = 48;
inline constexpr int kCaptionPictureWidth = 800;

inline constexpr int kGlyphWidth = 19;
inline constexpr int kGlyphHeight = 20;
inline constexpr int kGlyphColumns = 4;
inline constexpr int kGlyphRows = 2;

// Columns of the glyph sheet.
enum GlyphColumn : int {
    kMinimiseColumn = 0,
    kMaximiseColumn = 1,
    kCloseColumn = 2,
    kMaximiseDisabledColumn = 3,
};
// Rows of the glyph sheet.
enum GlyphRow : int { kNormalRow = 0, kHotRow = 1 };

// Top of glyph sheet row `row` for a sheet `bitmapHeight` tall with glyphs
// `glyphHeight` tall.
constexpr int glyphSheetRowTop(int row, int bitmapHeight, int glyphHeight) {
    return (bitmapHeight - kGlyphRows * glyphHeight) / 2 + row * glyphHeight;
}

// Glyphs in the caption bar of an 800-wide window: their top, and the right
// edge of the close glyph. The close glyph keeps its distance from the right
// edge at other widths. Minimise and maximise touch; close stands apart.
inline constexpr int kGlyphTop = 20;
inline constexpr int kGlyphRight = 778;
inline constexpr int kCloseGlyphGap = 3;

// Features of the caption picture (x, y, width, height).
inline constexpr int kSystemButtonCentreX = 26;
inline constexpr int kSystemButtonCentreY = 24;
inline constexpr int kSystemButtonRadius = 20;

inline constexpr int kTitlePlateX = 304;
inline constexpr int kTitlePlateY = 12;
inline constexpr int kTitlePlateWidth = 192;
inline constexpr int kTitlePlateHeight = 34;

// Where a window title would be written when the skin is asked to draw one.
inline constexpr int kTitleTextLeft = 54;

// For windows of other widths the picture keeps its left part up to
// kStretchFrom and its right part from kStretchTo; the plain bar between them
// is repeated or cut to fit.
inline constexpr int kStretchFrom = 540;
inline constexpr int kStretchTo = 700;

// ---- Border bitmap: 70 x 10 -----------------------------------------------
//
// Seven 10 x 10 tiles side by side. Edges are repeated along their side, the
// corner and join tiles are laid 10 pixels along both sides of their corner;
// only the frame band (kBorderWidth pixels) of each tile is ever shown.

inline constexpr int kBorderBitmapWidth = 70;
inline constexpr int kBorderBitmapHeight = 10;
inline constexpr int kBorderTile = 10;
inline constexpr int kBorderWidth = 4;

enum BorderTile : int {
    kLeftEdgeTile = 0,     // frame band in columns 0..3
    kRightEdgeTile = 1,    // frame band in columns 6..9
    kBottomEdgeTile = 2,   // frame band in rows 6..9
    kBottomLeftTile = 3,   // L of columns 0..3 and rows 6..9
    kBottomRightTile = 4,  // L of columns 6..9 and rows 6..9
    kLeftJoinTile = 5,     // top of the left edge, right under the caption
    kRightJoinTile = 6,    // top of the right edge, right under the caption
};

constexpr int borderTileX(BorderTile tile) {
    return tile * kBorderTile;
}

}  // namespace qx::skin
