// Keyboard play: the tile each arrow slides into the empty cell, wherever
// that lies on the grid.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "game/keys.h"
#include "recording_shell.h"

namespace {

// How a tile moved by the arrow travels: columns, then rows.
const std::map<Arrow, CellPosition> TRAVEL = {
    {Arrow::Left, {-1, 0}}, {Arrow::Right, {1, 0}}, {Arrow::Up, {0, -1}}, {Arrow::Down, {0, 1}}};

// An n x n board with the empty cell at index `gap` row by row, or, with the
// index n * n, the won board holding every tile. The cells outside the grid
// are empty, so that a search straying there is caught.
Board BoardWithGapAt(int32_t n, int32_t gap) {
    std::vector<int32_t> cells;
    for (int32_t i = 0, tile = 0; i < n * n; ++i)
        cells.push_back(i == gap ? X : tile++);
    return BoardOf(cells);
}

// Every empty cell of every grid size, every arrow: the arrow names the tile
// on the empty cell's side it comes from; none when that side is the grid's
// edge, or on the won board, which has no empty cell.
TEST(ArrowKeys, AnArrowNamesTheTileThatMovesItsWayAndNoneAtTheEdgeOrOnAWonBoard) {
    for (int32_t n = MIN_GRID_SIZE; n <= MAX_GRID_SIZE; ++n)
        for (int32_t gap = 0; gap <= n * n; ++gap)
            for (const auto& [arrow, travel] : TRAVEL) {
                const CellPosition from = {gap % n - travel.column, gap / n - travel.row};
                const auto expected = gap < n * n && InGrid(from, n) ? std::tuple(1, from.column, from.row)
                                                                     : std::tuple(0, -9, -9);  // cell left alone
                CellPosition cell = {-9, -9};
                const int32_t named = CellForArrow(BoardWithGapAt(n, gap), n, arrow, cell);
                EXPECT_EQ(std::tuple(named, cell.column, cell.row), expected)
                    << n << "x" << n << ", empty cell " << gap << " of " << n * n << ", arrow " << int(arrow);
            }
}

}  // namespace
