// The player's clicks on the board: a press and a release in the same cell
// slide that cell's tile into the neighbouring empty cell.
#pragma once

#include <cstdint>

struct CellPosition {
    int32_t column;
    int32_t row;
};

// Column and row of the cell under the last press that had a cell under it;
// (0, 0) until then, never cleared.
extern int32_t pressCol;
extern int32_t pressRow;

// The cell under client point (x, y), which may lie outside the grid. Gives 0
// and leaves cell alone when the source picture is narrower or lower than N
// pixels, so that there are no cells at all.
int32_t CellFromPoint(int32_t x, int32_t y, CellPosition& cell);

void PressCell(int32_t x, int32_t y);
void ReleaseCell(int32_t x, int32_t y);

// Slides the tile at (column, row) into the empty cell next to it in its row
// or column, when the game is being played; the winning move puts the last
// tile in, repaints and starts the win sound.
void TryMoveTile(int32_t column, int32_t row);
