#include "controls/zbbutton/AmbientProperties.h"

#include <QJsonObject>
#include <QVariant>
#include <QWidget>

#include "platform/qt/PropertyBag.h"

namespace qx {

bool hostDesignMode(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant mode = w->property(kDesignModeProperty);
        if (mode.isValid()) return mode.toBool();
    }
    return false;
}

OleColor ambientBackColor(const QWidget* container) {
    if (!container) return kButtonFace;
    return fromQColor(container->palette().color(container->backgroundRole()));
}

DesignFontInfo ambientFont(const QWidget* container) {
    if (!container) return {};
    const QVariant entry = container->property(kDesignFontProperty);
    if (entry.canConvert<QJsonObject>()) {
        try {
            const PropertyBag bag(QJsonObject{{QStringLiteral("Font"), entry.toJsonObject()}},
                                  container->objectName());
            return bag.font(QStringLiteral("Font"));
        } catch (const DesignError&) {
            // fall through to the widget's own font
        }
    }
    const QFont font = container->font();
    DesignFontInfo info;
    info.name = font.family();
    // Design sizes are points at 96 dpi.
    info.size = font.pixelSize() > 0 ? font.pixelSize() * 72.0 / 96.0 : font.pointSizeF();
    info.weight = font.weight();
    info.italic = font.italic();
    info.underline = font.underline();
    info.strikeout = font.strikeOut();
    return info;
}

}  // namespace qx
