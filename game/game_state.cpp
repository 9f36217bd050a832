// The process-wide game state and the two operations on its board.
#include "game/game_state.h"

GameState gameState = DEFAULT_GAME_STATE;

void SetSolvedBoard() {
    const int32_t n = gameState.gridSize;
    for (int32_t row = 0; row < n; ++row)
        for (int32_t column = 0; column < n; ++column)
            CellAt(gameState.board, row, column) = row * n + column;
    CellAt(gameState.board, n - 1, n - 1) = EMPTY_CELL;
}

int32_t IsSolved(const Board& board, int32_t n) {
    for (int32_t row = 0; row < n; ++row)
        for (int32_t column = 0; column < n; ++column) {
            if (row == n - 1 && column == n - 1)
                return 1;
            if (CellAt(board, row, column) != row * n + column)
                return 0;
        }
    return 1;
}
