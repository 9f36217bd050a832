// The game state record and the board's solved arrangement.
#include <gtest/gtest.h>

#include <cstring>
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
    const GameState& defaults = DEFAULT_GAME_STATE;
    EXPECT_EQ(defaults.soundOn, 1);
    EXPECT_EQ(defaults.gridSize, 4);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&defaults);
    for (size_t i = 8; i < sizeof defaults; ++i)
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(GameStateRecord, BoardCellsUseAStrideOfFiveWhateverTheGridSize) {
    Board board{};
    CellAt(board, 2, 3) = 7;
    EXPECT_EQ(board.cells[13], 7);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&gameState);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&gameState.board.cells[13]) - bytes, 276 + 13 * 4);
}

TEST_F(Board5x5, SolvedArrangementAtThreeLeavesTheLargerGameOutsideTheGrid) {
    gameState.gridSize = 3;
    SetSolvedBoard();
    const std::vector<int32_t> grid{0, 1, 2, 3, 4, 5, 6, 7, EMPTY_CELL};
    for (int32_t row = 0; row < 5; ++row)
        for (int32_t column = 0; column < 5; ++column) {
            const int32_t cell = CellAt(gameState.board, row, column);
            if (row < 3 && column < 3)
                EXPECT_EQ(cell, grid[row * 3 + column]);
            else
                EXPECT_EQ(cell, 100 + row * 5 + column) << "outside the grid at " << row << "," << column;
        }
}

TEST_F(Board5x5, SolvedArrangementAtFourFillsElementsZeroToEighteen) {
    gameState.gridSize = 4;
    SetSolvedBoard();
    const int32_t expected[BOARD_CELLS] = {0,  1,   2,   3,   104, 4,   5,   6,   7,   109, 8,   9,  10,
                                           11, 114, 12,  13,  14,  -1,  119, 120, 121, 122, 123, 124};
    for (int32_t i = 0; i < BOARD_CELLS; ++i)
        EXPECT_EQ(gameState.board.cells[i], expected[i]) << "element " << i;
}

TEST_F(Board5x5, SolvedArrangementLeavesTheOtherFieldsAlone) {
    gameState.gridSize = 5;
    gameState.soundOn = 7;
    gameState.savedBoard.cells[3] = 42;
    SetSolvedBoard();
    EXPECT_EQ(gameState.soundOn, 7);
    EXPECT_EQ(gameState.savedBoard.cells[3], 42);
    EXPECT_EQ(CellAt(gameState.board, 4, 4), EMPTY_CELL);
    EXPECT_EQ(CellAt(gameState.board, 4, 3), 23);
}

TEST_F(Board5x5, IsSolvedOnTheSolvedAndTheWonArrangement) {
    for (int32_t n = 3; n <= 5; ++n) {
        gameState.gridSize = n;
        SetSolvedBoard();
        EXPECT_EQ(IsSolved(), 1) << n;
        CellAt(gameState.board, n - 1, n - 1) = n * n - 1;
        EXPECT_EQ(IsSolved(), 1) << n;
    }
}

TEST_F(Board5x5, IsSolvedIgnoresCellsOutsideTheGrid) {
    gameState.gridSize = 3;
    SetSolvedBoard();
    EXPECT_EQ(IsSolved(), 1);
}

TEST_F(Board5x5, NotSolvedWithTwoTilesExchangedOrTheEmptyCellElsewhere) {
    Fill(3, {0, 1, 2, 3, 4, 5, 7, 6, EMPTY_CELL});
    EXPECT_EQ(IsSolved(), 0);
    Fill(3, {1, 0, 2, 3, 4, 5, 6, 7, EMPTY_CELL});
    EXPECT_EQ(IsSolved(), 0);
    Fill(3, {0, 1, 2, 3, 4, 5, 6, EMPTY_CELL, 7});
    EXPECT_EQ(IsSolved(), 0);
    Fill(4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, EMPTY_CELL, 12, 13, 14, 11});
    EXPECT_EQ(IsSolved(), 0);
}

}  // namespace
