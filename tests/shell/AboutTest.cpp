#include <QCoreApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "MessageLog.h"
#include "platform/qt/ProgramMessage.h"
#include "quiltrix/Version.h"
#include "shell/About.h"
#include "shell/widgets/DesignLabel.h"
#include "shell/widgets/FrameBox.h"
#include "shell/widgets/ImageBox.h"

namespace qx {

// Stands in for the browser: records what the desktop was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

namespace {

const QColor kFrameGround(210, 200, 159);

class UrlHandlerScope {
public:
    explicit UrlHandlerScope(UrlRecorder& recorder) {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
    }
    ~UrlHandlerScope() {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
};

TEST(About, LayoutFromItsDesign) {
    About about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("  About Quiltrix " QUILTRIX_VERSION));
    EXPECT_EQ(about.client().size(), QSize(318, 253));
    EXPECT_EQ(about.size(), QSize(318, 253));
    EXPECT_EQ(about.client().palette().color(QPalette::Window), QColor(136, 143, 131));
    EXPECT_TRUE(about.testAttribute(Qt::WA_DeleteOnClose));

    auto& logo = about.client().get<ImageBox>(QStringLiteral("Image1"));
    EXPECT_EQ(logo.geometry(), QRect(52, 20, 202, 80));
    EXPECT_EQ(logo.Picture().size(), QSize(202, 80));

    auto& frame = about.client().get<FrameBox>(QStringLiteral("Frame1"));
    EXPECT_EQ(frame.geometry(), QRect(12, 112, 289, 127));
    EXPECT_EQ(frame.Caption(), QStringLiteral("  "));

    auto& name = about.client().get<DesignLabel>(QStringLiteral("Label1"));
    EXPECT_EQ(name.parentWidget(), &frame) << "the labels sit inside the frame";
    EXPECT_EQ(name.geometry(), QRect(64, 16, 169, 29));
    EXPECT_TRUE(name.Caption().startsWith(QStringLiteral("Quiltrix " QUILTRIX_VERSION)));
    EXPECT_EQ(name.ForeColor(), oleRgb(106, 98, 74));

    DesignLabel& link = about.Label4();
    EXPECT_EQ(link.parentWidget(), &frame);
    EXPECT_EQ(link.geometry(), QRect(60, 44, 161, 17));
    EXPECT_EQ(link.Caption(), QStringLiteral("www.quiltrix.example"));
    EXPECT_EQ(link.alignment(), DesignLabel::Center);
    EXPECT_EQ(link.ForeColor(), oleRgb(128, 64, 0));
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor) << "its own hand pointer";
    EXPECT_EQ(name.cursor().shape(), Qt::ArrowCursor);
}

TEST(About, LabelsShowTheFrameThroughAndTheLinkIsDrawnInItsColour) {
    About about;
    const QImage shot = about.client().grab().toImage();
    EXPECT_EQ(shot.pixelColor(4, 4), QColor(136, 143, 131));
    const QPoint frame(12, 112);
    EXPECT_EQ(shot.pixelColor(frame + QPoint(65, 17)), kFrameGround) << "Label1 is transparent";
    EXPECT_EQ(shot.pixelColor(frame + QPoint(61, 45)), kFrameGround) << "Label4 is transparent";

    int linkInk = 0;
    for (int y = 44; y < 61; ++y)
        for (int x = 60; x < 221; ++x)
            if (shot.pixelColor(frame + QPoint(x, y)) == QColor(128, 64, 0)) ++linkInk;
    EXPECT_GT(linkInk, 20) << "the address is written in brown";
}

TEST(About, ClickingTheAddressOpensItInTheBrowser) {
    UrlRecorder browser;
    UrlHandlerScope scope(browser);
    About about;
    about.show();
    EXPECT_EQ(about.webAddress(), QUrl(QStringLiteral("https://www.quiltrix.example/")));

    QTest::mouseClick(&about.client().get<DesignLabel>(QStringLiteral("Label1")), Qt::LeftButton);
    EXPECT_TRUE(browser.opened.isEmpty()) << "only the address is a link";

    QTest::mouseClick(&about.Label4(), Qt::RightButton);
    EXPECT_TRUE(browser.opened.isEmpty()) << "a right click opens nothing";

    QTest::mouseClick(&about.Label4(), Qt::LeftButton);
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened.front(), QUrl(QStringLiteral("https://www.quiltrix.example/")));

    QTest::mouseClick(&about.Label4(), Qt::LeftButton);
    EXPECT_EQ(browser.opened.size(), 2) << "each click opens a new browser window";
    EXPECT_TRUE(about.isVisible()) << "About stays open";
    about.close();
}

TEST(About, WithoutABrowserTheAddressIsShownInAMessage) {
    const qx::test::MessageLog messages;
    const std::vector<MessageRequest>& shown = messages.shown;
    About about;
    about.show();
    QTest::mouseClick(&about.Label4(), Qt::LeftButton);  // offscreen: no browser
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, QStringLiteral("Quiltrix"));
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("https://www.quiltrix.example/")));
    about.close();
}

TEST(About, EscClosesIt) {
    QPointer<About> about = new About();
    about->show();
    QTest::keyClick(about.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

TEST(About, ShowsCentredOnTheScreenAndIsDestroyedWhenClosed) {
    QPointer<About> about = new About;
    about->show();
    const QRect screen = about->screen()->availableGeometry();
    const QPoint offset = about->frameGeometry().center() - screen.center();
    EXPECT_LE(offset.manhattanLength(), 1);
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_EQ(about->windowModality(), Qt::NonModal);

    about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

}  // namespace
}  // namespace qx

#include "AboutTest.moc"
