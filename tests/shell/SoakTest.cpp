// Two hundred games in a row on the real main window, played as a restless
// player would: a new picture each time in every game type, scatters, random
// drags and turns, Move Board, board colours, the hint box, refused pictures
// now and then and a finished puzzle every twentieth game. Nothing may leak,
// and the memory the process holds must level off after the first games.
#include <QImageWriter>

#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <numeric>
#include <random>
#include <sstream>

#include "GameTestSupport.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>

// The sanitizer runtime's own, for which GCC ships no header: the bytes the
// program holds, and a purge of freed memory (the quarantine included) back to
// the system, so the resident set shows what the program keeps.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
extern "C" void __sanitizer_purge_allocator();

// Freed memory waits in a quarantine before reuse, 256 MB of it by default:
// the allocator's regions and their shadow then creep up for hundreds of
// games, hiding whether the program's own memory levels off.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=8";
}

// Fontconfig keeps its caches through pointers the leak check cannot follow
// until it frees them at exit; they are made once, whatever the games do.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif

namespace qx {
namespace {

// Pictures and game types go round, so the last game plays the same picture
// and type as the tenth, whose resident set is the yardstick.
constexpr int kGames = 202;
constexpr int kBaselineGame = 10;
constexpr int kPictures = 6;
static_assert((kGames - kBaselineGame) % std::lcm(3, kPictures) == 0);
constexpr qint64 kMegabyte = 1 << 20;
constexpr qint64 kAllowedResidentGrowth = 8 * kMegabyte;
// What the program itself holds is steadier: a slow accumulation shows here
// long before it shows in the resident set.
constexpr qint64 kAllowedHeapGrowth = 2 * kMegabyte;

struct MemoryFigures {
    int game = 0;
    qint64 resident = 0;  // the process's resident set
    qint64 heap = 0;      // bytes the program holds allocated
};

MemoryFigures memoryAfter(int game) {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_purge_allocator();
#else
    malloc_trim(0);
#endif
    MemoryFigures figures{game, 0, 0};
    std::ifstream statm("/proc/self/statm");
    qint64 size = 0;
    qint64 pages = 0;
    statm >> size >> pages;
    figures.resident = pages * sysconf(_SC_PAGESIZE);
#if defined(__SANITIZE_ADDRESS__)
    figures.heap = qint64(__sanitizer_get_current_allocated_bytes());
#else
    figures.heap = qint64(mallinfo2().uordblks);
#endif
    return figures;
}

std::string table(const std::vector<MemoryFigures>& series) {
    std::ostringstream out;
    out << "game  resident MB  heap MB\n";
    for (const MemoryFigures& f : series) {
        out << std::setw(4) << f.game << std::setw(13) << std::fixed << std::setprecision(1)
            << double(f.resident) / kMegabyte << std::setw(9) << double(f.heap) / kMegabyte << '\n';
    }
    return out.str();
}

class SoakTest : public GameTest {
protected:
    std::mt19937 dice{20261209};
    QStringList games;  // one picture per game, in turn
    QString solvable;   // 100 x 100: nine pieces that fit the parking spots
    QString tooSmall;
    QString unreadable;

    int roll(int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(dice); }
    QPoint anywhere() { return {roll(PlayAreaWidth), roll(PlayAreaHeight)}; }

    void writePictures() {
        const QImage photo = test::quadrants(1000, 700);
        games = {
            writePicture(QStringLiteral("largest.png"), 632, 355),
            writeBytes(QStringLiteral("photo.jpg"), test::encode(photo, "jpeg", 85)),
            writeBytes(QStringLiteral("turned.jpg"),
                       test::withExifOrientation(test::encode(photo, "jpeg", 85), 6)),
            writeBytes(QStringLiteral("small.bmp"),
                       test::encode(test::coordinatePattern(300, 200), "bmp")),
            writePicture(QStringLiteral("odd.png"), 150, 130),
            progressiveJpeg(photo),
        };
        ASSERT_EQ(games.size(), kPictures);
        solvable = writePicture(QStringLiteral("solvable.png"), 100, 100);
        tooSmall = writePicture(QStringLiteral("narrow.png"), 87, 300);
        unreadable = writeBytes(QStringLiteral("cut.jpg"), test::encode(photo, "jpeg").left(30));
    }

