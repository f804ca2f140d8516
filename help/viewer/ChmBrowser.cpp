#include "help/viewer/ChmBrowser.h"

#include <QDesktopServices>
#include <QTextDocument>

#include "help/chm/HelpBook.h"

namespace qx {
namespace {
const QString kScheme = QStringLiteral("chm");

bool opensOnTheDesktop(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

}  // namespace

ChmBrowser::ChmBrowser(const chm::HelpBook* book, QWidget* parent)
    : QTextBrowser(parent), book_(book) {
    // Left to itself the browser would send chm: links to the desktop too.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::follow);
}

QUrl ChmBrowser::urlOf(const QString& archivePath) {
    QUrl url;
    url.setScheme(kScheme);
    const qsizetype hash = archivePath.indexOf(QLatin1Char('#'));
    url.setPath(hash < 0 ? archivePath : archivePath.left(hash));
    if (hash >= 0) url.setFragment(archivePath.mid(hash + 1));
    return url;
}

QString ChmBrowser::archivePathOf(const QUrl& url) {
    const QString anchor = url.fragment();
    return anchor.isEmpty() ? url.path() : url.path() + QLatin1Char('#') + anchor;
}

void ChmBrowser::follow(const QUrl& link) {
    // Relative links ("ordering.html", "#clock") are relative to the page shown.
    const QUrl target = source().resolved(link);
    const QString scheme = target.scheme().toLower();
    if (opensOnTheDesktop(scheme)) {
        QDesktopServices::openUrl(target);
    } else if (scheme == kScheme) {
        emit pageLinkClicked(archivePathOf(target));
    }
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name) {
    // The base class would read local files: everything comes from the help file.
    if (!book_ || name.scheme() != kScheme) return {};
    const auto bytes = book_->archive().read(name.path());
    if (!bytes) return {};
    if (type == QTextDocument::ImageResource) return *bytes;
    return QString::fromUtf8(*bytes);
}

}  // namespace qx
