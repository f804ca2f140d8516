#include "help/chm/ContextMap.h"

#include "help/chm/ChmStrings.h"

namespace qx::chm {

QMap<quint32, QString> parseContextMap(const QByteArray& ivb, const QByteArray& strings) {
    QMap<quint32, QString> map;
    const auto declared = uint32At(ivb, 0);
    if (!declared) return map;
    const qsizetype end = std::min<qsizetype>(ivb.size(), 4 + qsizetype(*declared));
    for (qsizetype at = 4; at + 8 <= end; at += 8) {
        const quint32 id = *uint32At(ivb, at);
        const QString name = stringAt(strings, *uint32At(ivb, at + 4));
        if (!name.isEmpty()) map.insert(id, name);
    }
    return map;
}

QString resolveTopicPath(const QString& target, const QStringList& archiveFiles) {
    QString name = target;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype anchor = name.indexOf(QLatin1Char('#'));
    const QString fragment = anchor >= 0 ? name.mid(anchor) : QString();
    if (anchor >= 0) name.truncate(anchor);
    QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    while (!parts.isEmpty()) {
        const QString candidate = QLatin1Char('/') + parts.join(QLatin1Char('/'));
        for (const QString& file : archiveFiles)
            if (file.compare(candidate, Qt::CaseInsensitive) == 0) return file + fragment;
        parts.removeFirst();
    }
    return {};
}

}  // namespace qx::chm
