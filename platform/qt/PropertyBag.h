#pragma once

#include <QImage>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include "platform/qt/DesignError.h"
#include "platform/qt/DesignFont.h"
#include "platform/qt/OleColor.h"

namespace qx {

// The saved properties of one control or form. Keys match without regard to
// letter case. A missing key yields the caller's default; a key holding a
// value of the wrong kind throws DesignError naming the key.
class PropertyBag {
public:
    PropertyBag() = default;
    // `owner` names the control in error messages, e.g. "frmMain.cmdNew".
    PropertyBag(const QJsonObject& values, QString owner);

    bool contains(const QString& key) const;
    QStringList keys() const;

    QString text(const QString& key, const QString& fallback = {}) const;
    long integer(const QString& key, long fallback = 0) const;
    double number(const QString& key, double fallback = 0.0) const;
    // true/false or the stored -1/0.
    bool boolean(const QString& key, bool fallback = false) const;
    // A number, or "&H00BBGGRR&" / "0x00BBGGRR" as text.
    OleColor color(const QString& key, OleColor fallback) const;
    // {"Name": ..., "Size": ..., "Bold": ..., "Weight": ..., "Italic": ...,
    //  "Underline": ..., "Strikethrough": ...}; a Weight overrides Bold's.
    DesignFontInfo font(const QString& key, const DesignFontInfo& fallback = {}) const;
    // A compiled-in picture, e.g. "bitmaps/clock.png", returned as
    // ":/bitmaps/clock.png"; a picture kept in the store itself (a data
    // address, see PictureData.h) is returned as it is.
    QString picturePath(const QString& key) const;
    // That picture loaded; empty when the key is unset. A picture the program
    // lacks, or a damaged kept one, is left empty with a warning (the
    // resources test catches the former).
    QImage picture(const QString& key) const;

    const QString& owner() const { return owner_; }

private:
    QJsonValue value(const QString& key) const;
    [[noreturn]] void fail(const QString& key, const char* expected) const;

    QJsonObject values_;  // keys folded to lower case
    QString owner_;
};

// Parses the colour notations a design may use; false when `text` is none.
bool parseOleColor(const QString& text, OleColor& color);

}  // namespace qx
