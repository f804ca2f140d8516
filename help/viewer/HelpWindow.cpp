#include "help/viewer/HelpWindow.h"

#include <QCloseEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "help/chm/HelpBook.h"
#include "help/viewer/ChmBrowser.h"

namespace qx {
namespace {

constexpr int kPathRole = Qt::UserRole;

void addEntries(QTreeWidgetItem* parent, QTreeWidget* tree,
                const QList<chm::SitemapEntry>& entries) {
    for (const chm::SitemapEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, entry.name);
        item->setData(0, kPathRole, entry.locals.value(0));
        addEntries(item, tree, entry.children);
    }
}

}  // namespace

HelpWindow::HelpWindow(const chm::HelpBook* book, const QString& title, const QString& windowType,
                       const QString& problem)
    : book_(book) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(title);
    browser_ = new ChmBrowser(book, this);
    browser_->setObjectName(QStringLiteral("page"));

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("Back"), browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
    back->setObjectName(QStringLiteral("back"));
    forward->setObjectName(QStringLiteral("forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    QAction* home = bar->addAction(QStringLiteral("Home"), this, [this, windowType] {
        if (book_) showTopic(book_->defaultTopic(windowType));
    });
    home->setObjectName(QStringLiteral("home"));
    jump_ = bar->addAction(QStringLiteral("Jump to URL..."), this, [this] {
        bool ok = false;
        const QString page =
            QInputDialog::getText(this, windowTitle(), QStringLiteral("Page in this help file:"),
                                  QLineEdit::Normal, currentTopic(), &ok);
        if (ok && !page.trimmed().isEmpty()) showTopic(page.trimmed());
    });
    jump_->setObjectName(QStringLiteral("jumpUrl"));
    connect(browser_, &ChmBrowser::pageLinkClicked, this, &HelpWindow::showTopic);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    tabs_ = new QTabWidget;
    contents_ = new QTreeWidget;
    contents_->setHeaderHidden(true);
    tabs_->addTab(contents_, QStringLiteral("Contents"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexFilter_ = new QLineEdit;
    indexFilter_->setPlaceholderText(QStringLiteral("Type in the keyword to find"));
    index_ = new QListWidget;
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index_);
    tabs_->addTab(indexPage, QStringLiteral("Index"));

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchBox_ = new QLineEdit;
    searchBox_->setPlaceholderText(QStringLiteral("Type in the word(s) to search for"));
    auto* listTopics = new QPushButton(QStringLiteral("List Topics"));
    results_ = new QListWidget;
    searchLayout->addWidget(searchBox_);
    searchLayout->addWidget(listTopics);
    searchLayout->addWidget(results_);
    tabs_->addTab(searchPage, QStringLiteral("Search"));

    auto* split = new QSplitter;
    split->addWidget(tabs_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 820});
    setCentralWidget(split);
    resize(860, 620);

    auto openItem = [this](const QString& local) {
        const QString path = book_ ? book_->topicForPath(local) : QString();
        if (!path.isEmpty()) showTopic(path);
    };
    connect(contents_, &QTreeWidget::itemClicked, this,
            [openItem](QTreeWidgetItem* item) { openItem(item->data(0, kPathRole).toString()); });
    connect(index_, &QListWidget::itemActivated, this,
            [openItem](QListWidgetItem* item) { openItem(item->data(kPathRole).toString()); });
    connect(index_, &QListWidget::itemClicked, this,
            [openItem](QListWidgetItem* item) { openItem(item->data(kPathRole).toString()); });
    connect(indexFilter_, &QLineEdit::textChanged, this, &HelpWindow::filterIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this, [this, openItem] {
        for (int i = 0; i < index_->count(); ++i)
            if (!index_->item(i)->isHidden())
                return openItem(index_->item(i)->data(kPathRole).toString());
    });
    connect(searchBox_, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
    connect(listTopics, &QPushButton::clicked, this, &HelpWindow::runSearch);
    connect(results_, &QListWidget::itemClicked, this,
            [openItem](QListWidgetItem* item) { openItem(item->data(kPathRole).toString()); });

    if (book_) {
        buildContents(windowType);
        buildIndex(windowType);
    } else {
        tabs_->setEnabled(false);
        showNote(problem);
    }
}

void HelpWindow::buildContents(const QString& windowType) {
    addEntries(nullptr, contents_, book_->contents(windowType));
    contents_->expandAll();
}

void HelpWindow::buildIndex(const QString& windowType) {
    for (const chm::SitemapEntry& entry : chm::flattenSitemap(book_->index(windowType))) {
        auto* item = new QListWidgetItem(entry.name, index_);
        item->setData(kPathRole, entry.locals.value(0));
    }
}

void HelpWindow::filterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    bool selected = false;
    for (int i = 0; i < index_->count(); ++i) {
        QListWidgetItem* item = index_->item(i);
        const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !selected && !wanted.isEmpty()) {
            index_->setCurrentItem(item);
            selected = true;
        }
    }
}

void HelpWindow::runSearch() {
    results_->clear();
    if (!book_) return;
    const auto hits = book_->search(searchBox_->text());
    for (const chm::SearchHit& hit : hits) {
        auto* item = new QListWidgetItem(hit.title, results_);
        item->setData(kPathRole, hit.path);
    }
    if (hits.isEmpty()) new QListWidgetItem(QStringLiteral("No topics found."), results_);
}

void HelpWindow::showTopic(const QString& archivePath) {
    if (!book_) return;
    const QString path = book_->topicForPath(archivePath);
    if (path.isEmpty()) {
        showNote(QStringLiteral("The page %1 is not in this help file.").arg(archivePath));
        return;
    }
    browser_->setSource(ChmBrowser::urlOf(path), QTextDocument::HtmlResource);
}

void HelpWindow::showContents() {
    tabs_->setCurrentIndex(0);
}

void HelpWindow::showIndex() {
    tabs_->setCurrentIndex(1);
    indexFilter_->setFocus();
}

void HelpWindow::showSearch(const QString& query) {
    tabs_->setCurrentIndex(2);
    searchBox_->setText(query);
    searchBox_->setFocus();
    if (!query.trimmed().isEmpty()) runSearch();
}

void HelpWindow::showFound(const QStringList& pages) {
    if (pages.isEmpty() || !book_) return;
    showTopic(pages.first());
    results_->clear();
    for (const QString& page : pages) {
        auto* item = new QListWidgetItem(book_->pageTitleOf(page), results_);
        item->setData(kPathRole, page);
    }
    if (pages.size() > 1) tabs_->setCurrentIndex(2);
}

void HelpWindow::showNote(const QString& text) {
    browser_->setPlainText(text);
}

QString HelpWindow::currentTopic() const {
    return ChmBrowser::archivePathOf(browser_->source());
}

void HelpWindow::removeJumpItem() {
    if (!jump_) return;
    delete jump_;
    jump_ = nullptr;
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

}  // namespace qx
