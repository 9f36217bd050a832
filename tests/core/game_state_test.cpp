// The game state record and the board's solved arrangement.
#include <gtest/gtest.h>

#include <vector>

#include "game/game_state.h"

namespace {

class Board5x5 : public ::testing::Test {
protected:
    void SetUp() override {
        saved = gameState;
        for (int32_t i = 0; i < BOARD_CELLS; ++i)
            gameState.board.cells[i] = 100 + i;
    }
    void TearDown() override { gameState = saved; }

    void Fill(int32_t n, const std::vector<int32_t>& rowByRow) {
        gameState.gridSize = n;
        for (int32_t i = 0; i < n * n; ++i)
            CellAt(gameState.board, i / n, i % n) = rowByRow[i];
    }

    GameState saved{};
};

TEST(GameStateRecord, DefaultsAreSoundOnAFourByFourGridAndEverythingElseZero) {
    EXPECT_EQ(DEFAULT_GAME_STATE.soundOn, 1);
    EXPECT_EQ(DEFAULT_GAME_STATE.gridSize, 4);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&DEFAULT_GAME_STATE);
    for (size_t i = 8; i < sizeof DEFAULT_GAME_STATE; ++i)
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

// The cells 100 + i stand for a larger game's: outside the grid they stay.
TEST_F(Board5x5, SolvedArrangementFillsTheGridAndLeavesTheRestAlone) {
    gameState.soundOn = 7;
    gameState.savedBoard.cells[3] = 42;
    for (int32_t n = 3; n <= 5; ++n) {
        for (int32_t i = 0; i < BOARD_CELLS; ++i)
            gameState.board.cells[i] = 100 + i;
        gameState.gridSize = n;
        SetSolvedBoard();
        for (int32_t row = 0; row < BOARD_STRIDE; ++row)
            for (int32_t column = 0; column < BOARD_STRIDE; ++column) {
                const int32_t inGrid = row == n - 1 && column == n - 1 ? EMPTY_CELL : row * n + column;
                const int32_t expected = row < n && column < n ? inGrid : 100 + row * 5 + column;
                EXPECT_EQ(CellAt(gameState.board, row, column), expected) << n << ": " << row << "," << column;
            }
    }
    EXPECT_EQ(gameState.soundOn, 7);
    EXPECT_EQ(gameState.savedBoard.cells[3], 42);
}

TEST_F(Board5x5, IsSolvedWhenEveryTileIsHomeWhateverTheLastCellAndTheCellsOutside) {
    for (int32_t n = 3; n <= 5; ++n) {
        gameState.gridSize = n;
        SetSolvedBoard();
        EXPECT_EQ(IsSolved(), 1) << n;
        CellAt(gameState.board, n - 1, n - 1) = n * n - 1;
        EXPECT_EQ(IsSolved(), 1) << n;
    }
    const std::vector<int32_t> unsolved[] = {
        {0, 1, 2, 3, 4, 5, 7, 6, EMPTY_CELL},
        {1, 0, 2, 3, 4, 5, 6, 7, EMPTY_CELL},
        {0, 1, 2, 3, 4, 5, 6, EMPTY_CELL, 7},
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, EMPTY_CELL, 12, 13, 14, 11},
    };
    for (const auto& cells : unsolved) {
        Fill(cells.size() == 9 ? 3 : 4, cells);
        EXPECT_EQ(IsSolved(), 0) << cells.size() << " cells";
    }
}

}  // namespace
