#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "WindowTestSupport.h"
#include "controls/zbbutton/zbButtons_H.h"
#include "platform/qt/InstanceBeacon.h"
#include "platform/qt/SingleInstanceLock.h"
#include "shell/Program.h"
#include "shell/Start.h"
#include "shell/frmMain.h"
#include "shell/widgets/ImageBox.h"

namespace qx {
namespace {

using StartTest = WindowTest;

TEST_F(StartTest, IsABorderlessWindowWithItsLogosAndTwoButtons) {
    SingleInstanceLock lock(lockPath());
    Start start(lock);
    EXPECT_TRUE(start.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(start.windowTitle(), QStringLiteral("Quiltrix"));
    EXPECT_EQ(start.client().size(), QSize(571, 284));
    EXPECT_EQ(start.client().palette().color(QPalette::Window), QColor(136, 143, 131));
    EXPECT_EQ(start.client().get<ImageBox>(QStringLiteral("Image1")).geometry().topLeft(),
              QPoint(0, 0));
    EXPECT_EQ(start.client().get<ImageBox>(QStringLiteral("Image2")).geometry(),
              QRect(400, 52, 100, 40));

    EXPECT_EQ(start.Command1().Caption(), QStringLiteral("START"));
    EXPECT_EQ(start.Command1().geometry(), QRect(452, 220, 73, 25));
    EXPECT_EQ(start.Command2().Caption(), QStringLiteral("CANCEL"));
    EXPECT_EQ(start.Command2().geometry(), QRect(372, 220, 73, 25));
    for (zbButtons_H* b : {&start.Command1(), &start.Command2()}) {
        EXPECT_EQ(b->BackColor(), oleRgb(231, 225, 203));
        EXPECT_EQ(b->Mode(), zbButtons_H::CommandMode);
    }
    EXPECT_FALSE(start.isVisible()) << "nothing shows before the load";
}

TEST_F(StartTest, LoadShowsTheWindowCentredAndHoldsTheLock) {
    SingleInstanceLock lock(lockPath());
    auto* start = new Start(lock);
    ASSERT_TRUE(start->Form_Load());
    EXPECT_TRUE(lock.isHeld());
    EXPECT_TRUE(start->isVisible());
    EXPECT_TRUE(shown.empty());
    const QPoint screenCentre = start->screen()->availableGeometry().center();
    EXPECT_LE((start->frameGeometry().center() - screenCentre).manhattanLength(), 2);
    start->close();
}

TEST_F(StartTest, ASecondCopyIsToldAndShowsNothing) {
    SingleInstanceLock running(lockPath());
    ASSERT_EQ(running.tryAcquire(), LockOutcome::Acquired);

    SingleInstanceLock mine(lockPath());
    Program program(mine);
    EXPECT_FALSE(program.begin());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("Quiltrix is Already Running !"));
    EXPECT_EQ(shown[0].title, QStringLiteral("Quiltrix"));
    EXPECT_EQ(shown[0].icon, MessageIcon::None);
    EXPECT_EQ(shown[0].parent, nullptr);
    settle();
    EXPECT_EQ(program.startWindow(), nullptr);
    EXPECT_EQ(program.mainWindow(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << qPrintable(w->objectName());
}

TEST_F(StartTest, ASecondCopyHandsItsLaunchersActivationTokenToTheRunningCopy) {
    SingleInstanceLock running(lockPath());
    ASSERT_EQ(running.tryAcquire(), LockOutcome::Acquired);
    InstanceBeacon beacon(running.path());
    ASSERT_TRUE(beacon.listen());
    QSignalSpy knocked(&beacon, &InstanceBeacon::knocked);

    qputenv("XDG_ACTIVATION_TOKEN", "launcher-token-42");
    SingleInstanceLock mine(lockPath());
    Program program(mine);
    EXPECT_FALSE(program.begin());
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"))
        << "the token must not be spent on this copy's own message";
    ASSERT_TRUE(knocked.wait(2000));
    EXPECT_EQ(knocked[0][0].toString(), QStringLiteral("launcher-token-42"));
}

TEST_F(StartTest, AKnockRestoresTheMinimisedWindowAndKeepsNoToken) {
    SingleInstanceLock lock(lockPath());
    Program program(lock);
    ASSERT_TRUE(program.begin());
    Start* start = program.startWindow();
    start->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(InstanceBeacon::knock(lock.path(), QStringLiteral("token-1")));
    for (int i = 0; i < 200 && (start->windowState() & Qt::WindowMinimized); ++i) QTest::qWait(10);
    EXPECT_FALSE(start->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(start->isVisible());
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"))
        << "a token the platform did not take must not reach programs started later";
    start->close();
}

TEST_F(StartTest, WithNoPlaceForALockTheGameStartsSilently) {
    SingleInstanceLock nowhere{QString()};
    Program program(nowhere);
    EXPECT_TRUE(program.begin());
    EXPECT_TRUE(shown.empty()) << "refusing would claim a copy that does not run";
    ASSERT_NE(program.startWindow(), nullptr);
    EXPECT_TRUE(program.startWindow()->isVisible());
    program.startWindow()->close();
}

TEST_F(StartTest, StartOpensTheMainWindowAndCloses) {
    SingleInstanceLock lock(lockPath());
    Program program(lock);
    ASSERT_TRUE(program.begin());
    Start* start = program.startWindow();
    ASSERT_NE(start, nullptr);
    QTest::mouseClick(&start->Command1(), Qt::LeftButton);
    settle();
    EXPECT_EQ(program.startWindow(), nullptr) << "Start is gone";
    ASSERT_NE(program.mainWindow(), nullptr);
    EXPECT_TRUE(program.mainWindow()->isVisible());
    EXPECT_FALSE(program.mainWindow()->isModal());
    EXPECT_TRUE(lock.isHeld()) << "the lock stays for the program's life";
    program.mainWindow()->close();
}

TEST_F(StartTest, CancelClosesStartWithoutAMainWindow) {
    SingleInstanceLock lock(lockPath());
    Program program(lock);
    ASSERT_TRUE(program.begin());
    QTest::mouseClick(&program.startWindow()->Command2(), Qt::LeftButton);
    settle();
    EXPECT_EQ(program.startWindow(), nullptr);
    EXPECT_EQ(program.mainWindow(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << "no window is left, so the program ends";
}

// START is the default button and has the focus, CANCEL the cancel button:
// Enter and Space start, Esc quits.
TEST_F(StartTest, EnterStartsAndEscCancels) {
    for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
        SingleInstanceLock lock(lockPath());
        Program program(lock);
        ASSERT_TRUE(program.begin());
        Start* start = program.startWindow();
        ASSERT_NE(start, nullptr);
        start->activateWindow();
        settle();
        EXPECT_TRUE(start->Command1().isDefault());
        EXPECT_TRUE(start->Command2().isCancel());
        EXPECT_EQ(start->focusWidget(), &start->Command1());
        QTest::keyClick(start, static_cast<Qt::Key>(key));
        settle();
        EXPECT_EQ(program.startWindow(), nullptr) << key;
        EXPECT_EQ(program.mainWindow() != nullptr, key == Qt::Key_Return) << key;
        if (program.mainWindow()) program.mainWindow()->close();
        settle();
    }
}

}  // namespace
}  // namespace qx
