#include "help/chm/Sitemap.h"

#include <QRegularExpression>

#include "help/chm/PageText.h"

namespace qx::chm {
namespace {

// The tags that shape the tree; everything else is skipped.
const QRegularExpression& tagPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"re(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)re"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString attribute(const QString& attributes, const QString& name) {
    const QRegularExpression pattern(
        QStringLiteral(R"re(\b%1\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(attributes);
    if (!match.hasMatch()) return {};
    for (int i = 1; i <= 3; ++i)
        if (match.capturedStart(i) >= 0) return decodeEntities(match.captured(i));
    return {};
}

}  // namespace

QList<SitemapEntry> parseSitemap(const QByteArray& html) {
    QList<SitemapEntry> root;
    // The lists being filled, innermost last; an entry's children go into the
    // <ul> that follows it.
    QList<QList<SitemapEntry>*> open{&root};
    SitemapEntry current;
    bool inObject = false;
    auto it = tagPattern().globalMatch(QString::fromUtf8(html));
    while (it.hasNext()) {
        const auto match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString tag = match.captured(2).toLower();
        const QString attributes = match.captured(3);
        if (tag == QLatin1String("ul")) {
            if (!closing) {
                QList<SitemapEntry>* list = open.last();
                open.append(list->isEmpty() ? list : &list->last().children);
            } else if (open.size() > 1) {
                open.removeLast();
            }
        } else if (tag == QLatin1String("object")) {
            if (!closing &&
                attribute(attributes, QStringLiteral("type"))
                        .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0) {
                inObject = true;
                current = {};
            } else if (closing && inObject) {
                inObject = false;
                if (!current.name.isEmpty() || !current.locals.isEmpty())
                    open.last()->append(current);
            }
        } else if (tag == QLatin1String("param") && inObject) {
            const QString name = attribute(attributes, QStringLiteral("name")).toLower();
            const QString value = attribute(attributes, QStringLiteral("value"));
            if (name == QLatin1String("name") && current.name.isEmpty())
                current.name = value;
            else if (name == QLatin1String("local") && !value.isEmpty())
                current.locals.append(value);
        }
    }
    return root;
}

QList<SitemapEntry> flattenSitemap(const QList<SitemapEntry>& tree) {
    QList<SitemapEntry> out;
    for (const SitemapEntry& entry : tree) {
        out.append(entry);
        out.append(flattenSitemap(entry.children));
    }
    return out;
}

}  // namespace qx::chm
