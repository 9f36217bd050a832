// The shuffle: the worked examples from a known generator state, and the
// properties every shuffled board has.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/game_state.h"
#include "game/random.h"
#include "game/shuffle.h"

namespace {

std::vector<int32_t> UsedCells(int32_t n) {
    std::vector<int32_t> cells;
    for (int32_t row = 0; row < n; ++row)
        for (int32_t column = 0; column < n; ++column)
            cells.push_back(CellAt(gameState.board, row, column));
    return cells;
}

int32_t ShuffleCountingSteps(int32_t n) {
    gameState.gridSize = n;
    SetSolvedBoard();
    return WalkEmptyCell();
}

// Inversions of the tile numbers, read row by row without the empty cell.
int32_t Inversions(const std::vector<int32_t>& cells) {
    int32_t count = 0;
    for (size_t i = 0; i < cells.size(); ++i)
        for (size_t j = i + 1; j < cells.size(); ++j)
            if (cells[i] != EMPTY_CELL && cells[j] != EMPTY_CELL && cells[i] > cells[j])
                ++count;
    return count;
}

TEST(RandomGenerator, FromStateOneDrawsFortyOneThenOddEvenEven) {
    SeedRandom(1);
    EXPECT_EQ(DrawRandom(), 41);
    EXPECT_EQ(DrawRandom() % 2, 1);
    EXPECT_EQ(DrawRandom() % 2, 0);
    EXPECT_EQ(DrawRandom() % 2, 0);
}

TEST(RandomGenerator, FollowsTheLinearCongruence) {
    SeedRandom(0x12345678u);
    uint32_t state = 0x12345678u;
    for (int i = 0; i < 1000; ++i) {
        state = state * 214013u + 2531011u;
        ASSERT_EQ(DrawRandom(), static_cast<int32_t>((state >> 16) & 0x7FFF));
    }
}

TEST(ShuffleWorkedExample, FromStateOneAtEachGridSize) {
    const struct {
        int32_t n, steps;
        std::vector<int32_t> cells;
    } examples[] = {
        {3, 304, {0, 4, 6, 1, 7, 5, 2, 3, -1}},
        {4, 303, {0, 11, 6, 13, 10, 14, 7, 3, 9, 8, 2, 4, 12, 1, 5, -1}},
        {5, 303, {1, 9, 14, 3, 17, 20, 2, 5, 11, 22, 0, 12, 19, 4, 16, 8, 6, 21, 23, 7, 13, 15, 18, 10, -1}},
    };
    for (const auto& example : examples) {
        SeedRandom(1);
        EXPECT_EQ(ShuffleCountingSteps(example.n), example.steps) << example.n;
        EXPECT_EQ(UsedCells(example.n), example.cells) << example.n;
        gameState.gridSize = example.n;
        SeedRandom(1);
        ShuffleBoard();
        EXPECT_EQ(UsedCells(example.n), example.cells) << "ShuffleBoard at " << example.n;
    }
}

class ShuffleProperties : public ::testing::TestWithParam<int32_t> {};

TEST_P(ShuffleProperties, EverySeedGivesASolvablePermutationWithinTheGrid) {
    const int32_t n = GetParam();
    const std::vector<int32_t> allowedSteps =
        n == 3 ? std::vector<int32_t>{303, 304}
               : n == 4 ? std::vector<int32_t>{303, 304, 307} : std::vector<int32_t>{303, 304, 307, 308};
    std::vector<int32_t> seenSteps;
    for (uint32_t seed = 0; seed < 2000; ++seed) {
        SeedRandom(seed * 2654435761u);
        for (int32_t i = 0; i < BOARD_CELLS; ++i)
            gameState.board.cells[i] = 1000 + i;
        gameState.gridSize = n;
        SetSolvedBoard();
        const int32_t steps = WalkEmptyCell();
        ASSERT_NE(std::find(allowedSteps.begin(), allowedSteps.end(), steps), allowedSteps.end())
            << "seed " << seed << " took " << steps << " steps";
        if (std::find(seenSteps.begin(), seenSteps.end(), steps) == seenSteps.end())
            seenSteps.push_back(steps);

        std::vector<int32_t> cells = UsedCells(n);
        ASSERT_EQ(cells.back(), EMPTY_CELL);
        // With the empty cell at home, a board is solvable exactly when its
        // tiles have an even number of inversions.
        ASSERT_EQ(Inversions(cells) % 2, 0) << "seed " << seed;
        std::sort(cells.begin(), cells.end());
        for (int32_t i = 0; i < n * n; ++i)
            ASSERT_EQ(cells[i], i - 1);
        for (int32_t row = 0; row < BOARD_STRIDE; ++row)
            for (int32_t column = 0; column < BOARD_STRIDE; ++column)
                if (row >= n || column >= n) {
                    ASSERT_EQ(CellAt(gameState.board, row, column), 1000 + row * BOARD_STRIDE + column);
                }
    }
    EXPECT_EQ(seenSteps.size(), allowedSteps.size()) << "every step count of the size occurs";
}

INSTANTIATE_TEST_SUITE_P(GridSizes, ShuffleProperties, ::testing::Values(3, 4, 5));

}  // namespace
