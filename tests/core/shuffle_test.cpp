// The shuffle: the boards it deals from a known generator state, and what
// every board it deals has in common.
#include <gtest/gtest.h>

#include <cstring>

#include "game/random.h"
#include "game/record_check.h"
#include "game/shuffle.h"
#include "recording_shell.h"

namespace {

// From generator state 1, whose first draw is 41 and the next three odd, even
// and even; the walk starts with two steps forced by the board's edges.
TEST(ShuffleWorkedExample, FromGeneratorStateOneAtEachGridSize) {
    const struct {
        int32_t n, steps;
        std::vector<int32_t> cells;
    } examples[] = {
        {3, 304, {0, 4, 6, 1, 7, 5, 2, 3, X}},
        {4, 303, {0, 11, 6, 13, 10, 14, 7, 3, 9, 8, 2, 4, 12, 1, 5, X}},
        {5, 303, {1, 9, 14, 3, 17, 20, 2, 5, 11, 22, 0, 12, 19, 4, 16, 8, 6, 21, 23, 7, 13, 15, 18, 10, X}}};
    for (const auto& example : examples) {
        gameState.gridSize = example.n;
        gameState.board = BoardOf({});
        SetSolvedBoard();
        SeedRandom(1);
        EXPECT_EQ(WalkEmptyCell(), example.steps) << example.n;
        EXPECT_EQ(Cells(gameState.board), Cells(BoardOf(example.cells))) << example.n;
    }
}

// Each board a solvable arrangement with the gap at the bottom right; the
// cells outside the grid, as a larger game left them, and every other field stay.
TEST(ShuffleProperties, EverySeedDealsASolvableBoardInsideTheGridAndTouchesNothingElse) {
    for (int32_t n = MIN_GRID_SIZE; n <= MAX_GRID_SIZE; ++n)
        for (uint32_t seed = 0; seed < 1000; ++seed) {
            gameState = DEFAULT_GAME_STATE;
            gameState.gridSize = n;
            gameState.previewOn = 1;
            gameState.board = BoardOf({}, 100 + static_cast<int32_t>(seed));
            gameState.savedBoard = BoardOf({}, 7);
            const GameState before = gameState;
            SeedRandom(seed * 2654435761u);
            ShuffleBoard();
            ASSERT_EQ(IsSolvablePlayingBoard(gameState.board, n), 1) << n << " seed " << seed;
            ASSERT_EQ(CellAt(gameState.board, n - 1, n - 1), X);
            GameState expected = before;
            for (int32_t i = 0; i < n * n; ++i)
                CellAt(expected.board, i / n, i % n) = CellAt(gameState.board, i / n, i % n);
            ASSERT_EQ(std::memcmp(&expected, &gameState, sizeof expected), 0) << n << " seed " << seed;
        }
}

}  // namespace
