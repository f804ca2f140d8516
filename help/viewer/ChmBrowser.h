#pragma once

#include <QTextBrowser>

namespace qx::chm {
class HelpBook;
}

namespace qx {

// Pages of the help file with every picture and style sheet read from the
// file itself; nothing is ever read from the disk. Pages live under the
// "chm" scheme: chm:/page.html#anchor.
class ChmBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit ChmBrowser(const chm::HelpBook* book, QWidget* parent = nullptr);

    static QUrl urlOf(const QString& archivePath);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    const chm::HelpBook* book_;
};

}  // namespace qx
