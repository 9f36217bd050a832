// Tile moves and winning: the press cell, the hit test and the move rule.
#include "game/moves.h"

#include "app/main_window.h"
#include "app/process_state.h"
#include "app/resource_ids.h"
#include "app/sound.h"
#include "game/game_state.h"
#include "render/slide_animation.h"

int32_t pressCol = 0;
int32_t pressRow = 0;

namespace {

// The empty cell above, left of, right of or below (column, row), in that
// order; false when none of them is empty.
bool FindEmptyNeighbour(int32_t column, int32_t row, CellPosition& target) {
    const int32_t n = gameState.gridSize;
    const CellPosition candidates[] = {
        {column, row - 1}, {column - 1, row}, {column + 1, row}, {column, row + 1}};
    for (const CellPosition& candidate : candidates) {
        if (candidate.column < 0 || candidate.column >= n || candidate.row < 0 || candidate.row >= n)
            continue;
        if (CellAt(gameState.board, candidate.row, candidate.column) == EMPTY_CELL) {
            target = candidate;
            return true;
        }
    }
    return false;
}

void StartSoundIfOn(int32_t soundId) {
    if (gameState.soundOn != 0)
        StartSound(soundId);
}

void FinishWonGame() {
    const int32_t n = gameState.gridSize;
    gameState.solved = 1;
    CellAt(gameState.board, n - 1, n - 1) = n * n - 1;
    RepaintBoard();
    StartSoundIfOn(IDR_WAVE_SOLVED);
}

}  // namespace

int32_t CellFromPoint(int32_t x, int32_t y, CellPosition& cell) {
    const int32_t n = gameState.gridSize;
    const int32_t cellWidth = sourcePicture.Width() / n;
    const int32_t cellHeight = sourcePicture.Height() / n;
    if (cellWidth == 0 || cellHeight == 0)
        return 0;
    cell = {x / cellWidth, y / cellHeight};
    return 1;
}

void PressCell(int32_t x, int32_t y) {
    CellPosition cell;
    if (!CellFromPoint(x, y, cell))
        return;
    pressCol = cell.column;
    pressRow = cell.row;
}

void ReleaseCell(int32_t x, int32_t y) {
    CellPosition cell;
    if (!CellFromPoint(x, y, cell))
        return;
    if (cell.column == pressCol && cell.row == pressRow)
        TryMoveTile(cell.column, cell.row);
}

void TryMoveTile(int32_t column, int32_t row) {
    if (gameState.previewOn != 0 || gameState.solved != 0)
        return;
    const int32_t n = gameState.gridSize;
    if (column < 0 || column > n - 1 || row < 0 || row > n - 1)
        return;
    if (CellAt(gameState.board, row, column) == EMPTY_CELL)
        return;
    CellPosition target;
    if (!FindEmptyNeighbour(column, row, target))
        return;

    StartSoundIfOn(IDR_WAVE_MOVE);
    // The animation takes the tile's code from the board, so it runs first.
    AnimateSlide(column, row, target.column, target.row);
    CellAt(gameState.board, target.row, target.column) = CellAt(gameState.board, row, column);
    CellAt(gameState.board, row, column) = EMPTY_CELL;
    if (IsSolved())
        FinishWonGame();
}
