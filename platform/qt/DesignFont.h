#pragma once

#include <QFont>
#include <QString>

#include "platform/fonts/DesignFonts.h"

namespace qx {

// A font as a design names it: face, size in points as at 96 dpi, weight
// and style.
struct DesignFontInfo {
    static constexpr int kNormalWeight = 400;
    static constexpr int kBoldWeight = 700;

    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25;
    int weight = kNormalWeight;  // 1..1000
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    // Bold is a reading of the weight, as a font object's Bold is; setting it
    // gives the bold or the normal weight.
    bool bold() const { return weight > 550; }
    void setBold(bool on) { weight = on ? kBoldWeight : kNormalWeight; }

    friend bool operator==(const DesignFontInfo&, const DesignFontInfo&) = default;
};

// The face of the bundled fonts this font draws with, to prepare it ahead.
inline FontFace designFace(const DesignFontInfo& info) {
    return {info.name, info.bold(), info.italic};
}

// The font to draw with. Sizes are pixel sizes (points at 96 dpi) so the fixed
// layouts look the same on every screen; the named faces map to the fonts
// the program ships.
inline QFont designFont(const DesignFontInfo& info) {
    QFont font = designFont(info.name, info.size, info.bold(), info.italic, info.underline);
    font.setWeight(static_cast<QFont::Weight>(info.weight));
    font.setStrikeOut(info.strikeout);
    return font;
}

}  // namespace qx
