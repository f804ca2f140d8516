#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "MessageLog.h"
#include "help/HTMLHelp.h"
#include "help/HelpViewerLink.h"
#include "platform/qt/ProgramMessage.h"

namespace qx {
namespace {

// The real quiltrix-help program, started and closed through the wrapper.
class ViewerProcessTest : public ::testing::Test, protected test::MessageLog {
protected:
    QTemporaryDir dir;
    std::unique_ptr<HelpViewerLink> previous;

    void SetUp() override {
        previous = HelpViewerLink::setCurrent(
            std::make_unique<ProgramViewerLink>(QStringLiteral(QUILTRIX_HELP_VIEWER)));
    }
    void TearDown() override { HelpViewerLink::setCurrent(std::move(previous)); }

    // A copy of our own, so no other test's viewer answers for it.
    QString copyOfHelpFile(const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QFile::copy(QStringLiteral(QUILTRIX_HELP_FILE), path));
        return path;
    }
    static bool viewerRuns(const QString& file, const QString& windowType) {
        ViewerRequest ping;
        ping.command = ViewerRequest::Command::RemoveJump;  // harmless, answers at once
        return ViewerClient::sendToRunning(viewerPlace(file, windowType).socket, ping).has_value();
    }
    static bool waitUntilGone(const QString& file, const QString& windowType) {
        QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            if (!viewerRuns(file, windowType)) return true;
            QThread::msleep(50);
        }
        return false;
    }
};

TEST_F(ViewerProcessTest, OneViewerPerFileAndWindowTypeAndHHCloseEndsThemAll) {
    HTMLHelp help;
    help.CHMFile = copyOfHelpFile(QStringLiteral("Quiltrix.chm"));
    help.HHWindow = QStringLiteral("Main");
    help.HHTopicID = 1;
    help.HHDisplayTopicID(nullptr);
    const quint64 window = help.HHWndHandle();
    ASSERT_NE(window, 0u) << (shown.empty() ? std::string() : shown[0].text.toStdString());
    help.HHTopicID = 6;
    help.HHDisplayTopicID(nullptr);
    EXPECT_EQ(help.HHWndHandle(), window) << "the running viewer took the second request";

    HTMLHelp plain;
    plain.CHMFile = help.CHMFile;
    plain.HHDisplayContents(nullptr);  // another window type, another viewer
    EXPECT_TRUE(viewerRuns(help.CHMFile, QStringLiteral("Main")));
    EXPECT_TRUE(viewerRuns(help.CHMFile, QString()));

    help.HHClose();
    EXPECT_TRUE(waitUntilGone(help.CHMFile, QStringLiteral("Main")));
    EXPECT_TRUE(waitUntilGone(help.CHMFile, QString()));
    EXPECT_TRUE(shown.empty());
}

TEST_F(ViewerProcessTest, ADamagedFileIsTheViewersProblemNotTheGames) {
    const QString damaged = copyOfHelpFile(QStringLiteral("Damaged.chm"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 size = file.size();
    file.seek(size / 3);
    file.write(QByteArray(int(size / 3), '\xAB'));
    file.close();

    HTMLHelp help;
    help.CHMFile = damaged;
    help.HHTopicID = 1;
    help.HHDisplayTopicID(nullptr);
    // Whether the viewer explains the damage or dies of it, we are still here
    // and the outcome is either a window or an error box.
    EXPECT_TRUE(help.HHWndHandle() != 0 ||
                (!shown.empty() && shown[0].icon == MessageIcon::Critical));
    help.HHClose();
}

TEST_F(ViewerProcessTest, TheViewerReportsItsVersionAndMeetsEveryKnownViewerCode) {
    HTMLHelp help;
    EXPECT_TRUE(help.HHInstalled());
    EXPECT_FALSE(help.HHVersion().isEmpty());
    for (int code = 16; code <= 26; ++code) EXPECT_TRUE(help.HHVerifyMinConfig(code, 273)) << code;
    EXPECT_TRUE(help.HHVerifyMinConfig(16, 256));
    EXPECT_FALSE(help.HHVerifyMinConfig(15, 256)) << "not a viewer code";
    EXPECT_FALSE(help.HHVerifyMinConfig(27, 256));
    EXPECT_FALSE(help.HHVerifyMinConfig(16, 274)) << "not a browser code";
    EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace qx
