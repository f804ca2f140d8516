// A stop signal (SIGTERM, SIGINT, SIGHUP) ends the game promptly whatever it
// is doing: a dialog, a message box, the Win window, a picture still loading.
#include <signal.h>

#include <QElapsedTimer>
#include <QFileDialog>
#include <atomic>
#include <chrono>
#include <thread>

#include "GameTestSupport.h"
#include "platform/qt/QuitOnSignals.h"
#include "shell/CommonDialog.h"
#include "shell/LoadAside.h"
#include "shell/Win.h"

namespace qx {
namespace {

class StopTest : public GameTest {
protected:
    std::atomic<bool> finishLoad{false};

    void TearDown() override {
        finishLoad = true;
        GameTest::TearDown();
    }

    // Runs the main loop, enters the state with `enter` from inside it and
    // raises `signal` once there; gives how long the loop took to end after
    // the signal, or fails when it did not end within five seconds.
    std::optional<qint64> stopInside(const std::function<void()>& enter, int signal) {
        const QuitOnSignals quitOnSignals;
        QElapsedTimer sinceSignal;
        bool entered = false;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(300, [&, signal] {
                sinceSignal.start();
                ::raise(signal);
            });
            entered = true;
            enter();
        });
        QTimer tooLong;
        tooLong.setSingleShot(true);
        QObject::connect(&tooLong, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        tooLong.start(5000);
        const int status = QCoreApplication::exec();
        EXPECT_TRUE(entered);
        EXPECT_TRUE(QuitOnSignals::stopRequested());
        if (status != 0) return std::nullopt;
        return sinceSignal.elapsed();
    }
};

TEST_F(StopTest, EveryStopSignalEndsTheGameFromEachWindowAndWait) {
    startGame();
    const struct {
        const char* state;
        int signal;
        std::function<void()> enter;
    } cases[] = {
        {"the picture dialog", SIGTERM,
         [this] {
             window->setPictureChooser(&ChoosePictureInDialog);
             click(window->cmdNew());
         }},
        {"a message box", SIGINT,
         [this] {
             const ScopedMessageSink realBoxes{MessageSink()};
             showProgramMessage(window.get(), QStringLiteral("Sorry ! The Image too small!"));
         }},
        {"the Win window", SIGHUP,
         [this] { Win::ShowModal(window.get(), QStringLiteral("0:42")); }},
        {"a picture load", SIGTERM,
         [this] {
             // Longer than any stop may take, but never for ever.
             window->setPictureLoader([this](const QString& path, const PictureLoadOptions& o) {
                 QElapsedTimer loading;
                 loading.start();
                 while (!finishLoad && loading.elapsed() < 3000)
                     std::this_thread::sleep_for(std::chrono::milliseconds(5));
                 return LoadPicture(path, o);
             });
             const QString picture = writePicture(QStringLiteral("slow.png"), 200, 150);
             window->setPictureChooser(
                 [picture](QWidget*, const QString&) { return std::optional<QString>(picture); });
             click(window->cmdNew());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        const auto took = stopInside(c.enter, c.signal);
        ASSERT_TRUE(took.has_value()) << "the game went on after the signal";
        EXPECT_LT(*took, 1500) << "the stop took " << *took << " ms";
        settle();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w == window.get()) continue;
            EXPECT_FALSE(w->isVisible()) << qPrintable(w->windowTitle());
        }
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_TRUE(PictureLoadsLeftRunning()) << "the load was left to finish on its own";
    finishLoad = true;
    QElapsedTimer wait;
    wait.start();
    while (PictureLoadsLeftRunning() && wait.elapsed() < 5000)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(PictureLoadsLeftRunning());
}

// Before the main loop runs, a start-up box ("already running", a bad
// design) has only its own loop: the stop must end that one.
TEST(StopBeforeTheMainLoop, ABoxOpenAtStartUpEndsOnEachSignal) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const QuitOnSignals quitOnSignals;
        EXPECT_FALSE(QuitOnSignals::stopRequested());
        QTimer::singleShot(100, [signal] { ::raise(signal); });
        QTimer tooLong;
        tooLong.setSingleShot(true);
        bool timedOut = false;
        QObject::connect(&tooLong, &QTimer::timeout, [&timedOut] {
            timedOut = true;
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        tooLong.start(5000);
        {
            const ScopedMessageSink realBoxes{MessageSink()};
            showProgramMessage(nullptr, QStringLiteral("Quiltrix is Already Running !"));
        }
        EXPECT_FALSE(timedOut) << "the box stayed open through the signal";
        EXPECT_TRUE(QuitOnSignals::stopRequested()) << "main() must not go on into its loop";
        // Clear the stop for the next case, as the program's own end would.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
}

}  // namespace
}  // namespace qx
