// The strip rule: where the empty cell lies along a clicked cell's lines, and
// the board after the strip between them has slid.
#include "game/strip.h"

namespace {

// Above, left, right and below: the order in which the empty cell is looked for.
constexpr CellPosition DIRECTIONS[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};

int32_t Sign(int32_t value) {
    return (value > 0) - (value < 0);
}

int32_t Distance(int32_t a, int32_t b) {
    return a > b ? a - b : b - a;
}

}  // namespace

int32_t FindEmptyInLine(const Board& board, int32_t n, CellPosition cell, CellPosition& empty) {
    for (int32_t distance = 1; distance < n; ++distance)
        for (const CellPosition& direction : DIRECTIONS) {
            const CellPosition at = {cell.column + distance * direction.column, cell.row + distance * direction.row};
            if (InGrid(at, n) && CellAt(board, at.row, at.column) == EMPTY_CELL) {
                empty = at;
                return 1;
            }
        }
    return 0;
}

CellPosition StripStep(const TileMove& move) {
    return {Sign(move.to.column - move.from.column), Sign(move.to.row - move.from.row)};
}

int32_t StripLength(const TileMove& move) {
    return Distance(move.from.column, move.to.column) + Distance(move.from.row, move.to.row);
}

CellPosition StripCell(const TileMove& move, int32_t index) {
    const CellPosition step = StripStep(move);
    return {move.from.column + index * step.column, move.from.row + index * step.row};
}

// From the empty end back to the clicked cell, each cell takes its
// neighbour's tile.
void SlideStrip(Board& board, const TileMove& move) {
    for (int32_t index = StripLength(move); index > 0; --index) {
        const CellPosition to = StripCell(move, index), from = StripCell(move, index - 1);
        CellAt(board, to.row, to.column) = CellAt(board, from.row, from.column);
    }
    CellAt(board, move.from.row, move.from.column) = EMPTY_CELL;
}
