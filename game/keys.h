// Keyboard play: which keys are arrows, and which tile an arrow slides into
// the empty cell. The arrow names the direction in which the tile moves.
#pragma once

#include <cstdint>

#include "game/game_state.h"
#include "game/moves.h"

enum class Arrow { Left, Right, Up, Down };

// 1, with arrow filled in, for the Windows virtual-key code of an arrow key
// (the keypad's arrows send these with Num Lock off) or of the keypad's 4, 6,
// 8 or 2 (Num Lock on); 0 for any other key.
int32_t ArrowForKey(uint32_t virtualKey, Arrow& arrow);

// 1, with cell filled in, when the n x n board has an empty cell and a cell
// beside it from which a tile would move in the arrow's direction into it;
// 0 when the empty cell lies at that edge or the board has none.
int32_t CellForArrow(const Board& board, int32_t n, Arrow arrow, CellPosition& cell);
