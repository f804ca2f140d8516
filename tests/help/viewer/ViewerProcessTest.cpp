#include <signal.h>
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "MessageLog.h"
#include "OtherUser.h"
#include "help/HTMLHelp.h"
#include "help/HelpViewerLink.h"
#include "platform/qt/ProgramMessage.h"

namespace qx {
namespace {

// Runs the event loop until the wrapper's viewer has answered; false when it
// did not within the time.
bool waitForAnswer(const HTMLHelp& help, int ms = 15000) {
    QDeadlineTimer deadline(ms);
    while (help.DisplayPending() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !help.DisplayPending();
}

// A process that still runs (an ended one nobody has reaped yet does not).
bool running(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray line = stat.readAll();
    const qsizetype state = line.lastIndexOf(')') + 2;
    return state < line.size() && line[state] != 'Z';
}

// The game's event loop runs meanwhile, as it would.
bool endsWithin(qint64 pid, int ms) {
    QDeadlineTimer deadline(ms);
    while (running(pid) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !running(pid);
}

class ViewerTest : public ::testing::Test, protected test::MessageLog {
protected:
    QTemporaryDir dir;
    std::unique_ptr<HelpViewerLink> previous;

    void useViewer(const QString& program, const ViewerClient::Timing& timing = {}) {
        previous = HelpViewerLink::setCurrent(std::make_unique<ProgramViewerLink>(program, timing));
    }
    void TearDown() override {
        if (previous) HelpViewerLink::setCurrent(std::move(previous));
    }

    // A copy of our own, so no other test's viewer answers for it.
    QString copyOfHelpFile(const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QFile::copy(QStringLiteral(QUILTRIX_HELP_FILE), path));
        return path;
    }
};

// The real quiltrix-help program, started and closed through the wrapper.
class ViewerProcessTest : public ViewerTest {
protected:
    void SetUp() override { useViewer(QStringLiteral(QUILTRIX_HELP_VIEWER)); }

    static bool viewerRuns(const QString& file, const QString& windowType) {
        ViewerRequest ping;
        ping.command = ViewerRequest::Command::RemoveJump;  // harmless, answers at once
        return ViewerClient::sendToRunning(viewerPlace(file, windowType).socket, ping).has_value();
    }
    static bool waitUntilGone(const QString& file, const QString& windowType) {
        QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            QCoreApplication::processEvents();
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
    ASSERT_TRUE(waitForAnswer(help));
    const quint64 window = help.HHWndHandle();
    ASSERT_NE(window, 0u) << (shown.empty() ? std::string() : shown[0].text.toStdString());
    help.HHTopicID = 6;
    help.HHDisplayTopicID(nullptr);
    ASSERT_TRUE(waitForAnswer(help));
    EXPECT_EQ(help.HHWndHandle(), window) << "the running viewer took the second request";

    HTMLHelp plain;
    plain.CHMFile = help.CHMFile;
    plain.HHDisplayContents(nullptr);  // another window type, another viewer
    ASSERT_TRUE(waitForAnswer(plain));
    EXPECT_TRUE(viewerRuns(help.CHMFile, QStringLiteral("Main")));
    EXPECT_TRUE(viewerRuns(help.CHMFile, QString()));

    help.HHClose();
    EXPECT_TRUE(waitUntilGone(help.CHMFile, QStringLiteral("Main")));
    EXPECT_TRUE(waitUntilGone(help.CHMFile, QString()));
    EXPECT_TRUE(shown.empty());
}

TEST_F(ViewerProcessTest, RequestsMadeWhileTheViewerStartsAllReachItInOrder) {
    HTMLHelp help;
    help.CHMFile = copyOfHelpFile(QStringLiteral("Quiltrix.chm"));
    help.HHWindow = QStringLiteral("Main");
    for (const int topic : {1, 6, 7}) {
        help.HHTopicID = topic;
        help.HHDisplayTopicID(nullptr);
    }
    ASSERT_TRUE(waitForAnswer(help));
    EXPECT_NE(help.HHWndHandle(), 0u);
    EXPECT_TRUE(shown.empty());
    help.HHClose();
    EXPECT_TRUE(waitUntilGone(help.CHMFile, QStringLiteral("Main")));
}

// Where a viewer's socket used to be: in the shared temporary folder, under a
// name anyone could work out from the home folder and the help file's path.
QString formerSharedName(const QString& file, const QString& windowType) {
    const QByteArray key =
        (QDir::homePath() + QLatin1Char('\n') + QFileInfo(file).absoluteFilePath() +
         QLatin1Char('>') + windowType.toLower())
            .toUtf8();
    return QDir::temp().filePath(
        QStringLiteral("quiltrix-help-") +
        QString::fromLatin1(
            QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16)));
}

TEST_F(ViewerProcessTest, NamesAnotherUserTookInTheSharedFolderNeitherBlockNorAnswer) {
    QString why;
    const auto other = test::otherUser(&why);
    if (!other) GTEST_SKIP() << why.toStdString();
    // A shared temporary folder of this test's own that the other user may write to.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0711), 0);
    const QString shared = dir.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QByteArray tempBefore = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(shared));
    const auto restoreTemp = qScopeGuard([&tempBefore] {
        if (tempBefore.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", tempBefore);
    });

    HTMLHelp help;
    help.CHMFile = copyOfHelpFile(QStringLiteral("Quiltrix.chm"));
    help.HHWindow = QStringLiteral("Main");
    help.HHTopicID = 1;
    QProcess squatter;
    squatter.start(
        test::OtherUser::runner(),
        other->command(QStringLiteral(QX_FAKE_VIEWER),
                       {QStringLiteral("--squat"), formerSharedName(help.CHMFile, help.HHWindow)}));
    if (!squatter.waitForReadyRead(5000) || squatter.readLine().trimmed() != "listening")
        GTEST_SKIP() << "the other user cannot run the test's helper here: "
                     << squatter.readAllStandardError().toStdString();

    help.HHDisplayTopicID(nullptr);
    ASSERT_TRUE(waitForAnswer(help));
    EXPECT_TRUE(shown.empty()) << shown[0].text.toStdString();
    const quint64 window = help.HHWndHandle();
    EXPECT_NE(window, 0u) << "our own viewer did not come up";
    EXPECT_NE(window, 4242u) << "the other user's program answered for our viewer";
    squatter.waitForReadyRead(200);
    EXPECT_EQ(squatter.readAllStandardOutput(), QByteArray()) << "a request reached it";
    const QFileInfoList entries = QDir(shared).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries)
        EXPECT_NE(entry.ownerId(), ::getuid()) << qPrintable(entry.fileName()) << " is ours";

    help.HHClose();
    EXPECT_TRUE(waitUntilGone(help.CHMFile, help.HHWindow));
    squatter.kill();
    squatter.waitForFinished(5000);
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
    ASSERT_TRUE(waitForAnswer(help));
    // Whether the viewer explains the damage or dies of it, we are still here
    // and the outcome is either a window or an error box.
    EXPECT_TRUE(help.HHWndHandle() != 0 ||
                (!shown.empty() && shown[0].icon == MessageIcon::Critical));
    help.HHClose();
}

// The viewer's process id, from its lock (Qt's lock file starts with it).
qint64 viewerPid(const QString& file, const QString& windowType) {
    QFile lock(viewerPlace(file, windowType).lock);
    if (!lock.open(QIODevice::ReadOnly)) return 0;
    return lock.readLine().trimmed().toLongLong();
}

TEST_F(ViewerProcessTest, EachStopSignalEndsTheViewerWithItsLockAndSocket) {
    const QString file = copyOfHelpFile(QStringLiteral("Quiltrix.chm"));
    const struct {
        int signal;
        bool withBox;  // the "nothing found" message box is open
    } cases[] = {{SIGTERM, false}, {SIGINT, true}, {SIGHUP, false}, {SIGTERM, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.signal);
        HTMLHelp help;
        help.CHMFile = file;
        help.HHWindow = QStringLiteral("Main");
        help.HHKeyword = QStringLiteral("no-such-keyword");
        help.HHMsgText = c.withBox ? QStringLiteral("Nothing found") : QString();
        help.HHDisplayKeyword(nullptr);
        ASSERT_TRUE(waitForAnswer(help));
        ASSERT_NE(help.HHWndHandle(), 0u);
        const qint64 pid = viewerPid(file, help.HHWindow);
        ASSERT_GT(pid, 0);
        QThread::msleep(300);  // the box opens once the answer has gone
        ::kill(pid_t(pid), c.signal);
        EXPECT_TRUE(endsWithin(pid, 3000)) << "the viewer ran on after the signal";
        const ViewerPlace place = viewerPlace(file, help.HHWindow);
        EXPECT_FALSE(QFile::exists(place.socket)) << "its socket was left behind";
        EXPECT_FALSE(QFile::exists(place.lock)) << "its lock was left behind";
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(ViewerProcessTest, TheViewerReportsItsVersion) {
    HTMLHelp help;
    EXPECT_TRUE(help.HHInstalled());
    EXPECT_FALSE(help.HHVersion().isEmpty());
    EXPECT_TRUE(shown.empty());
}

// Viewers that go wrong: the game never waits for them, starts one a few
// times at most, ends one that hangs, and says so once.
class FaultyViewerTest : public ViewerTest {
protected:
    QString log = dir.filePath(QStringLiteral("starts"));
    HTMLHelp help;

    void useFake(const char* mode, const ViewerClient::Timing& timing) {
        qputenv("QX_FAKE_VIEWER", mode);
        qputenv("QX_FAKE_VIEWER_LOG", QFile::encodeName(log));
        useViewer(QStringLiteral(QX_FAKE_VIEWER), timing);
        help.CHMFile = copyOfHelpFile(QStringLiteral("Quiltrix.chm"));
        help.HHWindow = QStringLiteral("Main");
        help.HHTopicID = 1;
    }
    void TearDown() override {
        for (const qint64 pid : starts())
            if (running(pid)) ::kill(pid_t(pid), SIGKILL);
        ViewerTest::TearDown();
    }
    QList<qint64> starts() const {
        QFile file(log);
        QList<qint64> pids;
        if (!file.open(QIODevice::ReadOnly)) return pids;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.isEmpty()) pids << line.toLongLong();
        return pids;
    }

    // Chooses the topic twice, as an impatient player would, and gives the
    // time the choices took and the time until the viewer's outcome; counts
    // the event loop's turns meanwhile.
    struct Outcome {
        qint64 callMs;
        qint64 answerMs;
        int ticks;
    };
    Outcome chooseTwiceAndWait() {
        int ticks = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
        tick.start(10);
        QElapsedTimer clock;
        clock.start();
        help.HHDisplayTopicID(nullptr);
        help.HHDisplayTopicID(nullptr);
        const qint64 callMs = clock.elapsed();
        EXPECT_TRUE(help.DisplayPending());
        EXPECT_TRUE(waitForAnswer(help, 10000));
        return {callMs, clock.elapsed(), ticks};
    }
    void expectOneReport() {
        ASSERT_EQ(shown.size(), 1u) << "reported once for both choices";
        EXPECT_EQ(shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(shown[0].text, QStringLiteral("The help viewer did not open ") + help.CHMFile +
                                     QStringLiteral(": it could not be started or it stopped."));
    }
};

TEST_F(FaultyViewerTest, AViewerThatDiesIsStartedThreeTimesAtMostThenReported) {
    useFake("crash", {});
    const Outcome outcome = chooseTwiceAndWait();
    EXPECT_LT(outcome.callMs, 200) << "the choice waited for the viewer";
    EXPECT_LT(outcome.answerMs, 5000);
    expectOneReport();
    EXPECT_EQ(starts().size(), 3);
    EXPECT_GT(outcome.ticks, 3) << "the game's event loop ran meanwhile";
}

// One that never listens (and shrugs off SIGTERM: the kill after the grace
// ends it), and one that listens but never answers.
struct HungViewer {
    const char* mode;
    ViewerClient::Timing timing;
};
void PrintTo(const HungViewer& viewer, std::ostream* out) {
    *out << viewer.mode;
}
class HungViewerTest : public FaultyViewerTest, public ::testing::WithParamInterface<HungViewer> {};

TEST_P(HungViewerTest, IsEndedAndReportedOnceWhileTheGameGoesOn) {
    useFake(GetParam().mode, GetParam().timing);
    const Outcome outcome = chooseTwiceAndWait();
    EXPECT_LT(outcome.callMs, 200) << "the choice waited for the viewer";
    EXPECT_GE(outcome.answerMs, 1000);
    expectOneReport();
    ASSERT_EQ(starts().size(), 1) << "a hung viewer is not started again";
    EXPECT_GT(outcome.ticks, 20) << "the game's event loop ran meanwhile";
    EXPECT_TRUE(endsWithin(starts()[0], 3000)) << "the hung viewer was left running";
}

INSTANTIATE_TEST_SUITE_P(
    FaultyViewer, HungViewerTest,
    ::testing::Values(HungViewer{"hang", {.startTimeoutMs = 1000, .graceMs = 300}},
                      HungViewer{"silent", {.answerTimeoutMs = 1000, .graceMs = 300}}),
    [](const ::testing::TestParamInfo<HungViewer>& info) { return std::string(info.param.mode); });

}  // namespace
}  // namespace qx
