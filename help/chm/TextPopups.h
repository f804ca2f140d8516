#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace qx::chm {

// A text-popup source: ".topic <number>" lines, each followed by its text up
// to the next ".topic". Lines of the text are joined; blank lines end a
// paragraph.
QMap<quint32, QString> parseTextPopups(const QByteArray& source);

}  // namespace qx::chm
