#include "help/chm/TextPopups.h"

#include <QStringList>
#include <optional>

namespace qx::chm {

QMap<quint32, QString> parseTextPopups(const QByteArray& source) {
    QMap<quint32, QString> popups;
    std::optional<quint32> current;
    QStringList paragraphs;
    QString paragraph;
    auto finish = [&] {
        if (!paragraph.isEmpty()) paragraphs.append(paragraph);
        if (current) popups.insert(*current, paragraphs.join(QLatin1Char('\n')));
        paragraphs.clear();
        paragraph.clear();
    };
    const QString text = QString::fromUtf8(source);
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1String(".topic"), Qt::CaseInsensitive)) {
            finish();
            bool ok = false;
            const quint32 id = line.mid(6).trimmed().toUInt(&ok);
            current = ok ? std::optional<quint32>(id) : std::nullopt;
        } else if (line.isEmpty()) {
            if (!paragraph.isEmpty()) paragraphs.append(paragraph);
            paragraph.clear();
        } else {
            paragraph += (paragraph.isEmpty() ? QString() : QStringLiteral(" ")) + line;
        }
    }
    finish();
    return popups;
}

}  // namespace qx::chm
