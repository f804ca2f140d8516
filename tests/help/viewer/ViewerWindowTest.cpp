#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

#include "help/viewer/ChmBrowser.h"
#include "help/viewer/HelpWindow.h"
#include "help/viewer/TextPopup.h"
#include "help/viewer/ViewerServer.h"

namespace qx {
namespace {

using Command = ViewerRequest::Command;
const QString kBuiltFile = QStringLiteral(QUILTRIX_HELP_FILE);

ViewerRequest request(Command command) {
    ViewerRequest r;
    r.command = command;
    return r;
}

ViewerRequest contextRequest(quint32 id) {
    ViewerRequest r = request(Command::Context);
    r.context = id;
    return r;
}

// Stands in for the desktop's browser and mail program while it lives.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    DesktopRecorder() {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~DesktopRecorder() override {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }

private:
    static constexpr const char* kSchemes[] = {"http", "https", "mailto", "chm", "file"};
};

// Clicks the page's first link to `href` as a reader would; false when the
// page has none.
bool clickLink(ChmBrowser* browser, const QString& href) {
    QTextDocument* page = browser->document();
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href) continue;
            QTextCursor cursor(page);
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                              browser->cursorRect(cursor).center());
            return true;
        }
    }
    return false;
}

// A copy of the built help file holding only its first `bytes`.
QString truncatedHelpFile(const QTemporaryDir& dir, qint64 bytes) {
    QFile built(kBuiltFile);
    if (!built.open(QIODevice::ReadOnly)) return {};
    const QString path = dir.filePath(QStringLiteral("Quiltrix.chm"));
    QFile cut(path);
    if (!cut.open(QIODevice::WriteOnly)) return {};
    cut.write(built.read(bytes));
    return path;
}

class ViewerWindowTest : public ::testing::Test {
protected:
    ViewerServer server{kBuiltFile, QStringLiteral("Main")};
    ~ViewerWindowTest() override {
        if (server.window()) delete server.window();
    }
};

TEST_F(ViewerWindowTest, ContextNumbersOpenTheirPagesInOneWindow) {
    const quint64 first = server.handle(contextRequest(1));
    ASSERT_NE(first, 0u);
    HelpWindow* window = server.window();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quiltrix Help"));
    EXPECT_EQ(window->currentTopic(), QStringLiteral("/howto.html"));
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("How to Use Quiltrix")));
    const struct {
        quint32 id;
        const char* page;
    } cases[] = {{6, "/ordering.html"}, {7, "/license.html"}};
    for (const auto& c : cases) {
        EXPECT_EQ(server.handle(contextRequest(c.id)), first) << "the same window again";
        EXPECT_EQ(window->currentTopic(), QString::fromUtf8(c.page));
    }
    window->browser()->backward();
    EXPECT_EQ(window->currentTopic(), QStringLiteral("/ordering.html"));
    server.handle(contextRequest(99));
    EXPECT_TRUE(window->browser()->toPlainText().contains(
        QStringLiteral("no topic for context number 99")));
}

TEST_F(ViewerWindowTest, TheWindowTakesThePlaceAndSizeOfItsWindowType) {
    server.handle(contextRequest(1));
    // Main is [60,40,1120,740]: left, top, right and bottom.
    EXPECT_EQ(server.window()->geometry(), QRect(60, 40, 1060, 700));
}

TEST_F(ViewerWindowTest, LinksBetweenPagesOpenInTheViewerWithHistory) {
    DesktopRecorder desktop;
    server.handle(contextRequest(1));
    HelpWindow* window = server.window();
    ChmBrowser* browser = window->browser();
    ASSERT_TRUE(clickLink(browser, QStringLiteral("ordering.html")));
    EXPECT_EQ(window->currentTopic(), QStringLiteral("/ordering.html"));
    ASSERT_TRUE(clickLink(browser, QStringLiteral("license.html")));
    EXPECT_EQ(window->currentTopic(), QStringLiteral("/license.html"));
    browser->backward();
    EXPECT_EQ(window->currentTopic(), QStringLiteral("/ordering.html"));
    browser->backward();
    EXPECT_EQ(window->currentTopic(), QStringLiteral("/howto.html"));
    browser->forward();
    EXPECT_EQ(window->currentTopic(), QStringLiteral("/ordering.html"));

    const struct {
        const char* link;
        const char* page;  // where the viewer is afterwards
    } inside[] = {
        {"chm:/howto.html#clock", "/howto.html#clock"},
        {"#hint", "/howto.html#hint"},
        {"license.html", "/license.html"},
        {"missing.html", "/license.html"},  // a note says so; the page stays in the history
    };
    for (const auto& c : inside) {
        emit browser->anchorClicked(QUrl(QString::fromUtf8(c.link)));
        EXPECT_EQ(window->currentTopic(), QString::fromUtf8(c.page)) << c.link;
    }
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("not in this help file")));
    EXPECT_TRUE(desktop.opened.isEmpty()) << "links inside the file never leave the viewer";
}

