#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace qx::chm {

// Context numbers to topic names, from /#IVB (a byte count, then pairs of
// context number and /#STRINGS offset) and /#STRINGS.
QMap<quint32, QString> parseContextMap(const QByteArray& ivb, const QByteArray& strings);

// The file of the archive a context target names. The help compiler may keep
// the absolute path it was given, so the name is tried whole and then by ever
// shorter path suffixes; backslashes count as slashes. Empty when none fits.
QString resolveTopicPath(const QString& target, const QStringList& archiveFiles);

}  // namespace qx::chm
