#pragma once

#include <QTextBrowser>

namespace qx::chm {
class HelpBook;
}

namespace qx {

// Pages of the help file with every picture and style sheet read from the
// file itself; nothing is ever read from the disk. Pages live under the
// "chm" scheme: chm:/page.html#anchor. Links between pages are handed to the
// window (pageLinkClicked), web and mail addresses to the desktop, and any
// other link is not followed.
class ChmBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit ChmBrowser(const chm::HelpBook* book, QWidget* parent = nullptr);

    static QUrl urlOf(const QString& archivePath);
    // The other way: "/page.html#anchor" of a chm: address.
    static QString archivePathOf(const QUrl& url);

    QVariant loadResource(int type, const QUrl& name) override;

signals:
    // A link to a page of the file: its archive path, anchor included.
    void pageLinkClicked(const QString& archivePath);

private:
    void follow(const QUrl& link);

    const chm::HelpBook* book_;
};

}  // namespace qx
