#include <gtest/gtest.h>

#include <set>

#include "TestPictures.h"
#include "engine/PuzzleModule.h"
#include "engine/Stencil.h"

namespace qx {
namespace {

using testing::CountingRandom;
using testing::NoisePicture;
using testing::ScriptedRandom;

struct ScatterFixture : ::testing::Test {
    PuzzleModule puzzle;
    WorkPictures pictures;

    ScatterFixture() { pictures.picMasks = GenerateStencil(); }

    void cut(int width, int height, int gameType) {
        pictures.picMaster = NoisePicture(width, height);
        puzzle.CurrentGameType = static_cast<std::int16_t>(gameType);
        puzzle.CutPieces(pictures);
    }

    // Draws: two per record, one for the count, one per turn.
    int turnsOf(const CountingRandom& random) const {
        return static_cast<int>(random.draws()) - 2 * static_cast<int>(puzzle.Pieces.size()) - 1;
    }
};

TEST_F(ScatterFixture, PositionsLieOnTheLatticeInsideTheBoard) {
    std::set<int> xs, ys;
    for (int gameType : {0, 1, 2}) {
        cut(630, 355, gameType);
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            SeededRandom random(seed);
            puzzle.ScatterPieces(pictures, random);
            for (const Piece& p : puzzle.Pieces) {
                EXPECT_EQ(p.X % SnapStep, 0);
                EXPECT_EQ(p.Y % SnapStep, 0);
                EXPECT_GE(p.X, 55);
                EXPECT_LE(p.X, 440);
                EXPECT_GE(p.Y, 55);
                EXPECT_LE(p.Y, 297);
                xs.insert(p.X);
                ys.insert(p.Y);
            }
        }
    }
    // Both ends of each range are reached.
    EXPECT_EQ(*xs.begin(), 55);
    EXPECT_EQ(*xs.rbegin(), 440);
    EXPECT_EQ(*ys.begin(), 55);
    EXPECT_EQ(*ys.rbegin(), 297);
}

TEST_F(ScatterFixture, ExtremeDrawsGiveTheEndsOfTheRanges) {
    cut(88, 88, Rectangular);
    const double almostOne = 0.9999999;
    ScriptedRandom random({0.0, almostOne, almostOne, 0.0});
    puzzle.ScatterPieces(pictures, random);
    EXPECT_EQ(puzzle.Pieces[0].X, 55);   // int(0 * 385) + 80 = 80 -> 11 * round(60 / 11)
    EXPECT_EQ(puzzle.Pieces[0].Y, 297);  // int(0.99.. * 241) + 80 = 320 -> 11 * round(300 / 11)
    EXPECT_EQ(puzzle.Pieces[1].X, 440);  // 464 -> 11 * round(444 / 11)
    EXPECT_EQ(puzzle.Pieces[1].Y, 55);
}

TEST_F(ScatterFixture, TurnCountsFollowTheGameType) {
    // Nine pieces: type 0 turns once or twice, type 1 up to four times, type 2 up to six.
    const std::pair<int, int> bounds[] = {{1, 2}, {1, 4}, {1, 6}};
    for (int gameType : {0, 1, 2}) {
        cut(88, 88, gameType);
        std::set<int> seen;
        for (std::uint64_t seed = 1; seed <= 400; ++seed) {
            CountingRandom random(seed);
            puzzle.ScatterPieces(pictures, random);
            const int turns = turnsOf(random);
            EXPECT_GE(turns, bounds[gameType].first) << "type " << gameType;
            EXPECT_LE(turns, bounds[gameType].second) << "type " << gameType;
            seen.insert(turns);
        }
        EXPECT_EQ(*seen.begin(), bounds[gameType].first) << "type " << gameType;
        EXPECT_EQ(*seen.rbegin(), bounds[gameType].second) << "type " << gameType;
    }
}

TEST_F(ScatterFixture, TheCountIsTheDrawTimesTheLastIndexTimesTheFactor) {
    cut(88, 88, HardJigsaw);  // last = 8
    std::vector<double> draws(18, 0.5);
    draws.push_back(0.9999);                              // int(0.7 * 7.9992) = 5: six turns
    for (int k = 0; k < 6; ++k) draws.push_back(0.9999);  // always the last record
    ScriptedRandom random(draws);
    puzzle.ScatterPieces(pictures, random);
    EXPECT_EQ(random.draws(), 25u);
    // The last record, too, can be turned: six turns leave it at two.
    EXPECT_EQ(puzzle.Pieces[8].Turns, 2);
    EXPECT_EQ(puzzle.Pieces[8].Shape, 2);  // 4 -> 5 -> 2 -> 3 -> 4 -> 5 -> 2
    for (int i = 0; i < 8; ++i) EXPECT_EQ(puzzle.Pieces[static_cast<std::size_t>(i)].Turns, 0);
}

TEST_F(ScatterFixture, KeepsIdentitiesAndStackingOrder) {
    cut(300, 200, HardJigsaw);
    const std::vector<Piece> before = puzzle.Pieces;
    SeededRandom random(7);
    puzzle.ScatterPieces(pictures, random);
    ASSERT_EQ(puzzle.Pieces.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(puzzle.Pieces[i].Row, before[i].Row);
        EXPECT_EQ(puzzle.Pieces[i].Col, before[i].Col);
        EXPECT_EQ(puzzle.Pieces[i].PatIndex, before[i].PatIndex);
    }
}

TEST_F(ScatterFixture, TheSameSeedGivesTheSameScatter) {
    cut(300, 200, HardJigsaw);
    PuzzleModule other = puzzle;
    WorkPictures otherPictures = pictures;
    SeededRandom a(99), b(99);
    puzzle.ScatterPieces(pictures, a);
    other.ScatterPieces(otherPictures, b);
    EXPECT_EQ(puzzle.Pieces, other.Pieces);
    EXPECT_EQ(pictures.picPat, otherPictures.picPat);
}

TEST_F(ScatterFixture, NoPiecesMeansNoDraws) {
    ScriptedRandom random;
    puzzle.ScatterPieces(pictures, random);
    EXPECT_EQ(random.draws(), 0u);
    EXPECT_TRUE(puzzle.Pieces.empty());
}

}  // namespace
}  // namespace qx
