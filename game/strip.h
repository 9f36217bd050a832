// The line of tiles one click slides: every tile from the clicked cell up to
// the empty cell in its row or column, one cell towards the empty cell.
#pragma once

#include <cstdint>

#include "game/game_state.h"
#include "game/moves.h"

// The empty cell nearest to cell in its row or column of the n x n grid,
// looked for at each distance above, left, right and below, in that order;
// 1 with empty filled in, 0 when neither line holds one.
int32_t FindEmptyInLine(const Board& board, int32_t n, CellPosition cell, CellPosition& empty);

// One cell from move.from towards move.to, which lie in one row or column.
CellPosition StripStep(const TileMove& move);

// The number of tiles the move slides: the cells from move.from up to, and
// not counting, the empty move.to.
int32_t StripLength(const TileMove& move);

// The cell of the strip's tile number index, counted from move.from.
CellPosition StripCell(const TileMove& move, int32_t index);

// Every tile of the strip goes one cell towards move.to; move.from becomes
// the empty cell.
void SlideStrip(Board& board, const TileMove& move);
