#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

namespace qx::chm {

// One entry of the file's window types (/#WINDOWS).
struct WindowType {
    QString name;
    QString caption;
    QString contentsFile;
    QString indexFile;
    QString defaultTopic;
    QString homeTopic;
    QRect placement;  // empty when the file gives none
};

QList<WindowType> parseWindowTypes(const QByteArray& windows, const QByteArray& strings);

}  // namespace qx::chm