TEST_F(ViewerWindowTest, OnlyWebAndMailAddressesGoToTheDesktop) {
    DesktopRecorder desktop;
    server.handle(contextRequest(6));
    ChmBrowser* browser = server.window()->browser();
    const QList<QUrl> outside{QUrl(QStringLiteral("https://example.org/quiltrix")),
                              QUrl(QStringLiteral("http://example.org/")),
                              QUrl(QStringLiteral("mailto:someone@example.org"))};
    for (const QUrl& url : outside) emit browser->anchorClicked(url);
    for (const char* never : {"file:///etc/passwd", "javascript:alert(1)", "ftp://example.org/"})
        emit browser->anchorClicked(QUrl(QString::fromUtf8(never)));
    EXPECT_EQ(desktop.opened, outside);
    EXPECT_EQ(server.window()->currentTopic(), QStringLiteral("/ordering.html"));
}

TEST_F(ViewerWindowTest, PicturesAndStylesComeFromTheFileAndNeverFromTheDisk) {
    server.handle(contextRequest(1));
    ChmBrowser* browser = server.window()->browser();
    const QVariant picture = browser->loadResource(
        QTextDocument::ImageResource, ChmBrowser::urlOf(QStringLiteral("/images/game.png")));
    ASSERT_EQ(picture.typeId(), QMetaType::QByteArray);
    EXPECT_TRUE(picture.toByteArray().startsWith("\x89PNG"));
    EXPECT_FALSE(
        browser->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(kBuiltFile))
            .isValid());
    EXPECT_FALSE(browser
                     ->loadResource(QTextDocument::HtmlResource,
                                    ChmBrowser::urlOf(QStringLiteral("/missing.html")))
                     .isValid());
}

TEST_F(ViewerWindowTest, TheContentsIndexAndSearchLeadToPages) {
    server.handle(request(Command::Index));
    HelpWindow* window = server.window();
    EXPECT_EQ(window->currentTopic(), QStringLiteral("/howto.html")) << "the home page first";
    EXPECT_EQ(window->contentsTree()->topLevelItemCount(), 3);

    window->indexFilter()->setText(QStringLiteral("JIG"));
    int shown = 0;
    for (int i = 0; i < window->indexList()->count(); ++i)
        if (!window->indexList()->item(i)->isHidden()) ++shown;
    EXPECT_EQ(shown, 2) << "Easy Jigsaw and Hard Jigsaw";
    emit window->indexFilter()->returnPressed();
    EXPECT_EQ(window->currentTopic(), QStringLiteral("/howto.html#gametypes"));

    ViewerRequest search = request(Command::Search);
    search.names = QStringLiteral("issue tracker");
    server.handle(search);
    ASSERT_EQ(window->searchResults()->count(), 1);
    EXPECT_EQ(window->searchResults()->item(0)->text(), QStringLiteral("Ordering Information"));

    EXPECT_NE(window->findChild<QAction*>(QStringLiteral("jumpUrl")), nullptr);
    server.handle(request(Command::RemoveJump));
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("jumpUrl")), nullptr);
}

TEST_F(ViewerWindowTest, LookupsShowTheFoundPageOrTheDefaultOne) {
    ViewerRequest lookup = request(Command::ALink);
    lookup.names = QStringLiteral("Fonts");
    server.handle(lookup);
    EXPECT_EQ(server.window()->currentTopic(), QStringLiteral("/license.html"));

    lookup.command = Command::Keyword;
    lookup.names = QStringLiteral("clock; Move Board");
    server.handle(lookup);
    EXPECT_EQ(server.window()->currentTopic(), QStringLiteral("/howto.html#clock"));
    EXPECT_EQ(server.window()->searchResults()->count(), 2) << "every page found is listed";

    lookup.names = QStringLiteral("no such keyword");
    lookup.defaultTopic = QStringLiteral("ordering.html");
    server.handle(lookup);
    EXPECT_EQ(server.window()->currentTopic(), QStringLiteral("/ordering.html"));
}

