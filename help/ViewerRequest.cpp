#include "help/ViewerRequest.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/qt/RuntimeFolder.h"

namespace qx {
namespace {

// In the order of ViewerRequest::Command.
constexpr const char* kCommandNames[] = {"topic",   "context", "contents", "index", "search",
                                         "keyword", "alink",   "popup",    "close", "removejump"};
static_assert(std::size(kCommandNames) == int(ViewerRequest::Command::RemoveJump) + 1);

QString commandName(ViewerRequest::Command command) {
    return QString::fromLatin1(kCommandNames[static_cast<int>(command)]);
}

std::optional<ViewerRequest::Command> commandNamed(const QString& name) {
    for (int i = 0; i < int(std::size(kCommandNames)); ++i)
        if (name == QLatin1String(kCommandNames[i])) return static_cast<ViewerRequest::Command>(i);
    return std::nullopt;
}

}  // namespace

QByteArray ViewerRequest::toLine() const {
    QJsonObject o;
    o.insert(QStringLiteral("command"), commandName(command));
    o.insert(QStringLiteral("topic"), topic);
    o.insert(QStringLiteral("context"), qint64(context));
    o.insert(QStringLiteral("names"), names);
    o.insert(QStringLiteral("defaultTopic"), defaultTopic);
    o.insert(QStringLiteral("notFoundText"), notFoundText);
    o.insert(QStringLiteral("notFoundTitle"), notFoundTitle);
    o.insert(QStringLiteral("popupText"), popupText);
    o.insert(QStringLiteral("popupSource"), popupSource);
    o.insert(QStringLiteral("x"), position.x());
    o.insert(QStringLiteral("y"), position.y());
    o.insert(QStringLiteral("textColor"), qint64(textColor));
    o.insert(QStringLiteral("backColor"), qint64(backColor));
    o.insert(QStringLiteral("font"), font);
    o.insert(QStringLiteral("owner"), QString::number(ownerWindow));
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<ViewerRequest> ViewerRequest::fromLine(const QByteArray& line) {
    const QJsonDocument doc = QJsonDocument::fromJson(line.trimmed());
    if (!doc.isObject()) return std::nullopt;
    const QJsonObject o = doc.object();
    const auto command = commandNamed(o.value(QStringLiteral("command")).toString());
    if (!command) return std::nullopt;
    ViewerRequest r;
    r.command = *command;
    r.topic = o.value(QStringLiteral("topic")).toString();
    r.context = quint32(o.value(QStringLiteral("context")).toInteger());
    r.names = o.value(QStringLiteral("names")).toString();
    r.defaultTopic = o.value(QStringLiteral("defaultTopic")).toString();
    r.notFoundText = o.value(QStringLiteral("notFoundText")).toString();
    r.notFoundTitle = o.value(QStringLiteral("notFoundTitle")).toString();
    r.popupText = o.value(QStringLiteral("popupText")).toString();
    r.popupSource = o.value(QStringLiteral("popupSource")).toString();
    r.position = QPoint(o.value(QStringLiteral("x")).toInt(), o.value(QStringLiteral("y")).toInt());
    r.textColor = quint32(o.value(QStringLiteral("textColor")).toInteger());
    r.backColor = quint32(o.value(QStringLiteral("backColor")).toInteger());
    r.font = o.value(QStringLiteral("font")).toString();
    r.ownerWindow = o.value(QStringLiteral("owner")).toString().toULongLong();
    return r;
}

ViewerPlace viewerPlace(const QString& file, const QString& windowType) {
    const QString folder = runtimeFolder();
    if (folder.isEmpty()) return {};
    const QByteArray key =
        (QFileInfo(file).absoluteFilePath() + QLatin1Char('>') + windowType.trimmed().toLower())
            .toUtf8();
    const QString stem =
        folder + QStringLiteral("/help-") +
        QString::fromLatin1(
            QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
    return {stem + QStringLiteral(".socket"), stem + QStringLiteral(".lock")};
}

}  // namespace qx
