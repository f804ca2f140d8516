#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "TestPictures.h"
#include "WindowTestSupport.h"
#include "controls/zbbutton/zbButtons_H.h"
#include "engine/Random.h"
#include "platform/qt/BitmapImage.h"
#include "platform/sound/ClipPlayer.h"
#include "shell/frmMain.h"
#include "shell/widgets/DesignLabel.h"
#include "shell/widgets/PictureBox.h"

namespace qx {

// Everything a player could see change, to prove that an operation left the
// running game alone.
struct GameSnapshot {
    std::vector<Piece> pieces;
    std::int16_t heldPiece = -1;
    std::int16_t gameType = 0;
    Bitmap screen;
    Bitmap master;
    QImage hint;
    std::int32_t elapsed = 0;
    bool running = false;
    bool clockActive = false;
    QString clockText;

    friend bool operator==(const GameSnapshot&, const GameSnapshot&) = default;
};

// One spot per piece outside the area scattered cells can reach
// (55..519 x 55..376), so parked pieces never cover one still to be parked.
inline constexpr QPoint kParking[] = {{528, 0},   {528, 88},  {528, 176}, {528, 264},
                                      {528, 352}, {0, 385},   {88, 385},  {176, 385},
                                      {264, 385}, {352, 385}, {440, 385}};
// Where the solved picture is laid out: clear of every parking spot.
inline constexpr QPoint kSolvedAt{110, 110};

inline QPoint solvedCell(int row, int col, QPoint origin = kSolvedAt) {
    return origin + QPoint(GridStep * col, GridStep * row);
}

// A shown main window whose picture dialog answers from a queue, whose
// scatter has a fixed seed and whose requested sound clips are recorded.
class GameTest : public WindowTest {
protected:
    static constexpr std::uint64_t kSeed = 20240611;

    std::unique_ptr<frmMain> window;
    std::deque<std::optional<QString>> dialogAnswers;  // nothing: the player cancels
    std::vector<QString> dialogOpenedOn;               // the path each dialog was given
    std::vector<int> clips;

    void SetUp() override {
        window = std::make_unique<frmMain>();
        window->setRandomSource(std::make_unique<SeededRandom>(kSeed));
        window->setPictureChooser([this](QWidget*, const QString& last) {
            dialogOpenedOn.push_back(last);
            std::optional<QString> answer;
            if (!dialogAnswers.empty()) {
                answer = dialogAnswers.front();
                dialogAnswers.pop_front();
            }
            return answer;
        });
        QObject::connect(&window->clipPlayer(), &ClipPlayer::clipRequested,
                         [this](int n) { clips.push_back(n); });
        window->show();
    }

    void TearDown() override {
        window.reset();
        settle();
    }

    PictureBox& area() { return window->picScreen(); }
    // Read-only, so looking does not count as a change of the play area.
    const WorkPictures& pictures() const { return std::as_const(*window).pictures(); }
    QImage screenImage() const { return imageOver(pictures().picScreen); }
    const std::vector<Piece>& pieces() const { return window->puzzle().Pieces; }

    // A lossless picture of `width` x `height` in a fresh file.
    QString writePicture(const QString& name, int width, int height) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(
            test::writeFile(path, test::encode(test::coordinatePattern(width, height), "png")));
        return path;
    }
    QString writeBytes(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(test::writeFile(path, bytes));
        return path;
    }

