// The shuffle of a new game's board.
#include "game/shuffle.h"

#include "game/game_state.h"
#include "game/random.h"

namespace {

int32_t RandomStep(int32_t position, int32_t n) {
    if (position == 0)
        return 1;
    if (position == n - 1)
        return n - 2;
    return DrawRandom() % 2 == 0 ? position - 1 : position + 1;
}

int32_t HomingStep(int32_t position, int32_t n) {
    return position < n - 1 ? position + 1 : position;
}

}  // namespace

int32_t WalkEmptyCell() {
    const int32_t n = gameState.gridSize;
    Board& board = gameState.board;
    int32_t row = n - 1;
    int32_t column = n - 1;
    int32_t step = 0;
    for (;;) {
        const bool horizontal = step % 2 == 0;
        int32_t& moving = horizontal ? column : row;
        const int32_t oldRow = row;
        const int32_t oldColumn = column;
        moving = step <= LAST_RANDOM_STEP ? RandomStep(moving, n) : HomingStep(moving, n);
        CellAt(board, oldRow, oldColumn) = CellAt(board, row, column);
        CellAt(board, row, column) = EMPTY_CELL;
        ++step;
        if (step > LAST_RANDOM_STEP && CellAt(board, n - 1, n - 1) == EMPTY_CELL)
            return step;
    }
}

void ShuffleBoard() {
    SetSolvedBoard();
    WalkEmptyCell();
}
