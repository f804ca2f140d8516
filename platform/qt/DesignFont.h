#pragma once

#include <QFont>
#include <QString>

#include "platform/fonts/DesignFonts.h"

namespace qx {

// A font as a design names it: face, size in points as at 96 dpi, style.
struct DesignFontInfo {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const DesignFontInfo&, const DesignFontInfo&) = default;
};

// The font to draw with. Sizes are pixel sizes (points at 96 dpi) so the fixed
// layouts look the same on every screen; the named faces map to the fonts
// the program ships.
inline QFont designFont(const DesignFontInfo& info) {
    return designFont(info.name, info.size, info.bold, info.italic, info.underline);
}

}  // namespace qx
