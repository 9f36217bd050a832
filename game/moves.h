// The player's clicks on the board: a press and a release in the same cell
// slide that cell's tile, and every tile between it and the empty cell in its
// row or column, one cell towards the empty cell.
#pragma once

#include <cstdint>

#include "game/game_state.h"

struct CellPosition {
    int32_t column;
    int32_t row;
};

struct TileMove {
    CellPosition from;  // the clicked tile's cell
    CellPosition to;    // the empty cell in its row or column
};

// Whether cell lies in the n x n grid.
bool InGrid(CellPosition cell, int32_t n);

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

// The move rule: 1, with move filled in, when the game is being played, cell
// lies in the grid and holds a tile, and the empty cell lies in its row or
// column (game/strip.h); otherwise 0.
int32_t FindMove(const GameState& state, CellPosition cell, TileMove& move);

// Slides the move's strip of tiles on state.board. When that solves the
// puzzle, sets solved, puts the last tile in and gives 1; otherwise 0.
int32_t MakeMove(GameState& state, const TileMove& move);

// Plays a move of the tile at (column, row) when the rule allows it: the move
// sound once, one slide of the whole strip on screen, then the board and the
// count of the tiles it slid; the winning move repaints the whole picture and
// starts the win sound.
void TryMoveTile(int32_t column, int32_t row);
