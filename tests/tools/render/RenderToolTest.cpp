// The render tool on a generated photo: its boards and piece tables must match
// the committed goldens, and the goldens themselves must match a board
// rebuilt from their piece table by the reference algorithms.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ReferenceBoard.h"
#include "engine/Geometry.h"
#include "engine/Stencil.h"
#include "engine/WorkPictures.h"

namespace qx {
namespace {

const QString kGoldenDir = QStringLiteral(QUILTRIX_GOLDEN_DIR);

// Smooth, lossless, and a different colour at every pixel.
QImage generatedPhoto(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * 7 + y * 3) & 0xFF));
    return image;
}

Bitmap toBitmap(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap b(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) b.setPixel(x, y, rgb.pixel(x, y) & kRgbMask);
    return b;
}

std::vector<Piece> parsePieces(const QString& json) {
    static const QRegularExpression record(
        R"(\{"X":(-?\d+),"Y":(-?\d+),"Turns":(\d+),"Shape":(\d+),"Row":(\d+),"Col":(\d+),"PatIndex":(\d+)\})");
    std::vector<Piece> pieces;
    for (auto it = record.globalMatch(json); it.hasNext();) {
        const auto m = it.next();
        auto field = [&](int k) { return static_cast<std::int16_t>(m.captured(k).toInt()); };
        pieces.push_back({field(1), field(2), field(3), field(4), field(5), field(6), field(7)});
    }
    return pieces;
}

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

struct RenderOutput {
    int exitCode = -1;
    QString errors;
    QImage board;
    QString json;
};

class RenderTool : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString photoPath(int width, int height) {
        const QString path = dir.filePath(QStringLiteral("photo-%1x%2.png").arg(width).arg(height));
        if (!QFile::exists(path)) generatedPhoto(width, height).save(path);
        return path;
    }

    RenderOutput run(const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(QUILTRIX_RENDER_TOOL), arguments);
        process.waitForFinished(60000);
        RenderOutput out;
        out.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        out.errors = QString::fromUtf8(process.readAllStandardError());
        return out;
    }

    RenderOutput render(const QString& picture, int type, int seed, const QString& moves = {}) {
        const QString png = dir.filePath(QStringLiteral("out.png"));
        const QString json = dir.filePath(QStringLiteral("out.json"));
        QStringList args{"--picture", picture,
                         "--type",    QString::number(type),
                         "--seed",    QString::number(seed),
                         "--png",     png,
                         "--json",    json};
        if (!moves.isEmpty()) args << "--moves" << moves;
        RenderOutput out = run(args);
        out.board = QImage(png);
        out.json = readText(json);
        QFile::remove(png);
        QFile::remove(json);
        return out;
    }

    // Compares with the golden of that name, or writes it when asked to.
    void expectGolden(const RenderOutput& out, const QString& name) {
        const QString png = kGoldenDir + "/" + name + ".png";
        const QString json = kGoldenDir + "/" + name + ".json";
        if (qEnvironmentVariableIsSet("QUILTRIX_UPDATE_GOLDENS")) {
            out.board.save(png);
            QFile f(json);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(out.json.toUtf8());
        }
        EXPECT_EQ(out.json, readText(json)) << name.toStdString();
        const QImage golden(png);
        ASSERT_FALSE(golden.isNull()) << name.toStdString();
        EXPECT_TRUE(out.board.convertToFormat(QImage::Format_RGB32) ==
                    golden.convertToFormat(QImage::Format_RGB32))
            << name.toStdString();
    }

    // The golden board must be what the reference algorithms paint from the
    // golden piece table: every piece cut pixel by pixel from the photo's
    // top-left 632 x 355 and turned Turns times, then the block operations.
    void expectGoldenIsConsistent(const QString& name, int width, int height, int type,
                                  int held = -1) {
        const std::vector<Piece> pieces = parsePieces(readText(kGoldenDir + "/" + name + ".json"));
        const Bitmap photo = toBitmap(
            generatedPhoto(width, height).copy(0, 0, std::min(width, 632), std::min(height, 355)));
        const Grid grid = Grid::forPicture(photo.width(), photo.height());
        ASSERT_EQ(static_cast<int>(pieces.size()), grid.pieceCount());
        const Bitmap stencil = GenerateStencil();

        std::vector<Bitmap> pictures(pieces.size());
        for (const Piece& p : pieces) {
            const int upright =
                type == 0 ? RectangularCell : JigsawCell(p.Row, p.Col, grid.maxRow, grid.maxCol);
            Bitmap picture(CellSize, CellSize);
            for (int y = 0; y < CellSize; ++y)
                for (int x = 0; x < CellSize; ++x) {
                    const int px = GridStep * p.Col - TabMargin + x,
                              py = GridStep * p.Row - TabMargin + y;
                    const Pixel photoPixel =
                        photo.contains(px, py) ? photo.pixel(px, py) : PieceBackground;
                    picture.setPixel(
                        x, y,
                        stencil.pixel(CellSize * upright + x, y) == kWhite ? photoPixel : kWhite);
                }
            int shape = upright;
            for (int t = 0; t < p.Turns; ++t) {
                reference::TurnPicture(picture);
                shape = NextTurnCell(shape);
            }
            EXPECT_EQ(p.Shape, shape);
            pictures[static_cast<std::size_t>(p.PatIndex)] = picture;
        }
        const Bitmap background(PlayAreaWidth, PlayAreaHeight, BoardColor);
        const Bitmap expected =
            reference::RedrawnBoard(background, stencil, pictures, pieces, held);
        EXPECT_TRUE(toBitmap(QImage(kGoldenDir + "/" + name + ".png")) == expected)
            << name.toStdString();
    }
};

