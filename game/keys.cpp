// Keyboard play: the arrow keys and the cell of the tile each one moves.
#include "game/keys.h"

namespace {

struct ArrowKey {
    uint32_t virtualKey;
    Arrow arrow;
};

// VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, then the keypad's VK_NUMPAD4, 6, 8, 2.
constexpr ArrowKey ARROW_KEYS[] = {
    {0x25, Arrow::Left}, {0x27, Arrow::Right}, {0x26, Arrow::Up}, {0x28, Arrow::Down},
    {0x64, Arrow::Left}, {0x66, Arrow::Right}, {0x68, Arrow::Up}, {0x62, Arrow::Down},
};

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

int32_t ArrowForKey(uint32_t virtualKey, Arrow& arrow) {
    for (const ArrowKey& key : ARROW_KEYS)
        if (key.virtualKey == virtualKey) {
            arrow = key.arrow;
            return 1;
        }
    return 0;
}

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
