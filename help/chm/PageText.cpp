#include "help/chm/PageText.h"

#include <QHash>
#include <QRegularExpression>

namespace qx::chm {

QString decodeEntities(const QString& text) {
    if (!text.contains(QLatin1Char('&'))) return text;
    static const QHash<QString, QString> named{{QStringLiteral("amp"), QStringLiteral("&")},
                                               {QStringLiteral("lt"), QStringLiteral("<")},
                                               {QStringLiteral("gt"), QStringLiteral(">")},
                                               {QStringLiteral("quot"), QStringLiteral("\"")},
                                               {QStringLiteral("apos"), QStringLiteral("'")},
                                               {QStringLiteral("nbsp"), QStringLiteral(" ")},
                                               {QStringLiteral("copy"), QStringLiteral("\u00A9")}};
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-fA-F]+|#[0-9]+|[a-zA-Z]+);"));
    QString out;
    qsizetype last = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        out += text.mid(last, match.capturedStart() - last);
        const QString body = match.captured(1);
        QString replacement = match.captured(0);
        bool ok = false;
        uint code = 0;
        if (body.startsWith(QLatin1String("#x"), Qt::CaseInsensitive))
            code = body.mid(2).toUInt(&ok, 16);
        else if (body.startsWith(QLatin1Char('#')))
            code = body.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t c = code;
            replacement = QString::fromUcs4(&c, 1);
        } else if (named.contains(body.toLower())) {
            replacement = named.value(body.toLower());
        }
        out += replacement;
        last = match.capturedEnd();
    }
    return out + text.mid(last);
}

QString pageText(const QByteArray& html) {
    static const QRegularExpression hidden(
        QStringLiteral(R"re(<(head|script|style)\b.*?</\1\s*>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression space(QStringLiteral(R"re(\s+)re"));
    QString text = QString::fromUtf8(html);
    text.remove(hidden);
    text.replace(tag, QStringLiteral(" "));
    return decodeEntities(text).replace(space, QStringLiteral(" ")).trimmed();
}

QString pageTitle(const QByteArray& html) {
    static const QRegularExpression title(
        QStringLiteral(R"re(<title[^>]*>(.*?)</title\s*>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return decodeEntities(title.match(QString::fromUtf8(html)).captured(1)).simplified();
}

QStringList pageLinkNames(const QByteArray& html, const QString& paramName) {
    static const QRegularExpression param(
        QStringLiteral(R"re(<param\s+name\s*=\s*"([^"]*)"\s+value\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    auto it = param.globalMatch(QString::fromUtf8(html));
    while (it.hasNext()) {
        const auto match = it.next();
        if (match.captured(1).compare(paramName, Qt::CaseInsensitive) != 0) continue;
        for (const QString& name : decodeEntities(match.captured(2)).split(QLatin1Char(';')))
            if (!name.trimmed().isEmpty()) names.append(name.trimmed());
    }
    return names;
}

}  // namespace qx::chm
