#include "controls/zbbutton/ButtonPersistence.h"

#include "platform/qt/PictureData.h"

namespace qx {
namespace {

long readRange(const PropertyBag& store, const QString& key, long low, long high, long fallback) {
    const long value = store.integer(key, fallback);
    return value >= low && value <= high ? value : fallback;
}

}  // namespace

void PropertyWriter::write(const QString& key, const QJsonValue& value) {
    for (Entry& e : entries_) {
        if (e.first.compare(key, Qt::CaseInsensitive) == 0) {
            e.second = value;
            return;
        }
    }
    entries_.emplace_back(key, value);
}

QJsonObject PropertyWriter::toJson() const {
    QJsonObject object;
    for (const Entry& e : entries_) object.insert(e.first, e.second);
    return object;
}

QJsonValue colorToJson(OleColor color) {
    return QStringLiteral("&H%1&").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

QJsonValue fontToJson(const DesignFontInfo& font) {
    QJsonObject object{{QStringLiteral("Name"), font.name}, {QStringLiteral("Size"), font.size}};
    if (font.bold()) object.insert(QStringLiteral("Bold"), true);
    // Only a weight that Bold does not already say.
    if (font.weight != DesignFontInfo::kNormalWeight && font.weight != DesignFontInfo::kBoldWeight)
        object.insert(QStringLiteral("Weight"), font.weight);
    if (font.italic) object.insert(QStringLiteral("Italic"), true);
    if (font.underline) object.insert(QStringLiteral("Underline"), true);
    if (font.strikeout) object.insert(QStringLiteral("Strikethrough"), true);
    return object;
}

bool isIconPath(const QString& path) {
    return path.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".cur"), Qt::CaseInsensitive) || isIconDataUrl(path);
}

void readStoredProperties(const PropertyBag& store, const AmbientDefaults& ambient,
                          ButtonProperties& props, StoredPointer& pointer) {
    props.Caption = store.text(QStringLiteral("Caption"));
    props.CaptionAlign = readRange(store, QStringLiteral("CapAlign"), 0, 2, 2);
    props.ButtonStyle = readRange(store, QStringLiteral("BackStyle"), 0, 7, 0);
    props.ButtonShape = readRange(store, QStringLiteral("Shape"), 0, 8, 0);
    props.GradientMode = readRange(store, QStringLiteral("Gradient"), 0, 4, 0);
    props.GradientColor = store.color(QStringLiteral("cGradient"), kButtonFace);
    props.ForeColor = store.color(QStringLiteral("cFore"), kButtonText);
    props.Font = store.font(QStringLiteral("Font"), ambient.font);
    props.ShowFocusRect = store.boolean(QStringLiteral("Focus"), true);
    props.Mode = readRange(store, QStringLiteral("Mode"), 0, 2, 0);
    // A command button has no value to keep.
    props.Value = props.Mode != 0 && store.boolean(QStringLiteral("Value"), false);
    props.CustomClick = readRange(store, QStringLiteral("CustomClick"), 0, 8, 0);
    props.PicturePath = store.text(QStringLiteral("Image"));
    props.Picture = store.picture(QStringLiteral("Image"));
    if (props.Picture.isNull()) props.PicturePath.clear();
    props.PictureFromIcon = !props.Picture.isNull() && isIconPath(props.PicturePath);
    const long pixels = store.integer(QStringLiteral("ImgSize"), 16);
    props.ImagePixelSize =
        pixels >= 16 && pixels <= 48 && pixels % 8 == 0 ? static_cast<int>(pixels) : 16;
    props.PictureAlign = readRange(store, QStringLiteral("ImgAlign"), 0, 5, 0);
    props.HoverForeColor = store.color(QStringLiteral("cFHover"), kButtonText);
    props.Enabled = store.boolean(QStringLiteral("Enabled"), true);
    props.BackColor = store.color(QStringLiteral("cBack"), ambient.backColor);
    props.HoverBackColor = store.color(QStringLiteral("cBHover"), props.BackColor);
    props.HoverColorLocks = readRange(store, QStringLiteral("LockHover"), 0, 3, 0);
    props.CaptionStyle = readRange(store, QStringLiteral("CapStyle"), 0, 2, 0);
    pointer.iconPath = store.text(QStringLiteral("mIcon"));
    pointer.icon = store.picture(QStringLiteral("mIcon"));
    pointer.pointer = static_cast<int>(store.integer(QStringLiteral("mPointer"), 0));

    // Values are kept as stored; only a custom shape whose picture is gone
    // (or is an icon) has no outline to take and turns rectangular.
    const bool bitmap = !props.Picture.isNull() && !props.PictureFromIcon;
    if (props.ButtonShape >= 7 && !bitmap) props.ButtonShape = 0;
}

void writeProperties(const ButtonProperties& p, PropertyWriter& out, bool everyKey) {
    const auto put = [&](const char* key, const QJsonValue& value, bool isDefault) {
        if (everyKey || !isDefault) out.write(QLatin1String(key), value);
    };
    const auto number = [&](const char* key, long value, long fallback) {
        put(key, static_cast<qint64>(value), value == fallback);
    };
    const auto color = [&](const char* key, OleColor value, OleColor fallback) {
        put(key, colorToJson(value), value == fallback);
    };
    const auto flag = [&](const char* key, bool value, bool fallback) {
        put(key, value, value == fallback);
    };
    // A picture named by no resource path is kept in the store itself.
    const auto picture = [&](const char* key, const QImage& image, const QString& path,
                             bool isIcon) {
        const bool none = image.isNull();
        const QString stored = path.isEmpty() ? pictureDataUrl(image, isIcon) : path;
        put(key, none ? QJsonValue() : QJsonValue(stored), none);
    };
    put("Caption", p.Caption, p.Caption.isEmpty());
    number("CapAlign", p.CaptionAlign, 2);
    number("BackStyle", p.ButtonStyle, 0);
    number("Shape", p.ButtonShape, 0);
    put("Font", fontToJson(p.Font), false);
    color("cFore", p.ForeColor, kButtonText);
    color("cFHover", p.HoverForeColor, kButtonText);
    color("cBhover", p.HoverBackColor, p.BackColor);
    flag("Focus", p.ShowFocusRect, true);
    number("LockHover", p.HoverColorLocks, 0);
    color("cGradient", p.GradientColor, kButtonFace);
    number("Gradient", p.GradientMode, 0);
    number("CapStyle", p.CaptionStyle, 0);
    put("Mode", static_cast<qint64>(p.Mode), false);
    put("Value", p.Value, false);
    number("CustomClick", p.CustomClick, 0);
    number("ImgAlign", p.PictureAlign, 0);
    picture("Image", p.Picture, p.PicturePath, p.PictureFromIcon);
    number("ImgSize", p.ImagePixelSize, 16);
    flag("Enabled", p.Enabled, true);
    put("cBack", colorToJson(p.BackColor), false);
    number("mPointer", p.MousePointer, 0);
    picture("mIcon", p.MouseIcon, p.MouseIconPath, true);
}

}  // namespace qx
