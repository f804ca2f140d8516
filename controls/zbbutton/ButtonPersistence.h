#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <utility>
#include <vector>

#include "controls/zbbutton/ButtonState.h"
#include "platform/qt/PropertyBag.h"

namespace qx {

// A property store being written: entries in writing order, keys matched
// without letter case (writing "cBhover" replaces a "cBHover" entry).
class PropertyWriter {
public:
    using Entry = std::pair<QString, QJsonValue>;

    void write(const QString& key, const QJsonValue& value);
    const std::vector<Entry>& entries() const { return entries_; }
    QJsonObject toJson() const;

private:
    std::vector<Entry> entries_;
};

// Value forms of the design files.
QJsonValue colorToJson(OleColor color);  // "&H00BBGGRR&"
QJsonValue fontToJson(const DesignFontInfo& font);

// What the container supplies when the store has no entry.
struct AmbientDefaults {
    OleColor backColor = kButtonFace;
    DesignFontInfo font;
};

// The pointer entries, which go through their set-rules after the plain reads.
struct StoredPointer {
    int pointer = 0;
    QImage icon;
    QString iconPath;
};

// Pictures named in a design are icons when they come from .ico or .cur files
// (or are kept in the store marked as icons).
bool isIconPath(const QString& path);

// Reads every stored value straight into `props`, each with its load default,
// so a saved button loads back as it was saved. Values out of a property's
// range fall back to the load default, so nothing out of range reaches the
// painters; a custom shape without its bitmap turns rectangular; a store
// without "Font" keeps the container's font.
void readStoredProperties(const PropertyBag& store, const AmbientDefaults& ambient,
                          ButtonProperties& props, StoredPointer& pointer);

// The entries saving writes, in order; values equal to their default are left
// out except "Mode", "Value" and "cBack". A picture is written as the path it
// came from, or, when it came from none, as its own pixels (PictureData.h).
// With everyKey, every key is written (no picture: null).
void writeProperties(const ButtonProperties& props, PropertyWriter& out, bool everyKey = false);

}  // namespace qx