TEST_F(RenderTool, ScatteredBoardsMatchTheGoldens) {
    ASSERT_TRUE(dir.isValid());
    const RenderOutput rectangular = render(photoPath(300, 200), 0, 11);
    ASSERT_EQ(rectangular.exitCode, 0) << rectangular.errors.toStdString();
    expectGolden(rectangular, "rectangular-300x200-seed11");

    const RenderOutput hard = render(photoPath(700, 400), 2, 5);
    ASSERT_EQ(hard.exitCode, 0) << hard.errors.toStdString();
    expectGolden(hard, "hard-700x400-seed5");
}

TEST_F(RenderTool, GoldensAreWhatTheReferenceAlgorithmsPaint) {
    expectGoldenIsConsistent("rectangular-300x200-seed11", 300, 200, 0);
    expectGoldenIsConsistent("hard-700x400-seed5", 700, 400, 2);
    expectGoldenIsConsistent("easy-200x150-seed3-moves", 200, 150, 1);
}

// The moves follow the play rules: compared with the same game without
// them, exactly the expected records moved, turned and changed places.
TEST_F(RenderTool, MovesArePlayedByTheRules) {
    ASSERT_TRUE(dir.isValid());
    const QString photo = photoPath(200, 150);
    const RenderOutput start = render(photo, 1, 3);
    ASSERT_EQ(start.exitCode, 0) << start.errors.toStdString();
    const std::vector<Piece> before = parsePieces(start.json);
    ASSERT_EQ(before.size(), 20u);

    const RenderOutput played = render(photo, 1, 3, kGoldenDir + "/easy-200x150-seed3-moves.txt");
    ASSERT_EQ(played.exitCode, 0) << played.errors.toStdString();
    expectGolden(played, "easy-200x150-seed3-moves");
    const std::vector<Piece> after = parsePieces(played.json);
    ASSERT_EQ(after.size(), before.size());

    // The moves: take the top piece by its centre, turn it twice, drop it with
    // the pointer at (95, 95); Move Board right; take the bottom piece by its
    // centre and drop it far off the board at (-100, 700).
    Piece first = before[0];
    first.X = 55 + 44;
    first.Y = 55;
    first.Turns = static_cast<std::int16_t>((first.Turns + 2) % 4);
    Piece last = before.back();
    last.X = -143;  // 11 * round(-140 / 11)
    last.Y = 660;   // 11 * round(660 / 11)
    EXPECT_EQ(after[0].Row, last.Row);
    EXPECT_EQ(after[0].Col, last.Col);
    EXPECT_EQ(after[0].X, last.X);
    EXPECT_EQ(after[0].Y, last.Y);
    EXPECT_EQ(after[1].Row, first.Row);
    EXPECT_EQ(after[1].Col, first.Col);
    EXPECT_EQ(after[1].X, first.X);
    EXPECT_EQ(after[1].Y, first.Y);
    EXPECT_EQ(after[1].Turns, first.Turns);
    for (std::size_t i = 1; i + 1 < before.size(); ++i) {
        EXPECT_EQ(after[i + 1].PatIndex, before[i].PatIndex);
        EXPECT_EQ(after[i + 1].X, before[i].X + 44);
        EXPECT_EQ(after[i + 1].Y, before[i].Y);
        EXPECT_EQ(after[i + 1].Turns, before[i].Turns);
    }
}

TEST_F(RenderTool, RefusesBadInputWithAMessage) {
    ASSERT_TRUE(dir.isValid());
    const QString photo = photoPath(200, 150);
    const QString out = dir.filePath("x.png"), json = dir.filePath("x.json");
    EXPECT_EQ(run({"--picture", photo, "--type", "3", "--seed", "1", "--png", out, "--json", json})
                  .exitCode,
              2);
    EXPECT_EQ(run({"--picture", photo, "--type", "1", "--seed", "-4", "--png", out, "--json", json})
                  .exitCode,
              2);
    EXPECT_EQ(run({"--picture", photo, "--type", "1", "--seed", "1", "--png", out}).exitCode, 2);
    EXPECT_EQ(run({"--picture", photo, "--type", "1", "--seed", "1", "--png", out, "--json", json,
                   "--bogus", "1"})
                  .exitCode,
              2);

    EXPECT_EQ(run({"--picture", dir.filePath("missing.png"), "--type", "1", "--seed", "1", "--png",
                   out, "--json", json})
                  .exitCode,
              1);
    const RenderOutput small = run({"--picture", photoPath(87, 500), "--type", "1", "--seed", "1",
                                    "--png", out, "--json", json});
    EXPECT_EQ(small.exitCode, 1);
    EXPECT_TRUE(small.errors.contains("Sorry ! The Image too small!"));

    QFile moves(dir.filePath("bad-moves.txt"));
    ASSERT_TRUE(moves.open(QIODevice::WriteOnly));
    moves.write("# a comment\n\nboard 1\npress 10\n");
    moves.close();
    const RenderOutput badMoves = run({"--picture", photo, "--type", "1", "--seed", "1", "--moves",
                                       moves.fileName(), "--png", out, "--json", json});
    EXPECT_EQ(badMoves.exitCode, 2);
    EXPECT_TRUE(badMoves.errors.contains("line 4")) << badMoves.errors.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
}  // namespace qx
