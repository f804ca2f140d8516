#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QSignalSpy>
#include <QStringList>
#include <vector>

#include "controls/zbbutton/zbButtons_H.h"
#include "platform/qt/ProgramMessage.h"

namespace qx {

inline PropertyBag storeOf(const char* json) {
    return PropertyBag(QJsonDocument::fromJson(QByteArray(json)).object(),
                       QStringLiteral("frmTest.btn"));
}

// Message boxes a test would have seen.
struct SeenMessages {
    QStringList texts;
    QStringList titles;
    ScopedMessageSink sink{[this](const MessageRequest& r) {
        texts << r.text;
        titles << r.title;
    }};
};

// The property-store keys a button reported, in order.
inline QStringList reportedKeys(const QSignalSpy& spy) {
    QStringList keys;
    for (const QList<QVariant>& args : spy) keys << args.at(0).toString();
    return keys;
}

// One button of the game's window designs.
struct DesignButton {
    QString name;  // "frmMain.cmdNew"
    QRect rect;
    QJsonObject properties;
};

// Every button of the game's windows, as their design files give them.
inline std::vector<DesignButton> designButtons() {
    std::vector<DesignButton> buttons;
    for (const char* form : {"Start", "frmMain", "Win"}) {
        QFile file(QStringLiteral(QX_DESIGNS_DIR "/") + QLatin1String(form) +
                   QStringLiteral(".json"));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QJsonObject design = QJsonDocument::fromJson(file.readAll()).object();
        for (const QJsonValue& c : design.value(QStringLiteral("controls")).toArray()) {
            if (c[QStringLiteral("kind")].toString() != QLatin1String("zbButtons_H")) continue;
            const QJsonArray r = c[QStringLiteral("rect")].toArray();
            buttons.push_back(
                {QLatin1String(form) + QLatin1Char('.') + c[QStringLiteral("name")].toString(),
                 QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt()),
                 c[QStringLiteral("properties")].toObject()});
        }
    }
    return buttons;
}

}  // namespace qx
