#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qx::chm {

// "&amp;", "&lt;", "&#65;" and the like turned back into characters.
QString decodeEntities(const QString& text);

// The readable text of a page: no tags, scripts, styles or head; runs of
// white space become one space.
QString pageText(const QByteArray& html);

// The contents of the page's <title>, or empty.
QString pageTitle(const QByteArray& html);

// The values of the page's <param name="..." value="..."> of one kind
// ("ALink Name" or "Keyword"), each value split at ";".
QStringList pageLinkNames(const QByteArray& html, const QString& paramName);

}  // namespace qx::chm