TEST_F(ViewerWindowTest, PopupsShowTheirTextAndZeroColoursAreTheDefaults) {
    ViewerRequest popup = request(Command::Popup);
    popup.popupSource = QStringLiteral("popups.txt");
    popup.context = 1002;
    popup.position = QPoint(50, 60);
    ASSERT_NE(server.handle(popup), 0u);
    auto* shown = qobject_cast<TextPopup*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->text().contains(QStringLiteral("press R")));
    const QColor text = shown->palette().color(QPalette::WindowText);
    const QColor back = shown->palette().color(QPalette::Window);
    EXPECT_NE(text, back) << "never black on black";
    EXPECT_EQ(back, QColor(255, 255, 225));
    shown->close();

    popup.popupSource.clear();
    popup.popupText = QStringLiteral("Plain words");
    popup.textColor = 0x0000FF;  // red as 0xBBGGRR
    server.handle(popup);
    shown = qobject_cast<TextPopup*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(), QStringLiteral("Plain words"));
    EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    shown->close();
    EXPECT_EQ(server.window(), nullptr) << "a popup opens no help window";
}

TEST_F(ViewerWindowTest, APopupStaysUntilDismissedAndOnlyThenTheViewerFinishes) {
    QSignalSpy finished(&server, &ViewerServer::finished);
    ViewerRequest popup = request(Command::Popup);
    popup.popupText = QStringLiteral("Stays");
    popup.position = QPoint(50, 60);
    ASSERT_NE(server.handle(popup), 0u);
    auto* shown = qobject_cast<TextPopup*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);

    server.finishUnlessShownWithin(0);  // the wait of a viewer started for the game runs out
    QTest::qWait(20);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(server.showsAnything());
    EXPECT_EQ(finished.count(), 0);

    QTest::keyClick(shown, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Esc closes the popup";
    EXPECT_TRUE(finished.wait(2000));
}

TEST(ViewerWindowProblems, AViewerWithNothingToShowFinishesWhenItsWaitRunsOut) {
    ViewerServer server(kBuiltFile, QStringLiteral("Main"));
    QSignalSpy finished(&server, &ViewerServer::finished);
    server.finishUnlessShownWithin(0);
    EXPECT_TRUE(finished.wait(2000));
}

TEST(ViewerWindowProblems, AFileCutShortIsCalledDamaged) {
    QTemporaryDir dir;
    ViewerServer server(truncatedHelpFile(dir, QFileInfo(kBuiltFile).size() * 9 / 10),
                        QStringLiteral("Main"));
    EXPECT_NE(server.handle(contextRequest(1)), 0u);
    std::unique_ptr<HelpWindow> window(server.window());
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("is damaged")))
        << window->browser()->toPlainText().toStdString();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quiltrix Help"));
    EXPECT_EQ(window->contentsTree()->topLevelItemCount(), 0);
}

TEST(ViewerWindowProblems, ADamagedFileIsExplainedInTheWindow) {
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("Damaged.chm"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5000, '\x7f'));
    file.close();
    ViewerServer server(damaged, QStringLiteral("Main"));
    EXPECT_NE(server.handle(contextRequest(1)), 0u);
    std::unique_ptr<HelpWindow> window(server.window());
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("is damaged")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quiltrix Help")) << "the viewer's own name";
}

TEST(ViewerRequestLine, EveryFieldSurvivesTheTrip) {
    ViewerRequest r;
    r.command = Command::Popup;
    r.topic = QStringLiteral("a.html");
    r.context = 4000000000u;
    r.names = QStringLiteral("x;y");
    r.notFoundTitle = QStringLiteral("T\"\n");
    r.position = QPoint(-5, 7);
    r.backColor = 0xFFFFFF;
    r.ownerWindow = 0xFFFFFFFFFFull;
    const auto back = ViewerRequest::fromLine(r.toLine());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->command, Command::Popup);
    EXPECT_EQ(back->context, r.context);
    EXPECT_EQ(back->notFoundTitle, r.notFoundTitle);
    EXPECT_EQ(back->position, r.position);
    EXPECT_EQ(back->backColor, r.backColor);
    EXPECT_EQ(back->ownerWindow, r.ownerWindow);
    EXPECT_TRUE(r.toLine().endsWith('\n') && r.toLine().count('\n') == 1);
    EXPECT_FALSE(ViewerRequest::fromLine(R"({"command":"format-disk"})"));
    EXPECT_FALSE(ViewerRequest::fromLine("not json"));
}

}  // namespace
}  // namespace qx

#include "ViewerWindowTest.moc"
