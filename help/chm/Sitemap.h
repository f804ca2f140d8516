#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace qx::chm {

// One entry of a contents (.hhc) or index (.hhk) file.
struct SitemapEntry {
    QString name;
    QStringList locals;  // topics it points at, in order
    QList<SitemapEntry> children;
};

// Reads the <ul>/<object type="text/sitemap"> tree of a .hhc or .hhk file.
QList<SitemapEntry> parseSitemap(const QByteArray& html);

// Every entry of the tree, parents before their children.
QList<SitemapEntry> flattenSitemap(const QList<SitemapEntry>& tree);

}  // namespace qx::chm
