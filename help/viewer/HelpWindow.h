#pragma once

#include <QMainWindow>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace qx {
namespace chm {
class HelpBook;
}
class ChmBrowser;

// The viewer's own name, the title of its popups and of a window whose file
// cannot be read.
inline const QString kViewerTitle = QStringLiteral("Quiltrix Help");

// The viewer's window: contents, index and search beside the page, with back
// and forward. Without a book (the file could not be read) it shows why.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    HelpWindow(const chm::HelpBook* book, const QString& title, const QString& windowType,
               const QString& problem);

    // Shows a page by its archive path (an anchor may follow); an unknown page
    // shows a note instead.
    void showTopic(const QString& archivePath);
    void showContents();
    void showIndex();
    void showSearch(const QString& query);
    // Pages found by a lookup: the first is shown, all are listed.
    void showFound(const QStringList& pages);
    void showNote(const QString& text);
    QString currentTopic() const;
    // Takes "Jump to URL..." off the window's menu.
    void removeJumpItem();

    ChmBrowser* browser() const { return browser_; }
    QTreeWidget* contentsTree() const { return contents_; }
    QListWidget* indexList() const { return index_; }
    QLineEdit* indexFilter() const { return indexFilter_; }
    QLineEdit* searchBox() const { return searchBox_; }
    QListWidget* searchResults() const { return results_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildContents(const QString& windowType);
    void buildIndex(const QString& windowType);
    void filterIndex(const QString& text);
    void runSearch();

    const chm::HelpBook* book_;
    ChmBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QListWidget* index_ = nullptr;
    QLineEdit* searchBox_ = nullptr;
    QListWidget* results_ = nullptr;
    QAction* jump_ = nullptr;
};

}  // namespace qx
