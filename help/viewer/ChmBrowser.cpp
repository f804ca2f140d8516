#include "help/viewer/ChmBrowser.h"

#include <QTextDocument>

#include "help/chm/HelpBook.h"

namespace qx {
namespace {
const QString kScheme = QStringLiteral("chm");
}

ChmBrowser::ChmBrowser(const chm::HelpBook* book, QWidget* parent)
    : QTextBrowser(parent), book_(book) {
    setOpenLinks(true);
    setOpenExternalLinks(true);
}

QUrl ChmBrowser::urlOf(const QString& archivePath) {
    QUrl url;
    url.setScheme(kScheme);
    const qsizetype hash = archivePath.indexOf(QLatin1Char('#'));
    url.setPath(hash < 0 ? archivePath : archivePath.left(hash));
    if (hash >= 0) url.setFragment(archivePath.mid(hash + 1));
    return url;
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
