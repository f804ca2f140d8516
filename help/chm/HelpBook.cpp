#include "help/chm/HelpBook.h"

#include <QRegularExpression>
#include <algorithm>

#include "help/chm/ContextMap.h"
#include "help/chm/PageText.h"
#include "help/chm/TextPopups.h"

namespace qx::chm {
namespace {

bool isPage(const QString& path) {
    return path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

QStringList splitNames(const QString& names) {
    QStringList out;
    for (const QString& name : names.split(QLatin1Char(';')))
        if (!name.trimmed().isEmpty()) out.append(name.trimmed());
    return out;
}

void appendOnce(QStringList& list, const QString& value) {
    if (!value.isEmpty() && !list.contains(value)) list.append(value);
}

}  // namespace

HelpBook::HelpBook(std::unique_ptr<ChmArchive> archive)
    : archive_(std::move(archive)), files_(archive_->files()) {
    const QByteArray strings = readOr(QStringLiteral("/#STRINGS"));
    contextMap_ = parseContextMap(readOr(QStringLiteral("/#IVB")), strings);
    windowTypes_ = parseWindowTypes(readOr(QStringLiteral("/#WINDOWS")), strings);
}

std::unique_ptr<HelpBook> HelpBook::open(const QString& file, QString* error) {
    auto archive = ChmArchive::open(file, error);
    if (!archive) return nullptr;
    std::unique_ptr<HelpBook> book(new HelpBook(std::move(archive)));
    if (book->pages().isEmpty()) {
        if (error)
            *error = QStringLiteral("The help file %1 is damaged: it holds no pages.").arg(file);
        return nullptr;
    }
    return book;
}

QByteArray HelpBook::readOr(const QString& path) const {
    return archive_->read(path).value_or(QByteArray());
}

QStringList HelpBook::pages() const {
    QStringList out;
    for (const QString& file : files_)
        if (isPage(file)) out.append(file);
    return out;
}

std::optional<WindowType> HelpBook::windowType(const QString& name) const {
    // No name: the file's first window type, the one it opens in by default.
    if (name.trimmed().isEmpty() && !windowTypes_.isEmpty()) return windowTypes_.first();
    for (const WindowType& type : windowTypes_)
        if (type.name.compare(name, Qt::CaseInsensitive) == 0) return type;
    return std::nullopt;
}

QList<SitemapEntry> HelpBook::sitemap(const QString& named, const QString& ending) const {
    QString file = topicForPath(named);
    for (const QString& f : files_)
        if (file.isEmpty() && f.endsWith(ending, Qt::CaseInsensitive)) file = f;
    return file.isEmpty() ? QList<SitemapEntry>() : parseSitemap(readOr(file));
}

QList<SitemapEntry> HelpBook::contents(const QString& windowTypeName) const {
    const auto type = windowType(windowTypeName);
    return sitemap(type ? type->contentsFile : QString(), QStringLiteral(".hhc"));
}

QList<SitemapEntry> HelpBook::index(const QString& windowTypeName) const {
    const auto type = windowType(windowTypeName);
    return sitemap(type ? type->indexFile : QString(), QStringLiteral(".hhk"));
}

QString HelpBook::defaultTopic(const QString& windowTypeName) const {
    if (const auto type = windowType(windowTypeName)) {
        for (const QString& candidate : {type->homeTopic, type->defaultTopic}) {
            const QString path = topicForPath(candidate);
            if (!path.isEmpty()) return path;
        }
    }
    for (const SitemapEntry& entry : flattenSitemap(contents(windowTypeName)))
        for (const QString& local : entry.locals)
            if (const QString path = topicForPath(local); !path.isEmpty()) return path;
    const QStringList all = pages();
    return all.isEmpty() ? QString() : all.first();
}

QString HelpBook::topicForPath(const QString& path) const {
    if (path.trimmed().isEmpty()) return {};
    return resolveTopicPath(path.trimmed(), files_);
}

QString HelpBook::topicForContext(quint32 id) const {
    const auto it = contextMap_.constFind(id);
    return it == contextMap_.constEnd() ? QString() : topicForPath(*it);
}

QStringList HelpBook::pagesNaming(const QString& paramName, const QStringList& names) const {
    QStringList out;
    for (const QString& page : pages()) {
        const QStringList pageNames = pageLinkNames(readOr(page), paramName);
        for (const QString& name : names)
            if (pageNames.contains(name, Qt::CaseInsensitive)) appendOnce(out, page);
    }
    return out;
}

QStringList HelpBook::keywordTopics(const QString& keywords) const {
    const QStringList names = splitNames(keywords);
    QStringList out;
    for (const SitemapEntry& entry : flattenSitemap(index({}))) {
        if (!names.contains(entry.name.trimmed(), Qt::CaseInsensitive)) continue;
        for (const QString& local : entry.locals) appendOnce(out, topicForPath(local));
    }
    for (const QString& page : pagesNaming(QStringLiteral("Keyword"), names)) appendOnce(out, page);
    return out;
}

QStringList HelpBook::alinkTopics(const QString& names) const {
    return pagesNaming(QStringLiteral("ALink Name"), splitNames(names));
}

QList<SearchHit> HelpBook::search(const QString& query) const {
    static const QRegularExpression separators(QStringLiteral(R"([\s,;]+)"));
    const QStringList words = query.toLower().split(separators, Qt::SkipEmptyParts);
    if (words.isEmpty()) return {};
    QList<std::pair<qsizetype, SearchHit>> scored;
    for (const QString& page : pages()) {
        auto cached = textCache_.constFind(page);
        if (cached == textCache_.constEnd())
            cached = textCache_.insert(page, pageText(readOr(page)).toLower());
        qsizetype hits = 0;
        for (const QString& word : words) {
            const qsizetype n = cached->count(word);
            if (n == 0) {
                hits = 0;
                break;
            }
            hits += n;
        }
        if (hits > 0) scored.append({hits, SearchHit{pageTitleOf(page), page}});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<SearchHit> out;
    for (const auto& entry : scored) out.append(entry.second);
    return out;
}

std::optional<QString> HelpBook::popupText(const QString& sourcePath, quint32 id) const {
    const QString path = topicForPath(sourcePath);
    if (path.isEmpty()) return std::nullopt;
    const auto popups = parseTextPopups(readOr(path));
    const auto it = popups.constFind(id);
    if (it == popups.constEnd()) return std::nullopt;
    return *it;
}

QString HelpBook::pageTitleOf(const QString& path) const {
    QString file = path;
    file.truncate(file.indexOf(QLatin1Char('#')) >= 0 ? file.indexOf(QLatin1Char('#'))
                                                      : file.size());
    const QString title = pageTitle(readOr(file));
    return title.isEmpty() ? file.mid(file.lastIndexOf(QLatin1Char('/')) + 1) : title;
}

}  // namespace qx::chm
