// Keyboard play: which tile an arrow slides into the empty cell. The arrow
// names the direction in which the tile moves; the shell turns keys into
// arrows.
#pragma once

#include <cstdint>

#include "game/game_state.h"
#include "game/moves.h"

enum class Arrow { Left, Right, Up, Down };

// 1, with cell filled in, when the n x n board has an empty cell and a cell
// beside it from which a tile would move in the arrow's direction into it;
// 0 when the empty cell lies at that edge or the board has none.
int32_t CellForArrow(const Board& board, int32_t n, Arrow arrow, CellPosition& cell);
