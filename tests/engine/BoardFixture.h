#pragma once

#include <gtest/gtest.h>

#include <random>

#include "ReferenceBoard.h"
#include "TestPictures.h"
#include "engine/PuzzleModule.h"
#include "engine/Stencil.h"

namespace qx::testing {

// A cut puzzle on the standard play area, with helpers to compare the
// engine's board against the reference painting.
struct BoardFixture : ::testing::Test {
    PuzzleModule puzzle;
    WorkPictures pictures;

    BoardFixture() { pictures.picMasks = GenerateStencil(); }

    void cut(int width, int height, int gameType, std::uint32_t seed = 1) {
        pictures.picMaster = NoisePicture(width, height, seed);
        puzzle.CurrentGameType = static_cast<std::int16_t>(gameType);
        puzzle.CutPieces(pictures);
        puzzle.HeldPiece = -1;
    }

    void scatter(std::uint64_t seed) {
        SeededRandom random(seed);
        puzzle.ScatterPieces(pictures, random);
    }

    Bitmap referenceBoard() const {
        return reference::RedrawnBoard(pictures.picBG, pictures.picMasks, pictures.picPat,
                                       puzzle.Pieces, puzzle.HeldPiece);
    }

    // Counts the pixels where the play area differs from the reference.
    int differencesFromReference() const {
        const Bitmap expected = referenceBoard();
        int differences = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                differences += expected.pixel(x, y) != pictures.picScreen.pixel(x, y);
        return differences;
    }
};

}  // namespace qx::testing
