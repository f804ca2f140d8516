#include "platform/qt/PropertyBag.h"

#include "platform/qt/OwnPicture.h"
#include "platform/qt/PictureData.h"
#include "platform/qt/ProgramLog.h"
#include "quiltrix/Version.h"

#include <cmath>

namespace qx {

PropertyBag::PropertyBag(const QJsonObject& values, QString owner) : owner_(std::move(owner)) {
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString folded = it.key().toLower();
        if (values_.contains(folded))
            throw DesignError(owner_ + QStringLiteral(": property \"") + it.key() +
                              QStringLiteral("\" is given twice"));
        values_.insert(folded, it.value());
    }
}

bool PropertyBag::contains(const QString& key) const {
    return values_.contains(key.toLower());
}

QStringList PropertyBag::keys() const {
    return values_.keys();
}

QJsonValue PropertyBag::value(const QString& key) const {
    return values_.value(key.toLower());
}

void PropertyBag::fail(const QString& key, const char* expected) const {
    throw DesignError(owner_ + QStringLiteral(": property \"") + key +
                      QStringLiteral("\" must be ") + QLatin1String(expected));
}

QString PropertyBag::text(const QString& key, const QString& fallback) const {
    const QJsonValue v = value(key);
    if (v.isUndefined()) return fallback;
    if (!v.isString()) fail(key, "text");
    // Designs name the version by placeholder so the project version stays its only home.
    return v.toString().replace(QLatin1String("%VERSION%"), QLatin1String(QUILTRIX_VERSION));
}

long PropertyBag::integer(const QString& key, long fallback) const {
    const QJsonValue v = value(key);
    if (v.isUndefined()) return fallback;
    if (v.isBool()) return v.toBool() ? -1 : 0;
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || d != std::floor(d) || std::fabs(d) > 2147483647.0)
        fail(key, "a whole number");
    return static_cast<long>(d);
}

double PropertyBag::number(const QString& key, double fallback) const {
    const QJsonValue v = value(key);
    if (v.isUndefined()) return fallback;
    if (!v.isDouble()) fail(key, "a number");
    return v.toDouble();
}

bool PropertyBag::boolean(const QString& key, bool fallback) const {
    const QJsonValue v = value(key);
    if (v.isUndefined()) return fallback;
    if (v.isBool()) return v.toBool();
    if (v.isDouble() && (v.toDouble() == 0.0 || v.toDouble() == -1.0 || v.toDouble() == 1.0))
        return v.toDouble() != 0.0;
    fail(key, "true or false");
}

bool parseOleColor(const QString& text, OleColor& color) {
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
        if (digits.endsWith(QLatin1Char('&'))) digits.chop(1);
    } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
    } else {
        return false;
    }
    if (digits.isEmpty() || digits.size() > 8) return false;
    bool ok = false;
    const uint parsed = digits.toUInt(&ok, 16);
    if (!ok) return false;
    color = parsed;
    return true;
}

OleColor PropertyBag::color(const QString& key, OleColor fallback) const {
    const QJsonValue v = value(key);
    if (v.isUndefined()) return fallback;
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (d >= 0 && d <= 4294967295.0 && d == std::floor(d)) return static_cast<OleColor>(d);
    } else if (v.isString()) {
        OleColor parsed = 0;
        if (parseOleColor(v.toString(), parsed)) return parsed;
    }
    fail(key, "a colour (&H00BBGGRR&)");
}

DesignFontInfo PropertyBag::font(const QString& key, const DesignFontInfo& fallback) const {
    const QJsonValue v = value(key);
    if (v.isUndefined()) return fallback;
    if (!v.isObject()) fail(key, "a font {\"Name\", \"Size\", ...}");
    const PropertyBag font(v.toObject(), owner_ + QLatin1Char('.') + key);
    DesignFontInfo info;
    info.name = font.text(QStringLiteral("Name"), fallback.name);
    info.size = font.number(QStringLiteral("Size"), fallback.size);
    info.setBold(font.boolean(QStringLiteral("Bold"), false));
    // A weight of its own (light, semi-bold, black) overrides the one Bold gives.
    info.weight = static_cast<int>(font.integer(QStringLiteral("Weight"), info.weight));
    info.italic = font.boolean(QStringLiteral("Italic"), false);
    info.underline = font.boolean(QStringLiteral("Underline"), false);
    info.strikeout = font.boolean(QStringLiteral("Strikethrough"), false);
    if (info.name.isEmpty() || info.size <= 0) fail(key, "a font with a name and a positive size");
    if (info.weight < 1 || info.weight > 1000) fail(key, "a font with a weight from 1 to 1000");
    return info;
}

QImage PropertyBag::picture(const QString& key) const {
    const QString path = picturePath(key);
    if (path.isEmpty()) return {};
    if (isPictureDataUrl(path)) {
        const QImage kept = pictureFromDataUrl(path);
        if (kept.isNull())
            qCWarning(lcProgram, "%s: the picture kept in %s is damaged", qPrintable(owner_),
                      qPrintable(key));
        return kept;
    }
    const QImage image = readOwnPicture(path);
    if (image.isNull())
        qCWarning(lcProgram, "%s: picture %s is missing", qPrintable(owner_), qPrintable(path));
    return image;
}

QString PropertyBag::picturePath(const QString& key) const {
    const QString name = text(key);
    if (name.isEmpty() || name.startsWith(QLatin1String(":/")) || isPictureDataUrl(name))
        return name;
    return QStringLiteral(":/") + name;
}

}  // namespace qx