    QString progressiveJpeg(const QImage& image) {
        const QString path = dir.filePath(QStringLiteral("progressive.jpg"));
        QImageWriter writer(path, "jpeg");
        writer.setProgressiveScanWrite(true);
        EXPECT_TRUE(writer.write(image));
        return path;
    }

    // A piece picked up anywhere it shows, turned a few times, carried about
    // and dropped anywhere on the play area.
    void randomDrag() {
        const int count = static_cast<int>(pieces().size());
        const std::optional<QPoint> grip = visiblePointOf(roll(count));
        if (!grip) return;
        press(*grip);
        for (int turns = roll(4); turns > 0; --turns) pressR();
        for (int steps = 1 + roll(3); steps > 0; --steps) moveTo(anywhere());
        release(anywhere());
    }

    void randomAction() {
        switch (roll(12)) {
            case 0:
                click(window->cmdShuffle());
                break;
            case 1:
            case 2:
                click(window->cmdMoveBoard(roll(4)));
                break;
            case 3: {
                const QColor colour(roll(256), roll(256), roll(256));
                window->setColorChooser([colour](QWidget*, const QColor&) { return colour; });
                click(window->cmdBoardColor());
                break;
            }
            case 4:
                click(window->chkHint());
                break;
            case 5:  // nothing held: nothing turns
                pressR();
                break;
            default:
                randomDrag();
                break;
        }
        QCoreApplication::processEvents();  // paints what changed
    }

    void newGameFrom(const QString& picture, int type) {
        newGame(picture, type);
        ASSERT_TRUE(window->state().GameRunning) << picture.toStdString();
        ASSERT_FALSE(pieces().empty());
    }

    // Refused pictures leave the running game as it was.
    void refusedPictures(int type) {
        const std::vector<Piece> before = pieces();
        const std::size_t messages = shown.size();
        newGame(tooSmall, type);
        newGame(unreadable, type);
        EXPECT_EQ(shown.size(), messages + 1) << "\"too small\" once, the damaged file in silence";
        EXPECT_EQ(pieces(), before);
        EXPECT_TRUE(window->state().GameRunning);
    }

    void solvedGame(int type) {
        newGameFrom(solvable, type);
        if (HasFatalFailure()) return;
        parkEveryPiece();
        if (HasFatalFailure()) return;
        ModalWatcher win(window.get());
        assemble(kSolvedAt, 2, 2, [&] { win.arm(); });
        if (HasFatalFailure()) return;
        EXPECT_EQ(win.seen, 1) << "the finished puzzle is congratulated";
        EXPECT_FALSE(window->state().GameRunning);
    }

    void playGame(int game) {
        const int type = game % 3;
        if (game % 25 == 12) refusedPictures(type);
        if (game % 20 == 19) {
            solvedGame(type);
        } else {
            newGameFrom(games[game % kPictures], type);
        }
        if (HasFatalFailure()) return;
        for (int action = 0; action < 12; ++action) randomAction();
        settle();
    }
};

TEST_F(SoakTest, TwoHundredGamesLeakNothingAndTheResidentSetLevelsOff) {
    writePictures();
    ASSERT_FALSE(HasFatalFailure());
    std::vector<MemoryFigures> series;
    const auto start = std::chrono::steady_clock::now();
    for (int game = 1; game <= kGames; ++game) {
        SCOPED_TRACE(testing::Message() << "game " << game);
        playGame(game);
        ASSERT_FALSE(HasFatalFailure());
        if (game == kBaselineGame || game % 20 == 0 || game == kGames)
            series.push_back(memoryAfter(game));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const MemoryFigures baseline = series.front();
    const MemoryFigures last = series.back();
    const std::string figures = table(series);
    std::cout << kGames << " games in " << seconds << " s\n" << figures;
    EXPECT_LE(last.resident - baseline.resident, kAllowedResidentGrowth)
        << "the resident set grew from game " << baseline.game << " to game " << last.game << ":\n"
        << figures;
    EXPECT_LE(last.heap - baseline.heap, kAllowedHeapGrowth)
        << "the heap grew from game " << baseline.game << " to game " << last.game << ":\n"
        << figures;

    window.reset();
    settle();
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "LeakSanitizer's report is above";
#endif
}

}  // namespace
}  // namespace qx
