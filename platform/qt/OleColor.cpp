#include "platform/qt/OleColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace qx {
namespace {

// The classic system colour indices mapped onto the palette's roles.
QColor systemColor(unsigned index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
        case 5:
            return palette.color(QPalette::Base);  // window
        case 8:
            return palette.color(QPalette::Text);  // window text
        case 13:
            return palette.color(QPalette::Highlight);  // highlight
        case 14:
            return palette.color(QPalette::HighlightedText);  // highlight text
        case 16:
            return palette.color(QPalette::Dark);  // button shadow
        case 17:
            return palette.color(QPalette::PlaceholderText);  // grey text
        case 18:
            return palette.color(QPalette::ButtonText);  // button text
        case 20:
            return palette.color(QPalette::Light);  // 3D highlight
        case 21:
            return palette.color(QPalette::Shadow);  // 3D dark shadow
        case 22:
            return palette.color(QPalette::Midlight);  // 3D light
        case 23:
            return palette.color(QPalette::ToolTipText);
        case 24:
            return palette.color(QPalette::ToolTipBase);
        case 15:  // button face
        default:
            return palette.color(QPalette::Button);
    }
}

}  // namespace

QColor toQColor(OleColor color) {
    if (isSystemColor(color)) return systemColor(color & 0xFFu);
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

OleColor fromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return oleRgb(static_cast<unsigned>(rgb.red()), static_cast<unsigned>(rgb.green()),
                  static_cast<unsigned>(rgb.blue()));
}

}  // namespace qx
