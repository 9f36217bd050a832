// Keyboard play: the cell of the tile each arrow moves.
#include "game/keys.h"

namespace {

int32_t FindEmptyCell(const Board& board, int32_t n, CellPosition& cell) {
    for (int32_t row = 0; row < n; ++row)
        for (int32_t column = 0; column < n; ++column)
            if (CellAt(board, row, column) == EMPTY_CELL) {
                cell = {column, row};
                return 1;
            }
    return 0;
}

// The tile that moves in the arrow's direction lies on the empty cell's
// other side.
CellPosition TileBeside(CellPosition empty, Arrow arrow) {
    switch (arrow) {
    case Arrow::Left: return {empty.column + 1, empty.row};
    case Arrow::Right: return {empty.column - 1, empty.row};
    case Arrow::Up: return {empty.column, empty.row + 1};
    case Arrow::Down: return {empty.column, empty.row - 1};
    }
    return empty;
}

}  // namespace

int32_t CellForArrow(const Board& board, int32_t n, Arrow arrow, CellPosition& cell) {
    CellPosition empty;
    if (!FindEmptyCell(board, n, empty))
        return 0;
    const CellPosition tile = TileBeside(empty, arrow);
    if (!InGrid(tile, n))
        return 0;
    cell = tile;
    return 1;
}
