// Tile moves and winning: the press cell, the hit test and the move rule.
#include "game/moves.h"

#include "game/score.h"
#include "game/shell.h"
#include "game/strip.h"

int32_t pressCol = 0;
int32_t pressRow = 0;

namespace {

void StartSoundIfOn(GameSound sound) {
    if (gameState.soundOn != 0)
        StartSound(sound);
}

}  // namespace

bool InGrid(CellPosition cell, int32_t n) {
    return cell.column >= 0 && cell.column < n && cell.row >= 0 && cell.row < n;
}

int32_t CellFromPoint(int32_t x, int32_t y, CellPosition& cell) {
    const int32_t n = gameState.gridSize;
    const PictureSize picture = SourcePictureSize();
    const int32_t cellWidth = picture.width / n;
    const int32_t cellHeight = picture.height / n;
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

int32_t FindMove(const GameState& state, CellPosition cell, TileMove& move) {
    const int32_t n = state.gridSize;
    if (state.previewOn != 0 || state.solved != 0 || !InGrid(cell, n))
        return 0;
    // A click on the empty cell finds no other empty cell in its lines.
    CellPosition empty;
    if (!FindEmptyInLine(state.board, n, cell, empty))
        return 0;
    move = {cell, empty};
    return 1;
}

int32_t MakeMove(GameState& state, const TileMove& move) {
    SlideStrip(state.board, move);
    const int32_t n = state.gridSize;
    if (!IsSolved(state.board, n))
        return 0;
    state.solved = 1;
    CellAt(state.board, n - 1, n - 1) = n * n - 1;
    return 1;
}

void TryMoveTile(int32_t column, int32_t row) {
    TileMove move;
    if (!FindMove(gameState, CellPosition{column, row}, move))
        return;
    StartSoundIfOn(GameSound::Move);
    // The animation takes the tiles' codes from the board, so it runs first.
    AnimateSlide(move.from.column, move.from.row, move.to.column, move.to.row);
    const int32_t won = MakeMove(gameState, move);
    CountMoves(StripLength(move));
    if (!won)
        return;
    RepaintBoard();
    StartSoundIfOn(GameSound::Win);
}