    // The player picks `type` and presses NEW GAME; the dialog answers `path`.
    void newGame(const std::optional<QString>& path, int type = EasyJigsaw) {
        QTest::mouseClick(&window->optGameType(type), Qt::LeftButton);
        dialogAnswers.push_back(path);
        QTest::mouseClick(&window->cmdNew(), Qt::LeftButton);
    }
    void startGame(int type = EasyJigsaw, int width = 100, int height = 100) {
        newGame(writePicture(QStringLiteral("game%1.png").arg(type), width, height), type);
        ASSERT_TRUE(window->state().GameRunning);
    }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(&area(), button, {}, at);
    }
    void moveTo(QPoint at) { QTest::mouseMove(&area(), at); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(&area(), button, {}, at);
    }
    void pressR(Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&area(), Qt::Key_R, modifiers);
    }
    void click(QWidget& button) { QTest::mouseClick(&button, Qt::LeftButton); }

    // A point of piece `index`'s outline inside the play area that no piece
    // above it covers.
    std::optional<QPoint> visiblePointOf(int index) const {
        const Piece& piece = pieces()[static_cast<std::size_t>(index)];
        for (int dy = 0; dy < CellSize; ++dy) {
            for (int dx = 0; dx < CellSize; ++dx) {
                const int x = piece.X + dx, y = piece.Y + dy;
                if (x < 0 || y < 0 || x >= PlayAreaWidth || y >= PlayAreaHeight) continue;
                if (topmostAt(x, y) == index) return QPoint(x, y);
            }
        }
        return std::nullopt;
    }

    // The index a left press at (x, y) would take, or -1.
    int topmostAt(int x, int y) const {
        for (int i = 0; i < static_cast<int>(pieces().size()); ++i) {
            const Piece& p = pieces()[static_cast<std::size_t>(i)];
            const bool inCell = x >= p.X && x < p.X + CellSize && y >= p.Y && y < p.Y + CellSize;
            if (inCell && window->puzzle().HitTestPiece(i, x, y, pictures())) return i;
        }
        return -1;
    }

    int indexOf(int row, int col) const {
        for (int i = 0; i < static_cast<int>(pieces().size()); ++i)
            if (pieces()[static_cast<std::size_t>(i)].Row == row &&
                pieces()[static_cast<std::size_t>(i)].Col == col)
                return i;
        return -1;
    }

    // Picks piece `index` up, turns it upright with R, and drops it with its
    // cell at `cell` (a point of the 11-pixel lattice).
    void placePiece(int index, QPoint cell, bool upright = true,
                    const std::function<void()>& beforeDrop = {}) {
        const std::optional<QPoint> grip = visiblePointOf(index);
        ASSERT_TRUE(grip) << "piece " << index << " is covered";
        press(*grip);
        ASSERT_EQ(window->puzzle().HeldPiece, 0);
        if (upright)
            for (int turns = pieces()[0].Turns; turns % 4 != 0; ++turns) pressR();
        const QPoint pointer = cell + QPoint(CellSize / 2, CellSize / 2);
        moveTo(pointer);
        if (beforeDrop) beforeDrop();
        release(pointer);
    }

    // Every piece upright on its own parking spot, taken from the top down:
    // the topmost piece not yet parked is never covered. Only right after a
    // scatter: a piece dropped elsewhere may cover a parking spot.
    void parkEveryPiece() {
        ASSERT_LE(pieces().size(), std::size(kParking));
        for (int k = 0; k < static_cast<int>(pieces().size()); ++k) {
            placePiece(k, kParking[k]);
            if (HasFatalFailure()) return;
        }
    }

    // Lays the parked pieces out in order; `last` is dropped last.
    void assemble(QPoint origin, int lastRow, int lastCol,
                  const std::function<void()>& beforeLastDrop = {}) {
        for (const Piece p : std::vector<Piece>(pieces())) {
            if (p.Row == lastRow && p.Col == lastCol) continue;
            placePiece(indexOf(p.Row, p.Col), solvedCell(p.Row, p.Col, origin));
            if (HasFatalFailure()) return;
        }
        placePiece(indexOf(lastRow, lastCol), solvedCell(lastRow, lastCol, origin), true,
                   beforeLastDrop);
    }

    GameSnapshot snapshot() {
        return {pieces(),
                window->puzzle().HeldPiece,
                window->puzzle().CurrentGameType,
                pictures().picScreen,
                pictures().picMaster,
                window->picStatus().Picture(),
                window->state().ElapsedSeconds,
                window->state().GameRunning,
                window->Timer1().isActive(),
                window->lblElapsed().Caption()};
    }
};

// Waits for the next modal window to open, notes what it shows and closes it.
class ModalWatcher {
public:
    QString className;
    QString title;
    QString time;  // its "lblTime" label, if it has one
    bool ownedByMainWindow = false;
    int seen = 0;

    explicit ModalWatcher(QWidget* mainWindow) : main_(mainWindow) {}

    // Call right before the event that opens the window.
    void arm() {
        QTimer::singleShot(0, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            ++seen;
            className = QString::fromLatin1(modal->metaObject()->className());
            title = modal->windowTitle();
            if (auto* label = modal->findChild<DesignLabel*>(QStringLiteral("lblTime")))
                time = label->Caption();
            ownedByMainWindow = modal->parentWidget() == main_;
            modal->close();
        });
    }

private:
    QWidget* main_;
};

}  // namespace qx
