#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <optional>

namespace qx {

// What the game asks of the help viewer program, sent over its local socket
// as one line of JSON. The viewer answers with one line: its window id, or 0.
struct ViewerRequest {
    enum class Command {
        Topic,
        Context,
        Contents,
        Index,
        Search,
        Keyword,
        ALink,
        Popup,
        Close,
        RemoveJump
    };

    Command command = Command::Topic;
    QString topic;        // Topic: path inside the file
    quint32 context = 0;  // Context: context number; Popup: string id
    // Keyword / ALink lookups: ";"-separated names, the page shown when none
    // is found and the message shown then (when there is no such page).
    QString names;
    QString defaultTopic;
    QString notFoundText;
    QString notFoundTitle;
    // Popup: the text itself, or a text-popup source inside the file.
    QString popupText;
    QString popupSource;
    QPoint position;
    // Popup colours as 0xBBGGRR; 0 means the viewer's own colour.
    quint32 textColor = 0;
    quint32 backColor = 0;
    QString font;             // "face, size, charset, styles"
    quint64 ownerWindow = 0;  // window the viewer stays on top of, or 0

    QByteArray toLine() const;
    static std::optional<ViewerRequest> fromLine(const QByteArray& line);
};

// Where the viewer showing one file in one window type listens, and the lock
// that keeps it the only one: in the user's private runtime folder, the same
// for every request for that pair. Both empty when there is no such folder.
struct ViewerPlace {
    QString socket;
    QString lock;
};
ViewerPlace viewerPlace(const QString& file, const QString& windowType);

}  // namespace qx
