#include "SetByKey.h"

#include <QJsonObject>
#include <functional>

#include "controls/zbbutton/ButtonPersistence.h"
#include "controls/zbbutton/zbButtons_H.h"

namespace qx {

bool setByKey(zbButtons_H& b, const QString& key, const QJsonValue& value) {
    const PropertyBag bag(QJsonObject{{key, value}}, QStringLiteral("set"));
    const auto integer = [&] { return bag.integer(key); };
    const auto colour = [&] { return bag.color(key, 0); };
    const auto flag = [&] { return bag.boolean(key); };
    using Rule = std::function<void()>;
    const std::pair<const char*, Rule> rules[] = {
        {"Caption", [&] { b.setCaption(bag.text(key)); }},
        {"CapAlign", [&] { b.setCaptionAlign(integer()); }},
        {"BackStyle", [&] { b.setButtonStyle(integer()); }},
        {"Shape", [&] { b.setButtonShape(integer()); }},
        {"Font", [&] { b.setDesignFont(bag.font(key)); }},
        {"FontStyle", [&] { b.setFontStyle(integer()); }},
        {"cFore", [&] { b.setForeColor(colour()); }},
        {"cFHover", [&] { b.setHoverForeColor(colour()); }},
        {"cBHover", [&] { b.setHoverBackColor(colour()); }},
        {"Focus", [&] { b.setShowFocusRect(flag()); }},
        {"LockHover", [&] { b.setHoverColorLocks(integer()); }},
        {"cGradient", [&] { b.setGradientColor(colour()); }},
        {"Gradient", [&] { b.setGradientMode(integer()); }},
        {"CapStyle", [&] { b.setCaptionStyle(integer()); }},
        {"Mode", [&] { b.setMode(integer()); }},
        {"Value", [&] { b.setValue(flag()); }},
        {"CustomClick", [&] { b.setCustomClick(integer()); }},
        {"ImgAlign", [&] { b.setPictureAlign(integer()); }},
        {"Image",
         [&] {
             const QString path = value.isString() ? value.toString() : QString();
             b.setPicture(bag.picture(key), path, isIconPath(path));
         }},
        // Stored as pixels; the rule takes the size index.
        {"ImgSize", [&] { b.setPictureSize(integer() / 8 - 2); }},
        {"Enabled", [&] { b.setEnabled(flag()); }},
        {"cBack", [&] { b.setBackColor(colour()); }},
        {"mPointer", [&] { b.setMousePointer(static_cast<int>(integer())); }},
        {"mIcon",
         [&] {
             const QString path = value.isString() ? value.toString() : QString();
             b.setMouseIcon(bag.picture(key), path, isIconPath(path));
         }},
        {"ResetDefaultColors", [&] { b.setResetDefaultColors(flag()); }},
    };
    for (const auto& [name, rule] : rules) {
        if (key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            rule();
            return true;
        }
    }
    return false;
}

}  // namespace qx
