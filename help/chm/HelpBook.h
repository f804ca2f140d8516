#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "help/chm/ChmArchive.h"
#include "help/chm/Sitemap.h"
#include "help/chm/WindowTypes.h"

namespace qx::chm {

struct SearchHit {
    QString title;
    QString path;
};

// A compiled help file with what a viewer asks of it. Topic paths are archive
// paths ("/page.html", optionally with "#anchor").
class HelpBook {
public:
    static std::unique_ptr<HelpBook> open(const QString& file, QString* error);

    const ChmArchive& archive() const { return *archive_; }

    // The named window type (a blank name: the file's first); nothing when
    // the file has none of that name.
    std::optional<WindowType> windowType(const QString& name) const;
    QList<SitemapEntry> contents(const QString& windowTypeName) const;
    QList<SitemapEntry> index(const QString& windowTypeName) const;
    // The window type's home page, else the first page of the contents.
    QString defaultTopic(const QString& windowTypeName) const;

    // A path given by a caller ("page.html", "/dir/page.html#a", "dir\page.html")
    // as the archive path it names; empty when the file has no such page.
    QString topicForPath(const QString& path) const;
    // The page mapped to a context number; empty when the number is unknown.
    QString topicForContext(quint32 id) const;
    // Pages listed for any of the ";"-separated keywords in the index or in the
    // pages' keyword objects, or named by the pages' A-link objects.
    QStringList keywordTopics(const QString& keywords) const;
    QStringList alinkTopics(const QString& names) const;
    // Pages whose text holds every word of the query, most hits first.
    QList<SearchHit> search(const QString& query) const;
    // The text of a ".topic" entry of a popup source inside the file.
    std::optional<QString> popupText(const QString& sourcePath, quint32 id) const;

    QString pageTitleOf(const QString& path) const;

private:
    explicit HelpBook(std::unique_ptr<ChmArchive> archive);
    QByteArray readOr(const QString& path) const;
    QStringList pages() const;
    // The named sitemap file, else the file's first one with that ending.
    QList<SitemapEntry> sitemap(const QString& named, const QString& ending) const;
    QStringList pagesNaming(const QString& paramName, const QStringList& names) const;

    std::unique_ptr<ChmArchive> archive_;
    QStringList files_;
    QMap<quint32, QString> contextMap_;
    QList<WindowType> windowTypes_;
    mutable QMap<QString, QString> textCache_;  // page path -> lower-case text
};

}  // namespace qx::chm
