#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStringList>

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

}  // namespace qx
