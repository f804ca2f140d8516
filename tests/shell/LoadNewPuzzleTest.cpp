// Starting a game from a chosen picture: what is accepted, what is refused,
// and that nothing refused or failed ever touches the running game.
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include <sys/stat.h>

#include "GameTestSupport.h"
#include "PaintCounter.h"
#include "shell/CommonDialog.h"

namespace qx {
namespace {

using LoadNewPuzzleTest = GameTest;

QColor hintPixelOnScreen(PictureBox& box, QPoint inHint) {
    // The hint's top-left pixel sits just inside the box's one-pixel border.
    return box.grab().toImage().pixelColor(inHint + QPoint(1, 1));
}

// Gives `good` chances, then fails as an engine failure would.
class FailingRandom final : public RandomSource {
public:
    explicit FailingRandom(int good) : good_(good) {}
    double NextDouble() override {
        if (good_-- <= 0) throw std::runtime_error("no chances left");
        return 0.5;
    }

private:
    int good_;
};

TEST_F(LoadNewPuzzleTest, TheWindowPaintsDuringASlowLoadAndInputWaitsForTheNewGame) {
    startGame();
    const std::vector<Piece> running = pieces();
    std::atomic<bool> finish{false};
    window->setPictureLoader([&](const QString& path, const PictureLoadOptions& options) {
        options.progress(30);
        while (!finish) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return LoadPicture(path, options);
    });

    test::PaintCounter paints(area());
    bool checkedEarly = false;
    bool checkedLate = false;
    int paintsBefore = 0;
    QTimer::singleShot(100, [&] {
        checkedEarly = true;
        EXPECT_EQ(pieces(), running) << "the running game stays until the new one is in";
        EXPECT_TRUE(window->state().GameRunning);
        EXPECT_FALSE(window->Timer1().isActive());
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_TRUE(!window->loadProgressBar() || window->loadProgressBar()->isHidden())
            << "no bar for the first half second";
        paintsBefore = paints.count;
        area().update();
        click(window->cmdShuffle());  // held until the new game is in
    });
    QTimer::singleShot(900, [&] {
        checkedLate = true;
        EXPECT_GT(paints.count, paintsBefore) << "the play area repaints during the load";
        ASSERT_NE(window->loadProgressBar(), nullptr);
        EXPECT_TRUE(window->loadProgressBar()->isVisible());
        EXPECT_EQ(window->loadProgressBar()->value(), 30);
        finish = true;
    });
    newGame(writePicture(QStringLiteral("slow.png"), 200, 150), HardJigsaw);
    EXPECT_TRUE(checkedEarly && checkedLate);

    ASSERT_EQ(window->puzzle().CurrentGameType, HardJigsaw);
    EXPECT_TRUE(window->loadProgressBar()->isHidden());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const std::vector<Piece> fresh = pieces();
    EXPECT_NE(fresh, running);
    settle();
    EXPECT_NE(pieces(), fresh) << "the click made during the load shuffled the new game";
    EXPECT_EQ(window->puzzle().CurrentGameType, HardJigsaw);
}

TEST_F(LoadNewPuzzleTest, InputMadeDuringALoadThatEndsInAMessageIsDropped) {
    startGame();
    std::atomic<bool> finish{false};
    window->setPictureLoader([&](const QString& path, const PictureLoadOptions& options) {
        while (!finish) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return LoadPicture(path, options);
    });
    QTimer::singleShot(50, [&] {
        click(window->cmdShuffle());
        finish = true;
    });
    const std::vector<Piece> running = pieces();
    newGame(writePicture(QStringLiteral("narrow.png"), 87, 500));
    ASSERT_EQ(shown.size(), 1u);
    settle();
    EXPECT_EQ(pieces(), running) << "the click went to the message, as it always did";
}

TEST_F(LoadNewPuzzleTest, AnAcceptedPictureStartsAGameWhoseClockCountsFromZero) {
    const QString path = writePicture(QStringLiteral("smallest.png"), 88, 88);
    newGame(path, HardJigsaw);
    EXPECT_EQ(dialogOpenedOn, std::vector<QString>({QString()})) << "no earlier choice";
    ASSERT_TRUE(window->state().GameRunning);
    EXPECT_EQ(pieces().size(), 9u);
    EXPECT_EQ(window->puzzle().CurrentGameType, HardJigsaw);
    EXPECT_EQ(window->puzzle().HeldPiece, -1);
    EXPECT_EQ(pictures().picMaster.width(), 88);
    EXPECT_EQ(pictures().picMaster.height(), 88);
    EXPECT_EQ(QString::fromStdString(window->state().CurrentPicturePath), path);
    EXPECT_TRUE(window->Timer1().isActive());
    EXPECT_EQ(window->lblElapsed().Caption(), QStringLiteral("0:00"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait pointer is gone";
    EXPECT_TRUE(shown.empty());

    // The screen shows the scattered board: each piece's picture at its place.
    const QImage screen = area().grab().toImage();
    EXPECT_EQ(screen, screenImage().convertToFormat(screen.format()));

    for (int tick = 0; tick < 5; ++tick) window->Timer1_Timer();
    EXPECT_EQ(window->lblElapsed().Caption(), QStringLiteral("00:00:05"));

    // The next game restarts the count; the label follows at the next tick.
    newGame(path, EasyJigsaw);
    EXPECT_EQ(dialogOpenedOn.back(), path) << "the dialog opens on the last choice";
    EXPECT_EQ(window->state().ElapsedSeconds, 0);
    EXPECT_EQ(window->puzzle().CurrentGameType, EasyJigsaw);
    EXPECT_EQ(window->lblElapsed().Caption(), QStringLiteral("00:00:05"));
    window->Timer1_Timer();
    EXPECT_EQ(window->lblElapsed().Caption(), QStringLiteral("00:00:01"));
}

TEST_F(LoadNewPuzzleTest, TheRunningClockTicksOnItsOwn) {
    startGame();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->lblElapsed().Caption() == QStringLiteral("00:00:01"); }, 3000));
    EXPECT_EQ(window->state().ElapsedSeconds, 1);
}

TEST_F(LoadNewPuzzleTest, ClockTextsGrowPastAnHourAndPastNineHours) {
    startGame();
    for (int tick = 0; tick < 59; ++tick) window->Timer1_Timer();
    EXPECT_EQ(window->lblElapsed().Caption(), QStringLiteral("00:00:59"));
    for (int tick = 59; tick < 3600; ++tick) window->Timer1_Timer();
    EXPECT_EQ(window->lblElapsed().Caption(), QStringLiteral("01:00:00"));
    // Past 32767 seconds the clock keeps the true time instead of wrapping.
    window->state().ElapsedSeconds = 35999;
    window->Timer1_Timer();
    EXPECT_EQ(window->lblElapsed().Caption(), QStringLiteral("10:00:00"));
}

TEST_F(LoadNewPuzzleTest, PicturesTooSmallEitherWayAreRefusedAndTheOldGameGoesOn) {
    startGame();
    window->Timer1_Timer();
    const GameSnapshot before = snapshot();
    std::vector<bool> busyDuringMessage;
    ScopedMessageSink busyWatch([&](const MessageRequest& r) {
        shown.push_back(r);
        busyDuringMessage.push_back(QApplication::overrideCursor() != nullptr);
    });
    for (const QSize size : {QSize(87, 500), QSize(500, 87)}) {
        SCOPED_TRACE(size.width());
        shown.clear();
        const QString path = writePicture(QStringLiteral("narrow%1.png").arg(size.width()),
                                          size.width(), size.height());
        newGame(path);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, QStringLiteral("Sorry ! The Image too small!"));
        EXPECT_EQ(shown[0].title, QStringLiteral("Quiltrix"));
        EXPECT_EQ(shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(shown[0].parent, window.get());
        EXPECT_TRUE(snapshot() == before) << "the old game, its hint and its clock stay";
        EXPECT_EQ(QString::fromStdString(window->state().CurrentPicturePath), path)
            << "the refused choice is remembered";
    }
    EXPECT_EQ(busyDuringMessage, std::vector<bool>({false, false}))
        << "the message comes with the normal pointer";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LoadNewPuzzleTest, ALargePictureIsCutFromItsTopLeftCornerAndHintedWhole) {
    const QString path = dir.filePath(QStringLiteral("large.png"));
    ASSERT_TRUE(test::writeFile(path, test::encode(test::quadrants(1000, 800), "png")));
    newGame(path, Rectangular);
    ASSERT_TRUE(window->state().GameRunning);
    const Bitmap& master = pictures().picMaster;
    ASSERT_EQ(master.width(), 632);
    ASSERT_EQ(master.height(), 355);
    // Quadrants split at (500, 400): unscaled, the corner is red and green only.
    EXPECT_EQ(master.pixel(0, 354) | kOpaque, test::kTopLeftColour);
    EXPECT_EQ(master.pixel(499, 354) | kOpaque, test::kTopLeftColour);
    EXPECT_EQ(master.pixel(500, 0) | kOpaque, test::kTopRightColour);
    EXPECT_EQ(master.pixel(631, 354) | kOpaque, test::kTopRightColour);
    EXPECT_EQ(pieces().size(), 15u * 9u);

    // The hint is the whole picture squeezed into the box.
    const QImage& hint = window->picStatus().Picture();
    ASSERT_EQ(hint.size(), QSize(65, 65));
    EXPECT_EQ(hint.pixel(10, 10), test::kTopLeftColour);
    EXPECT_EQ(hint.pixel(55, 10), test::kTopRightColour);
    EXPECT_EQ(hint.pixel(10, 55), test::kBottomLeftColour);
    EXPECT_EQ(hint.pixel(55, 55), test::kBottomRightColour);
    EXPECT_EQ(hintPixelOnScreen(window->picStatus(), {55, 55}), QColor(test::kBottomRightColour));
}

TEST_F(LoadNewPuzzleTest, CancellingTheDialogChangesNothingAtAll) {
    newGame(std::nullopt);
    EXPECT_FALSE(window->state().GameRunning);
    EXPECT_FALSE(window->Timer1().isActive());
    EXPECT_TRUE(pieces().empty());
    EXPECT_TRUE(window->state().CurrentPicturePath.empty());

    startGame();
    const std::string path = window->state().CurrentPicturePath;
    const GameSnapshot before = snapshot();
    newGame(std::nullopt);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_EQ(window->state().CurrentPicturePath, path);
    EXPECT_TRUE(window->Timer1().isActive()) << "the clock runs on";
    EXPECT_TRUE(shown.empty());
}

TEST_F(LoadNewPuzzleTest, BadFilesLeaveTheRunningGameAsItWas) {
    startGame();
    press(*visiblePointOf(3));
    release(QPoint(300, 300));
    window->Timer1_Timer();
    const GameSnapshot before = snapshot();

    const QByteArray png = test::encode(test::coordinatePattern(300, 200), "png");
    const QByteArray jpeg = test::encode(test::quadrants(300, 200), "jpeg", 90);
    std::vector<std::pair<const char*, QString>> bad = {
        {"zero bytes", writeBytes(QStringLiteral("empty.jpg"), QByteArray())},
        {"PNG cut in half", writeBytes(QStringLiteral("half.png"), png.left(png.size() / 2))},
        {"JPEG cut in its header", writeBytes(QStringLiteral("head.jpg"), jpeg.left(20))},
        {"not a picture", writeBytes(QStringLiteral("letter.bmp"), "Dear player,\n")},
        {"60000 x 60000 header",
         writeBytes(QStringLiteral("huge.gif"), test::gifClaiming(60000, 60000))},
        {"60000 x 60000 JPEG",
         writeBytes(QStringLiteral("huge.jpg"), test::jpegClaiming(jpeg, 60000, 60000))},
        {"missing", dir.filePath(QStringLiteral("missing.png"))},
    };
    EXPECT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    bad.push_back({"a directory", dir.filePath(QStringLiteral("folder.png"))});
    const QString locked = writePicture(QStringLiteral("locked.png"), 200, 200);
    chmod(QFile::encodeName(locked).constData(), 0);
    if (!QFile(locked).open(QIODevice::ReadOnly)) bad.push_back({"unreadable", locked});

    for (const auto& [what, path] : bad) {
        SCOPED_TRACE(what);
        newGame(path, Rectangular);
        EXPECT_TRUE(snapshot() == before);
        EXPECT_EQ(QString::fromStdString(window->state().CurrentPicturePath), path);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(shown.empty()) << "bad files are passed over in silence";
}

TEST_F(LoadNewPuzzleTest, AFailureInsideTheEngineLeavesNoHalfBuiltGame) {
    // The first game fails half-way through its scatter: still no game.
    window->setRandomSource(std::make_unique<FailingRandom>(5));
    newGame(writePicture(QStringLiteral("first.png"), 100, 100));
    EXPECT_FALSE(window->state().GameRunning);
    EXPECT_FALSE(window->Timer1().isActive()) << "a failed first game leaves the clock off";
    EXPECT_TRUE(pieces().empty());
    EXPECT_TRUE(window->picStatus().Picture().isNull());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    window->setRandomSource(std::make_unique<SeededRandom>(kSeed));
    startGame();
    const GameSnapshot before = snapshot();
    for (int good : {0, 3, 7}) {
        SCOPED_TRACE(good);
        window->setRandomSource(std::make_unique<FailingRandom>(good));
        newGame(writePicture(QStringLiteral("second.png"), 300, 200), Rectangular);
        EXPECT_TRUE(snapshot() == before);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(LoadNewPuzzleTest, TheGameTypeOptionAppliesOnlyToTheNextGame) {
    startGame(EasyJigsaw);
    const std::vector<Piece> jigsaw = pieces();
    QTest::mouseClick(&window->optGameType(Rectangular), Qt::LeftButton);
    EXPECT_EQ(window->puzzle().CurrentGameType, EasyJigsaw);
    EXPECT_EQ(pieces(), jigsaw);

    dialogAnswers.push_back(QString::fromStdString(window->state().CurrentPicturePath));
    QTest::mouseClick(&window->cmdNew(), Qt::LeftButton);
    EXPECT_EQ(window->puzzle().CurrentGameType, Rectangular);
    for (const Piece& p : pieces()) EXPECT_EQ(p.Shape, 18) << "every piece the plain square";
}

TEST_F(LoadNewPuzzleTest, TheHintBoxShowsThePictureWhileChecked) {
    PictureBox& box = window->picStatus();
    const QImage empty = box.grab().toImage();
    for (int y = 1; y < 62; y += 10)
        for (int x = 1; x < 62; x += 10)
            EXPECT_EQ(empty.pixelColor(x, y), QColor(181, 196, 176)) << "only the box's colour";

    startGame();
    const QImage& hint = box.Picture();
    ASSERT_EQ(hint.size(), QSize(65, 65));
    EXPECT_EQ(hintPixelOnScreen(box, {0, 0}), hint.pixelColor(0, 0));
    EXPECT_EQ(hintPixelOnScreen(box, {60, 60}), hint.pixelColor(60, 60));

    QTest::mouseClick(&window->chkHint(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    QTest::mouseClick(&window->chkHint(), Qt::LeftButton);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(hintPixelOnScreen(box, {30, 30}), hint.pixelColor(30, 30));
}

TEST_F(LoadNewPuzzleTest, TheRealDialogIsQtsOwnAndTakesATypedPath) {
    window->setPictureChooser(&ChoosePictureInDialog);
    const QString path = dir.filePath(QStringLiteral("Typed Photo.BMP"));
    ASSERT_TRUE(test::writeFile(path, test::encode(test::quadrants(120, 100), "bmp")));
    struct Seen {
        QString title;
        bool nonNative = false;
        QStringList filters;
        QString selectedFilter;
        QString directory;
        QStringList selected;
    } first, second;

    auto inspect = [](Seen& seen, const std::function<void(QFileDialog&)>& then) {
        QTimer::singleShot(0, [&seen, then] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no file dialog open";
                if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
                return;
            }
            seen = {dialog->windowTitle(),
                    dialog->testOption(QFileDialog::DontUseNativeDialog),
                    dialog->nameFilters(),
                    dialog->selectedNameFilter(),
                    dialog->directory().absolutePath(),
                    dialog->selectedFiles()};
            then(*dialog);
            if (dialog->isVisible()) dialog->reject();  // never leave the test hanging
        });
    };
    inspect(first, [&](QFileDialog& dialog) {
        // Typed as a person would: the dialog catches up between the keys.
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(dialog.focusWidget(), name) << "typing goes to the file name";
        QTest::keyClicks(name, path, {}, 5);
        QTest::keyClick(name, Qt::Key_Return);
    });
    click(window->cmdNew());
    EXPECT_EQ(first.title, QStringLiteral("Select Picture"));
    EXPECT_TRUE(first.nonNative);
    ASSERT_GE(first.filters.size(), 2);
    EXPECT_TRUE(first.filters.front().startsWith(QStringLiteral("Image Files (*.gif *.jpg *.bmp")));
    EXPECT_TRUE(first.filters.front().contains(QStringLiteral("*.JPG")));
    EXPECT_EQ(first.filters.back(), QStringLiteral("All Files (*)"));
    EXPECT_EQ(first.selectedFilter, first.filters.front());
    ASSERT_TRUE(window->state().GameRunning) << "the typed path was loaded";
    EXPECT_EQ(QString::fromStdString(window->state().CurrentPicturePath), path);

    const GameSnapshot before = snapshot();
    inspect(second, [](QFileDialog& dialog) { dialog.reject(); });
    click(window->cmdNew());
    EXPECT_EQ(second.directory, QDir(dir.path()).absolutePath());
    EXPECT_EQ(second.selected, QStringList({path})) << "opened on the last choice";
    EXPECT_TRUE(snapshot() == before) << "cancelled";
}

}  // namespace
}  // namespace qx
