#pragma once

#include <QFont>
#include <QString>

namespace qx {

// A font as a design names it: face, size in points as at 96 dpi, style.
struct FontSpec {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The font to draw with. Sizes are pixel sizes (points at 96 dpi) so the fixed
// layouts look the same on every screen; the named faces map to the fonts
// the program ships.
QFont designFont(const FontSpec& spec);

}  // namespace qx
